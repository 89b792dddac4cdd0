#include "edit/pairing.h"
#include "edit/sequence_text.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <vector>

std::ostream& operator<<(std::ostream& out, const PairingMatch& match) {
    return out << "{length " << match.length << ", advance " << match.advance << ", lead " << match.lead
               << ", runStart " << match.runStart << "}";
}

namespace {

// ---- Reference search ----
// The pairing loop written out step by step, recording every run as it ends
// and picking the longest (first recorded on ties) at the end. Memory grows
// with the product of the lengths, so it only serves to check findPairing.
PairingMatch referencePairing(const std::vector<int>& firstKinds, const std::vector<int>& secondKinds) {
    const int m = static_cast<int>(firstKinds.size());
    const int n = static_cast<int>(secondKinds.size());
    std::vector<int> a(firstKinds);
    for (int& kind : a) {
        if (kind == 4) kind = 3;
        if (kind < 0 || kind > 4) kind = -1; // pairs with nothing
    }
    std::vector<int> r;
    for (int k = n - 1; k >= 0; --k) {
        const int kind = secondKinds[static_cast<std::size_t>(k)];
        const int partner[] = {1, 0, 3, 2, 2};
        r.push_back(kind >= 0 && kind <= 4 ? partner[kind] : -2); // -2: never equal to a's -1
    }
    if (m == 0 || n == 0) return PairingMatch{};

    std::vector<PairingMatch> recorded;
    int lead = n - 1, advance = 0, last = n - 1;
    while (advance < m) {
        bool open = false;
        int start = 0, length = 0;
        for (int l = lead; l <= last; ++l) {
            const int i = l + advance - lead;
            EXPECT_TRUE(i >= 0 && i < m && l >= 0 && l < n) << "index outside the strands";
            if (a[static_cast<std::size_t>(i)] == r[static_cast<std::size_t>(l)]) {
                if (!open) {
                    open = true;
                    start = l;
                    length = 0;
                }
                ++length;
            } else if (open) {
                recorded.push_back({length, advance, lead, start});
                open = false;
            }
        }
        if (open) recorded.push_back({length, advance, lead, start});
        if (lead > 0)
            --lead;
        else
            ++advance;
        if ((last - lead) + advance == m) --last;
    }
    PairingMatch best{};
    for (const PairingMatch& match : recorded)
        if (match.length > best.length) best = match;
    return best;
}

std::vector<int> randomKinds(std::mt19937& random, int length, int kinds) {
    std::uniform_int_distribution<int> kind(0, kinds - 1);
    std::vector<int> out(static_cast<std::size_t>(length));
    for (int& k : out)
        k = kind(random);
    return out;
}

// A strand that pairs base for base with the given one, read 5' to 3'.
std::vector<int> complementOf(const std::vector<int>& kinds) {
    const int partner[] = {1, 0, 3, 2, 2};
    std::vector<int> out(kinds.rbegin(), kinds.rend());
    for (int& k : out)
        k = partner[k];
    return out;
}

} // namespace

// ---- Search ----

TEST(Pairing, WorkedCases) {
    // ACGT over ACGT: the reversed and complemented second strand is ACGT
    // again, so the whole length pairs at offset 0.
    const std::vector<int> acgt = kindsFromText("ACGT");
    EXPECT_EQ(findPairing(acgt, acgt), (PairingMatch{4, 0, 0, 0}));
    EXPECT_EQ(referencePairing(acgt, acgt), (PairingMatch{4, 0, 0, 0}));

    // A U in the first strand pairs with an A in the second (U counts as T).
    EXPECT_EQ(findPairing(kindsFromText("U"), kindsFromText("A")), (PairingMatch{1, 0, 0, 0}));
    EXPECT_EQ(findPairing(kindsFromText("GU"), kindsFromText("AC")), (PairingMatch{2, 0, 0, 0}));
    // A U in the second strand pairs with an A in the first, and with nothing else.
    EXPECT_EQ(findPairing(kindsFromText("A"), kindsFromText("U")), (PairingMatch{1, 0, 0, 0}));
    EXPECT_EQ(findPairing(kindsFromText("GCT"), kindsFromText("U")), PairingMatch{});
    // U does not pair with U: U in the first is T, whose partner would be A.
    EXPECT_EQ(findPairing(kindsFromText("U"), kindsFromText("U")), PairingMatch{});

    // Nothing pairs, or a strand is empty: the all-zero match.
    EXPECT_EQ(findPairing(kindsFromText("GGG"), kindsFromText("GGG")), PairingMatch{});
    EXPECT_EQ(findPairing({}, acgt), PairingMatch{});
    EXPECT_EQ(findPairing(acgt, {}), PairingMatch{});

    // First GA, second TC: r = GA. Overlaps in order: d = -1 (a[0] G vs r[1]
    // A: no), d = 0 (GA vs GA: run of 2 at 0). Result {2, 0, 0, 0}.
    EXPECT_EQ(findPairing(kindsFromText("GA"), kindsFromText("TC")), (PairingMatch{2, 0, 0, 0}));
    // First AAG, second C: r = G. It meets a[0] at d = 0, a[1] at d = 1,
    // a[2] at d = 2: only the last pairs, so advance 2, lead 0.
    EXPECT_EQ(findPairing(kindsFromText("AAG"), kindsFromText("C")), (PairingMatch{1, 2, 0, 0}));
    // First G, second CAA: r = TTG. The G meets r[2] first (lead 2): d = -2.
    EXPECT_EQ(findPairing(kindsFromText("G"), kindsFromText("CAA")), (PairingMatch{1, 0, 2, 2}));
}

TEST(Pairing, EqualRunsFirstMetWins) {
    // First GTTG, second C: r = G meets G at d = 0 and again at d = 3. The
    // overlap met first (d = 0) wins.
    EXPECT_EQ(findPairing(kindsFromText("GTTG"), kindsFromText("C")), (PairingMatch{1, 0, 0, 0}));
    // First GGAGG, second CCGCC: r = GGCGG. Runs of 2 occur at d = -3
    // (r[3..4] under a[0..1]), d = 0 (r[0..1] and r[3..4]) and d = 3; the
    // overlap d = -3 is met first, so it wins over the later ties.
    EXPECT_EQ(findPairing(kindsFromText("GGAGG"), kindsFromText("CCGCC")), (PairingMatch{2, 0, 3, 3}));
    // A longer run later beats a shorter one met first.
    EXPECT_EQ(findPairing(kindsFromText("GAAGGG"), kindsFromText("CCC")), (PairingMatch{3, 3, 0, 0}));
}

TEST(Pairing, MatchesReferenceOnRandomStrands) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> shortLength(0, 40);
    for (int round = 0; round < 4000; ++round) {
        // Fewer kinds make longer runs and more ties.
        const int kinds = 2 + round % 4;
        const std::vector<int> first = randomKinds(random, shortLength(random), kinds);
        const std::vector<int> second = randomKinds(random, shortLength(random), kinds);
        ASSERT_EQ(findPairing(first, second), referencePairing(first, second))
            << "round " << round << " lengths " << first.size() << " x " << second.size();
    }
    // All five kinds, including U on both sides.
    for (int round = 0; round < 2000; ++round) {
        const std::vector<int> first = randomKinds(random, shortLength(random), 5);
        const std::vector<int> second = randomKinds(random, shortLength(random), 5);
        ASSERT_EQ(findPairing(first, second), referencePairing(first, second)) << "round " << round;
    }
}

TEST(Pairing, MatchesReferenceAcrossWordBoundaries) {
    // Longer strands, with runs planted so that they start and end on either
    // side of 64-base words and exceed a word's length.
    std::mt19937 random(11);
    std::uniform_int_distribution<int> longLength(50, 400);
    for (int round = 0; round < 60; ++round) {
        std::vector<int> first = randomKinds(random, longLength(random), 2 + round % 4);
        std::vector<int> second = randomKinds(random, longLength(random), 2 + round % 4);
        if (round % 3 == 0) {
            // Plant a complementary stretch of 60 to 200 bases.
            const int size = std::min<int>(std::uniform_int_distribution<int>(60, 200)(random),
                                           static_cast<int>(std::min(first.size(), second.size())));
            std::vector<int> stretch = randomKinds(random, size, 5);
            const int at =
                std::uniform_int_distribution<int>(0, static_cast<int>(first.size()) - size)(random);
            std::copy(stretch.begin(), stretch.end(), first.begin() + at);
            const std::vector<int> partner = complementOf(stretch);
            const int to =
                std::uniform_int_distribution<int>(0, static_cast<int>(second.size()) - size)(random);
            std::copy(partner.begin(), partner.end(), second.begin() + to);
        }
        ASSERT_EQ(findPairing(first, second), referencePairing(first, second))
            << "round " << round << " lengths " << first.size() << " x " << second.size();
    }
    // Fully complementary strands of awkward lengths: one run over everything.
    for (int size : {63, 64, 65, 127, 128, 129, 300}) {
        const std::vector<int> first = randomKinds(random, size, 4);
        const std::vector<int> second = complementOf(first);
        EXPECT_EQ(findPairing(first, second), (PairingMatch{size, 0, 0, 0})) << size;
        EXPECT_EQ(referencePairing(first, second), (PairingMatch{size, 0, 0, 0})) << size;
    }
}

TEST(Pairing, KindsOutsideTheFiveNeverPair) {
    // A corrupted kind in either strand must neither pair nor break the search.
    EXPECT_EQ(findPairing({-1}, {-1}), PairingMatch{});
    EXPECT_EQ(findPairing({7}, {7}), PairingMatch{});
    // G ? G over C C C: the middle base breaks the run into two runs of 1.
    EXPECT_EQ(findPairing({0, 9, 0}, {1, 1, 1}), (PairingMatch{1, 0, 2, 2}));
    std::mt19937 random(3);
    std::uniform_int_distribution<int> length(0, 30);
    std::uniform_int_distribution<int> wild(-3, 8);
    for (int round = 0; round < 1000; ++round) {
        std::vector<int> first(static_cast<std::size_t>(length(random)));
        std::vector<int> second(static_cast<std::size_t>(length(random)));
        for (int& k : first)
            k = wild(random);
        for (int& k : second)
            k = wild(random);
        ASSERT_EQ(findPairing(first, second), referencePairing(first, second)) << "round " << round;
    }
}

// ---- Layout ----

TEST(PairLayout, WholeLengthPairAtStandardZoom) {
    // ACGT over ACGT at zoom 30: p = 48, offsets 18 and 72, d = 0.
    const PairingMatch match{4, 0, 0, 0};
    const PairLayout layout = computePairLayout(match, 4, 4, 100.f, 200.f, 30.f);
    ASSERT_EQ(layout.first.size(), 4u);
    ASSERT_EQ(layout.second.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(layout.first[static_cast<std::size_t>(i)], sf::Vector2f(100.f + 48.f * i, 218.f)) << i;
    }
    // The second row is 72 lower; paired bases sit 18 above it, so 36 below
    // the first strand's paired bases. Its 3' end (stored last) is on the left.
    EXPECT_EQ(layout.second[3], sf::Vector2f(100.f, 254.f));
    EXPECT_EQ(layout.second[2], sf::Vector2f(148.f, 254.f));
    EXPECT_EQ(layout.second[1], sf::Vector2f(196.f, 254.f));
    EXPECT_EQ(layout.second[0], sf::Vector2f(244.f, 254.f));
    EXPECT_EQ(layout.firstFive, sf::Vector2f(52.f, 218.f));
    EXPECT_EQ(layout.firstThree, sf::Vector2f(292.f, 218.f));
    EXPECT_EQ(layout.secondThree, sf::Vector2f(52.f, 254.f));
    EXPECT_EQ(layout.secondFive, sf::Vector2f(292.f, 254.f));
}

TEST(PairLayout, PartialRunAndOffsets) {
    // First GAAGG (m = 5), second CCT (n = 3): r = AGG. At d = 2,
    // a[2..4] = AGG faces r[0..2] = AGG: all three pair.
    const std::vector<int> first = kindsFromText("GAAGG");
    const std::vector<int> second = kindsFromText("CCT");
    const PairingMatch match = findPairing(first, second);
    ASSERT_EQ(match, (PairingMatch{3, 2, 0, 0}));
    const PairLayout layout = computePairLayout(match, 5, 3, 0.f, 0.f, 30.f);
    // First strand: bases 2..4 paired (y 18), 0..1 unpaired (y -18).
    const float firstY[] = {-18.f, -18.f, 18.f, 18.f, 18.f};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(layout.first[static_cast<std::size_t>(i)], sf::Vector2f(48.f * i, firstY[i])) << i;
    EXPECT_EQ(layout.firstFive, sf::Vector2f(-48.f, -18.f));
    EXPECT_EQ(layout.firstThree, sf::Vector2f(240.f, 18.f));
    // Second strand from its 3' end starts under first-strand base 2 (x 96), all paired (y 54).
    EXPECT_EQ(layout.second[2], sf::Vector2f(96.f, 54.f));
    EXPECT_EQ(layout.second[1], sf::Vector2f(144.f, 54.f));
    EXPECT_EQ(layout.second[0], sf::Vector2f(192.f, 54.f));
    EXPECT_EQ(layout.secondThree, sf::Vector2f(48.f, 54.f));
    EXPECT_EQ(layout.secondFive, sf::Vector2f(240.f, 54.f));

    // A negative offset: first G, second CAA gives d = -2; the second strand
    // starts two columns left of the first strand's 5' base.
    const PairingMatch left = findPairing(kindsFromText("G"), kindsFromText("CAA"));
    const PairLayout shifted = computePairLayout(left, 1, 3, 10.f, 0.f, 30.f);
    EXPECT_EQ(shifted.first[0], sf::Vector2f(10.f, 18.f));
    EXPECT_EQ(shifted.second[2], sf::Vector2f(-86.f, 90.f)); // 3' base, l = 0, unpaired
    EXPECT_EQ(shifted.second[1], sf::Vector2f(-38.f, 90.f));
    EXPECT_EQ(shifted.second[0], sf::Vector2f(10.f, 54.f)); // l = 2, the paired C
    EXPECT_EQ(shifted.secondThree, sf::Vector2f(-134.f, 90.f));
    EXPECT_EQ(shifted.secondFive, sf::Vector2f(58.f, 54.f));
}

TEST(PairLayout, EmptyMatchAndOtherZooms) {
    // Nothing pairs: the first row is raised, the second lowered, and the
    // second strand's 3' end sits under the first strand's 5' end.
    const PairLayout empty = computePairLayout(PairingMatch{}, 2, 3, 0.f, 100.f, 30.f);
    EXPECT_EQ(empty.first[0], sf::Vector2f(0.f, 82.f));
    EXPECT_EQ(empty.first[1], sf::Vector2f(48.f, 82.f));
    EXPECT_EQ(empty.second[2], sf::Vector2f(0.f, 190.f));
    EXPECT_EQ(empty.second[0], sf::Vector2f(96.f, 190.f));
    EXPECT_EQ(empty.secondThree, sf::Vector2f(-48.f, 190.f));
    EXPECT_EQ(empty.secondFive, sf::Vector2f(144.f, 190.f));

    // Zoom 20: p = int(20 * 48 / 30) = 32; 3p/8 = 12; 6p/4 = 48.
    const PairLayout small = computePairLayout(PairingMatch{1, 0, 0, 0}, 2, 1, 0.f, 0.f, 20.f);
    EXPECT_EQ(small.first[0], sf::Vector2f(0.f, 12.f));
    EXPECT_EQ(small.first[1], sf::Vector2f(32.f, -12.f));
    EXPECT_EQ(small.second[0], sf::Vector2f(0.f, 36.f));
    // Zoom 31: p = int(49.6) = 49; 3p/8 = 18 (147/8 truncated); 6p/4 = 73 (294/4).
    const PairLayout odd = computePairLayout(PairingMatch{}, 1, 1, 0.f, 0.f, 31.f);
    EXPECT_EQ(odd.first[0], sf::Vector2f(0.f, -18.f));
    EXPECT_EQ(odd.second[0], sf::Vector2f(0.f, 91.f));
    EXPECT_EQ(odd.firstThree, sf::Vector2f(49.f, -18.f));

    // A strand without bases still gets its end labels at its row.
    const PairLayout none = computePairLayout(PairingMatch{}, 0, 0, 0.f, 0.f, 30.f);
    EXPECT_TRUE(none.first.empty());
    EXPECT_TRUE(none.second.empty());
    EXPECT_EQ(none.firstFive, sf::Vector2f(-48.f, -18.f));
    EXPECT_EQ(none.secondFive, sf::Vector2f(0.f, 90.f));
}
