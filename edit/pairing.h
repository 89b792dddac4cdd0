#pragma once

#include <SFML/System/Vector2.hpp>
#include <cstdint>
#include <vector>

// ---- Strand pairing ----
// The P key lays two strands out as a duplex. The search below finds the
// longest run of bases along which the first strand (5' to 3') and the second
// strand (reversed, so 3' to 5', and complemented) pair; the layout then puts
// the first strand on a row reading 5' to 3' and the second on a row below it
// reading 3' to 5', shifted so that the run's bases face each other.

// The outcome of the pairing search; all zero when nothing pairs.
// With d = advance - lead, base i of the first strand (from its 5' end) faces
// base i - d of the second strand counted from its 3' end. The run covers
// indices runStart .. runStart + length - 1 of the reversed second strand and
// runStart + d .. runStart + d + length - 1 of the first strand.
struct PairingMatch {
    // Number of consecutive pairing positions (0 when nothing pairs).
    int32_t length = 0;
    // Steps the alignment had moved along the first strand (d when d > 0, else 0).
    int32_t advance = 0;
    // Bases of the reversed second strand before the first strand's 5' end (-d when d < 0, else 0).
    int32_t lead = 0;
    // Index of the run's first base in the reversed second strand.
    int32_t runStart = 0;
};

// True when all four fields agree.
inline bool operator==(const PairingMatch& x, const PairingMatch& y) {
    return x.length == y.length && x.advance == y.advance && x.lead == y.lead && x.runStart == y.runStart;
}
inline bool operator!=(const PairingMatch& x, const PairingMatch& y) {
    return !(x == y);
}

// The longest pairing run between two strands given as base kinds
// (G = 0, C = 1, A = 2, T = 3, U = 4), both listed 5' to 3' as stored.
// The second strand is reversed and each base replaced by its partner
// (G->C, C->G, A->T, T->A, U->A); a U in the first strand counts as T; a
// kind outside 0..4 pairs with nothing. Alignments are visited from the one
// where only the second strand's 5' base meets the first strand's 5' base to
// the one where only the first strand's 3' base meets the second strand,
// positions within one alignment from the second strand's 3' end on; among
// runs of equal length the first one met wins. Returns the all-zero match
// when either strand is empty or nothing pairs. Keeps only the best run, so
// memory stays linear; a bit-parallel scan makes it fast on long strands.
PairingMatch findPairing(const std::vector<int>& firstKinds, const std::vector<int>& secondKinds);

// Where the duplex layout puts every base and end label of the two strands.
struct PairLayout {
    // First strand's base positions, from its 5' end.
    std::vector<sf::Vector2f> first;
    // Second strand's base positions in stored order, from its 5' end (the
    // duplex reads it from its 3' end, which lands leftmost).
    std::vector<sf::Vector2f> second;
    // The first strand's 5' and 3' end labels.
    sf::Vector2f firstFive, firstThree;
    // The second strand's 3' and 5' end labels.
    sf::Vector2f secondThree, secondFive;
};

// The duplex layout for a match between a first strand of m bases and a
// second strand of n bases, the first strand's 5' base at (x0, y0), at the
// given zoom size (30 is normal). Unit p = zoomSize * 48 / 30 truncated; the
// first row's paired bases sit 3p/8 below y0 and the rest 3p/8 above; the
// second row lies 6p/4 below the first, its paired bases 3p/8 above that row
// and the rest 3p/8 below. End labels sit one unit beyond the end bases, at
// their height. A strand without bases gets its labels at its row's unpaired
// height.
PairLayout computePairLayout(const PairingMatch& match, int m, int n, float x0, float y0, float zoomSize);
