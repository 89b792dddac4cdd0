#include "edit/pairing.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <limits>

namespace {

// ---- Pairing search ----
//
// The search visits every alignment ("diagonal") d = advance - lead from
// -(n - 1) to m - 1, and within one the positions l of the reversed second
// strand r from the lowest upward, comparing a[l + d] with r[l]. Only runs
// strictly longer than the best so far can change the answer, which is what
// makes "the first recorded among the longest" hold without recording runs.
//
// Bit-parallel scan: each sequence is held as three bit planes (low and high
// bit of the 2-bit kind, and a "never pairs" bit for kinds outside 0..4 and
// for padding), 64 positions per word. One word of the equality mask of a
// diagonal then costs a handful of logic operations. The first strand is kept
// in 64 copies, one per bit offset, so that every load is word aligned.

using Word = std::uint64_t;
constexpr int wordBits = 64;
constexpr Word allOnes = ~Word{0};

struct Planes {
    Word low = 0;
    Word high = 0;
    Word never = 0;
};

// The first strand's kinds as compared: U counts as T; anything else is not a base.
int firstCode(int kind) {
    if (kind >= 0 && kind <= 3) return kind;
    if (kind == 4) return 3;
    return -1;
}

// The partner a second-strand base needs on the first strand.
int partnerCode(int kind) {
    static const int partner[] = {1, 0, 3, 2, 2}; // G->C, C->G, A->T, T->A, U->A
    if (kind >= 0 && kind <= 4) return partner[kind];
    return -1;
}

void setBit(std::vector<Planes>& planes, std::size_t position, int code) {
    Planes& word = planes[position / wordBits];
    const Word bit = Word{1} << (position % wordBits);
    if (code < 0) {
        word.never |= bit;
        return;
    }
    word.never &= ~bit;
    if (code & 1) word.low |= bit;
    if (code & 2) word.high |= bit;
}

// Bits i of x for which bits i .. i + runLength - 1 are all set (1 <= runLength <= 64).
Word runStarts(Word x, int runLength) {
    int covered = 1;
    while (covered * 2 <= runLength) {
        x &= x >> covered;
        covered *= 2;
    }
    if (covered < runLength) x &= x >> (runLength - covered);
    return x;
}

int countTrailingZeros(Word x) {
    return __builtin_ctzll(x);
}
int countLeadingZeros(Word x) {
    return __builtin_clzll(x);
}

struct Best {
    std::int64_t length = 0;
    std::int64_t diagonal = 0;
    std::int64_t start = 0;

    void offer(std::int64_t runLength, std::int64_t diag, std::int64_t runStart) {
        if (runLength > length) {
            length = runLength;
            diagonal = diag;
            start = runStart;
        }
    }
};

} // namespace

PairingMatch findPairing(const std::vector<int>& firstKinds, const std::vector<int>& secondKinds) {
    const auto m = static_cast<std::int64_t>(firstKinds.size());
    const auto n = static_cast<std::int64_t>(secondKinds.size());
    if (m == 0 || n == 0) return PairingMatch{};
    assert(m <= std::numeric_limits<int32_t>::max() && n <= std::numeric_limits<int32_t>::max() &&
           "strands longer than 2^31 bases cannot be reported in 32-bit fields");

    // r: the second strand from its 3' end, as partners. Positions >= n never pair.
    const std::int64_t secondWords = (n + wordBits - 1) / wordBits;
    std::vector<Planes> r(static_cast<std::size_t>(secondWords), Planes{0, 0, allOnes});
    for (std::int64_t l = 0; l < n; ++l)
        setBit(r, static_cast<std::size_t>(l), partnerCode(secondKinds[static_cast<std::size_t>(n - 1 - l)]));

    // a: the first strand, padded with one never-pairing word before it and two
    // after it, so that every diagonal reads whole words without bounds checks.
    const std::int64_t pad = wordBits;
    const std::int64_t paddedWords = (pad + m + 2 * wordBits + wordBits - 1) / wordBits + 1;
    std::vector<Planes> a(static_cast<std::size_t>(paddedWords), Planes{0, 0, allOnes});
    for (std::int64_t i = 0; i < m; ++i)
        setBit(a, static_cast<std::size_t>(pad + i), firstCode(firstKinds[static_cast<std::size_t>(i)]));

    // shifted[s * stride + k] holds padded bits 64k + s .. 64k + s + 63 of a.
    const std::int64_t stride = paddedWords - 1;
    std::vector<Planes> shifted(static_cast<std::size_t>(wordBits * stride));
    for (int s = 0; s < wordBits; ++s) {
        for (std::int64_t k = 0; k < stride; ++k) {
            const Planes& lowWord = a[static_cast<std::size_t>(k)];
            const Planes& highWord = a[static_cast<std::size_t>(k + 1)];
            auto take = [s](Word lo, Word hi) { return s == 0 ? lo : (lo >> s) | (hi << (wordBits - s)); };
            shifted[static_cast<std::size_t>(s * stride + k)] = {take(lowWord.low, highWord.low),
                                                                 take(lowWord.high, highWord.high),
                                                                 take(lowWord.never, highWord.never)};
        }
    }

    Best best;
    for (std::int64_t d = -(n - 1); d < m; ++d) {
        const std::int64_t first = std::max<std::int64_t>(0, -d);
        const std::int64_t last = std::min<std::int64_t>(n - 1, m - 1 - d);
        const std::int64_t firstWord = first / wordBits;
        const std::int64_t lastWord = last / wordBits;
        // Padded bit of a that faces bit 0 of r's word firstWord; at least 1.
        const std::int64_t offset = firstWord * wordBits + d + pad;
        const std::int64_t shift = offset % wordBits;
        const Planes* aWord = &shifted[static_cast<std::size_t>(shift * stride + offset / wordBits)];
        const Planes* rWord = &r[static_cast<std::size_t>(firstWord)];

        std::int64_t carry = 0; // length of the run still open at the previous word's top
        std::int64_t carryStart = 0;
        for (std::int64_t w = firstWord; w <= lastWord; ++w, ++aWord, ++rWord) {
            const Word equal =
                ~((aWord->low ^ rWord->low) | (aWord->high ^ rWord->high) | aWord->never | rWord->never);
            const std::int64_t wordStart = w * wordBits;
            if (equal == allOnes) {
                if (carry == 0) carryStart = wordStart;
                carry += wordBits;
                continue;
            }
            Word inner = equal;
            if (carry > 0) {
                // The run that reaches into this word from below ends here.
                const int trailing = countTrailingZeros(~equal);
                best.offer(carry + trailing, d, carryStart);
                carry = 0;
                inner &= allOnes << trailing;
            }
            // A run at the top of the word stays open into the next one.
            int leading = 0;
            if (inner >> (wordBits - 1)) {
                leading = countLeadingZeros(~equal);
                inner &= allOnes >> leading;
            }
            // Runs that lie wholly inside the word (a run starting at bit 0
            // here starts at a zero bit or at the overlap's edge), in order,
            // each only when it beats the best so far. Most words have none
            // and cost one erosion.
            while (inner != 0 && best.length < wordBits - 1) {
                const Word starts = runStarts(inner, static_cast<int>(best.length) + 1);
                if (starts == 0) break;
                const int at = countTrailingZeros(starts);
                const int runLength = countTrailingZeros(~(inner >> at));
                best.offer(runLength, d, wordStart + at);
                inner &= ~(((Word{1} << runLength) - 1) << at);
            }
            if (leading > 0) {
                carry = leading;
                carryStart = wordStart + wordBits - leading;
            }
        }
        if (carry > 0) best.offer(carry, d, carryStart);
    }

    if (best.length == 0) return PairingMatch{};
    PairingMatch match;
    match.length = static_cast<int32_t>(best.length);
    match.advance = static_cast<int32_t>(std::max<std::int64_t>(best.diagonal, 0));
    match.lead = static_cast<int32_t>(std::max<std::int64_t>(-best.diagonal, 0));
    match.runStart = static_cast<int32_t>(best.start);
    return match;
}

// ---- Duplex layout ----

namespace {

// zoomSize * 48 / 30 truncated toward zero; an absurd zoom (not finite or
// beyond int) is clamped rather than converted with undefined behaviour.
int layoutUnit(float zoomSize) {
    const float unit = zoomSize * 48 / 30;
    if (std::isnan(unit)) return 0;
    if (unit >= static_cast<float>(std::numeric_limits<int>::max() / 8))
        return std::numeric_limits<int>::max() / 8;
    if (unit <= static_cast<float>(std::numeric_limits<int>::min() / 8))
        return std::numeric_limits<int>::min() / 8;
    return static_cast<int>(unit);
}

// x0 + steps * p, with the product taken wide so that long strands cannot overflow.
float columnX(float x0, std::int64_t steps, int p) {
    return x0 + static_cast<float>(steps * p);
}

} // namespace

PairLayout computePairLayout(const PairingMatch& match, int m, int n, float x0, float y0, float zoomSize) {
    assert(m >= 0 && n >= 0 && "strand lengths cannot be negative");
    m = std::max(m, 0);
    n = std::max(n, 0);
    const int p = layoutUnit(zoomSize);
    const std::int64_t d = std::int64_t{match.advance} - match.lead;
    const std::int64_t runBegin = match.runStart;
    const std::int64_t runEnd = runBegin + match.length;
    // Paired bases lean towards the other row so the run reads as a duplex.
    const float nudge = static_cast<float>(3 * p / 8);

    PairLayout layout;
    layout.first.resize(static_cast<std::size_t>(m));
    const float firstPaired = y0 + nudge;
    const float firstUnpaired = y0 - nudge;
    for (int i = 0; i < m; ++i) {
        const bool paired = runBegin + d <= i && i < runEnd + d;
        layout.first[static_cast<std::size_t>(i)] = {columnX(x0, i, p), paired ? firstPaired : firstUnpaired};
    }
    const float firstFiveY = m > 0 ? layout.first.front().y : firstUnpaired;
    const float firstThreeY = m > 0 ? layout.first.back().y : firstUnpaired;
    layout.firstFive = {columnX(x0, -1, p), firstFiveY};
    layout.firstThree = {columnX(x0, m, p), firstThreeY};

    // The second strand is placed from its 3' end (l = 0) leftwards-first;
    // its stored order runs from the 5' end, so base k is l = n - 1 - k.
    const float y1 = y0 + static_cast<float>(6 * p / 4);
    const float secondPaired = y1 - nudge;
    const float secondUnpaired = y1 + nudge;
    layout.second.resize(static_cast<std::size_t>(n));
    for (int l = 0; l < n; ++l) {
        const bool paired = runBegin <= l && l < runEnd;
        layout.second[static_cast<std::size_t>(n - 1 - l)] = {columnX(x0, d + l, p),
                                                              paired ? secondPaired : secondUnpaired};
    }
    const float secondThreeY = n > 0 ? layout.second.back().y : secondUnpaired;
    const float secondFiveY = n > 0 ? layout.second.front().y : secondUnpaired;
    layout.secondThree = {columnX(x0, d - 1, p), secondThreeY};
    layout.secondFive = {columnX(x0, d + n, p), secondFiveY};
    return layout;
}
