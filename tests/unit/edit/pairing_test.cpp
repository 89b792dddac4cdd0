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
// The pairing loop written out step by step, keeping the longest run as each
// one ends; plain and slow, it only serves to check findPairing.
PairingMatch referencePairing(const std::vector<int>& firstKinds, const std::vector<int>& secondKinds) {
    const int m = static_cast<int>(firstKinds.size());
    const int n = static_cast<int>(secondKinds.size());
    if (m == 0 || n == 0) return PairingMatch{};
    // a: the first strand with U read as T; r: the second reversed and
    // complemented. Unknown kinds become -1 in a and -2 in r, never equal.
    const int partner[] = {1, 0, 3, 2, 2};
    std::vector<int> a, r;
    for (int kind : firstKinds)
        a.push_back(kind == 4 ? 3 : (kind < 0 || kind > 4 ? -1 : kind));
    for (int k = n - 1; k >= 0; --k) {
        const int kind = secondKinds[static_cast<std::size_t>(k)];
        r.push_back(kind >= 0 && kind <= 4 ? partner[kind] : -2);
    }
    PairingMatch best{};
    auto record = [&](const PairingMatch& run) {
        if (run.length > best.length) best = run; // the first recorded wins ties
    };
    int lead = n - 1, advance = 0, last = n - 1;
    while (advance < m) {
        bool open = false;
        int start = 0, length = 0;
        for (int l = lead; l <= last; ++l) {
            const int i = l + advance - lead;
            EXPECT_TRUE(i >= 0 && i < m && l >= 0 && l < n) << "index outside the strands";
            if (a[static_cast<std::size_t>(i)] == r[static_cast<std::size_t>(l)]) {
                if (!open) start = l;
                length = open ? length + 1 : 1;
                open = true;
            } else if (open) {
                record({length, advance, lead, start});
                open = false;
            }
        }
        if (open) record({length, advance, lead, start});
        if (lead > 0)
            --lead;
        else
            ++advance;
        if ((last - lead) + advance == m) --last;
    }
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
    struct Case {
        const char *first, *second;
        PairingMatch expected;
    };
    const Case cases[] = {
        // ACGT over ACGT: the reversed and complemented second strand is ACGT
        // again, so the whole length pairs at offset 0.
        {"ACGT", "ACGT", {4, 0, 0, 0}},
        // U in the first strand counts as T; U in the second pairs with A
        // only, so U never pairs with U.
        {"U", "A", {1, 0, 0, 0}},
        {"GU", "AC", {2, 0, 0, 0}},
        {"A", "U", {1, 0, 0, 0}},
        {"GCT", "U", {}},
        {"U", "U", {}},
        // Nothing pairs, or a strand is empty: the all-zero match.
        {"GGG", "GGG", {}},
        {"", "ACGT", {}},
        {"ACGT", "", {}},
        // GA over TC: r = GA. d = -1 (G vs A: no), d = 0 (a run of 2 at 0).
        {"GA", "TC", {2, 0, 0, 0}},
        // AAG over C: r = G meets a[0], a[1], a[2]; only the last pairs.
        {"AAG", "C", {1, 2, 0, 0}},
        // G over CAA: r = TTG. The G meets r[2] first (lead 2): d = -2.
        {"G", "CAA", {1, 0, 2, 2}},
        // Equal runs: the overlap met first wins. GTTG over C: d = 0 before d = 3.
        {"GTTG", "C", {1, 0, 0, 0}},
        // GGAGG over CCGCC: r = GGCGG; runs of 2 at d = -3, 0 and 3: d = -3 wins.
        {"GGAGG", "CCGCC", {2, 0, 3, 3}},
        // A longer run later beats a shorter one met first.
        {"GAAGGG", "CCC", {3, 3, 0, 0}},
    };
    for (const Case& c : cases) {
        const std::vector<int> first = kindsFromText(c.first), second = kindsFromText(c.second);
        EXPECT_EQ(findPairing(first, second), c.expected) << c.first << " over " << c.second;
        EXPECT_EQ(referencePairing(first, second), c.expected) << c.first << " over " << c.second;
    }
    // A corrupted kind in either strand neither pairs nor breaks the search:
    // G ? G over C C C breaks into two runs of 1.
    EXPECT_EQ(findPairing({-1}, {-1}), PairingMatch{});
    EXPECT_EQ(findPairing({7}, {7}), PairingMatch{});
    EXPECT_EQ(findPairing({0, 9, 0}, {1, 1, 1}), (PairingMatch{1, 0, 2, 2}));
}

TEST(Pairing, MatchesReferenceOnRandomStrands) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> shortLength(0, 40), longLength(50, 400), wild(-3, 8);
    // Fewer kinds make longer runs and more ties; five include U on both
    // sides; kinds outside 0 to 4 stand for corrupted input.
    for (int round = 0; round < 7000; ++round) {
        const int kinds = 2 + round % 4;
        std::vector<int> first = randomKinds(random, shortLength(random), round < 6000 ? kinds : 5);
        std::vector<int> second = randomKinds(random, shortLength(random), round < 6000 ? kinds : 5);
        if (round % 7 == 0)
            for (int& k : round % 2 ? first : second)
                k = wild(random);
        ASSERT_EQ(findPairing(first, second), referencePairing(first, second))
            << "round " << round << " lengths " << first.size() << " x " << second.size();
    }
    // Longer strands, with complementary stretches of 60 to 200 bases planted
    // so that runs start and end on either side of 64-base words.
    for (int round = 0; round < 60; ++round) {
        std::vector<int> first = randomKinds(random, longLength(random), 2 + round % 4);
        std::vector<int> second = randomKinds(random, longLength(random), 2 + round % 4);
        if (round % 3 == 0) {
            const int size = std::min<int>(std::uniform_int_distribution<int>(60, 200)(random),
                                           static_cast<int>(std::min(first.size(), second.size())));
            const std::vector<int> stretch = randomKinds(random, size, 5), partner = complementOf(stretch);
            auto at = [&](const std::vector<int>& v) {
                return std::uniform_int_distribution<int>(0, static_cast<int>(v.size()) - size)(random);
            };
            std::copy(stretch.begin(), stretch.end(), first.begin() + at(first));
            std::copy(partner.begin(), partner.end(), second.begin() + at(second));
        }
        ASSERT_EQ(findPairing(first, second), referencePairing(first, second)) << "round " << round;
    }
    // Fully complementary strands of awkward lengths: one run over everything.
    for (int size : {63, 64, 65, 127, 128, 129, 300}) {
        const std::vector<int> first = randomKinds(random, size, 4);
        EXPECT_EQ(findPairing(first, complementOf(first)), (PairingMatch{size, 0, 0, 0})) << size;
    }
}

// ---- Layout ----

using Row = std::vector<sf::Vector2f>;

TEST(PairLayout, WorkedLayouts) {
    // ACGT over ACGT at zoom 30: p = 48, offsets 18 and 72. The second row is
    // 72 lower; paired bases sit 18 inside the rows, 36 apart. The second
    // strand's 3' end (stored last) is on the left.
    PairLayout l = computePairLayout({4, 0, 0, 0}, 4, 4, 100.f, 200.f, 30.f);
    EXPECT_EQ(l.first, (Row{{100.f, 218.f}, {148.f, 218.f}, {196.f, 218.f}, {244.f, 218.f}}));
    EXPECT_EQ(l.second, (Row{{244.f, 254.f}, {196.f, 254.f}, {148.f, 254.f}, {100.f, 254.f}}));
    EXPECT_EQ((Row{l.firstFive, l.firstThree, l.secondThree, l.secondFive}),
              (Row{{52.f, 218.f}, {292.f, 218.f}, {52.f, 254.f}, {292.f, 254.f}}));

    // GAAGG over CCT: r = AGG; at d = 2, a[2..4] = AGG faces r[0..2]: all
    // three pair. Unpaired bases sit 18 outside the rows.
    const PairingMatch match = findPairing(kindsFromText("GAAGG"), kindsFromText("CCT"));
    ASSERT_EQ(match, (PairingMatch{3, 2, 0, 0}));
    l = computePairLayout(match, 5, 3, 0.f, 0.f, 30.f);
    EXPECT_EQ(l.first, (Row{{0.f, -18.f}, {48.f, -18.f}, {96.f, 18.f}, {144.f, 18.f}, {192.f, 18.f}}));
    EXPECT_EQ(l.second, (Row{{192.f, 54.f}, {144.f, 54.f}, {96.f, 54.f}}));
    EXPECT_EQ((Row{l.firstFive, l.firstThree, l.secondThree, l.secondFive}),
              (Row{{-48.f, -18.f}, {240.f, 18.f}, {48.f, 54.f}, {240.f, 54.f}}));

    // A negative offset: G over CAA gives d = -2; the second strand starts
    // two columns left of the first strand's 5' base; only l = 2 pairs.
    l = computePairLayout(findPairing(kindsFromText("G"), kindsFromText("CAA")), 1, 3, 10.f, 0.f, 30.f);
    EXPECT_EQ(l.first, (Row{{10.f, 18.f}}));
    EXPECT_EQ(l.second, (Row{{10.f, 54.f}, {-38.f, 90.f}, {-86.f, 90.f}}));
    EXPECT_EQ(l.secondThree, sf::Vector2f(-134.f, 90.f));
    EXPECT_EQ(l.secondFive, sf::Vector2f(58.f, 54.f));
}

TEST(PairLayout, EmptyMatchAndOtherZooms) {
    // Nothing pairs: the first row is raised, the second lowered, and the
    // second strand's 3' end sits under the first strand's 5' end.
    PairLayout l = computePairLayout(PairingMatch{}, 2, 3, 0.f, 100.f, 30.f);
    EXPECT_EQ(l.first, (Row{{0.f, 82.f}, {48.f, 82.f}}));
    EXPECT_EQ(l.second, (Row{{96.f, 190.f}, {48.f, 190.f}, {0.f, 190.f}}));
    EXPECT_EQ(l.secondThree, sf::Vector2f(-48.f, 190.f));
    EXPECT_EQ(l.secondFive, sf::Vector2f(144.f, 190.f));
    // Zoom 20: p = int(20 * 48 / 30) = 32; 3p/8 = 12; 6p/4 = 48.
    l = computePairLayout(PairingMatch{1, 0, 0, 0}, 2, 1, 0.f, 0.f, 20.f);
    EXPECT_EQ(l.first, (Row{{0.f, 12.f}, {32.f, -12.f}}));
    EXPECT_EQ(l.second, (Row{{0.f, 36.f}}));
    // Zoom 31: p = int(49.6) = 49; 3p/8 = 18 (147/8 truncated); 6p/4 = 73 (294/4).
    l = computePairLayout(PairingMatch{}, 1, 1, 0.f, 0.f, 31.f);
    EXPECT_EQ((Row{l.first[0], l.second[0], l.firstThree}), (Row{{0.f, -18.f}, {0.f, 91.f}, {49.f, -18.f}}));
    // Strands without bases still get their end labels at their rows.
    l = computePairLayout(PairingMatch{}, 0, 0, 0.f, 0.f, 30.f);
    EXPECT_TRUE(l.first.empty() && l.second.empty());
    EXPECT_EQ(l.firstFive, sf::Vector2f(-48.f, -18.f));
    EXPECT_EQ(l.secondFive, sf::Vector2f(0.f, 90.f));
}
