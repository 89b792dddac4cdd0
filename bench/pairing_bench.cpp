// Times the pairing search on long random strands and prints the figures.
// Usage: pairing_bench [largest length, default 100000]

#include "edit/pairing.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

std::vector<int> randomStrand(std::mt19937& random, int length) {
    std::uniform_int_distribution<int> kind(0, 4);
    std::vector<int> kinds(static_cast<std::size_t>(length));
    for (int& k : kinds)
        k = kind(random);
    return kinds;
}

void timeSearch(const char* what, const std::vector<int>& first, const std::vector<int>& second) {
    const auto start = std::chrono::steady_clock::now();
    const PairingMatch match = findPairing(first, second);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-34s %7zu x %7zu: %8.3f s  (length %d, advance %d, lead %d, runStart %d)\n", what,
                first.size(), second.size(), seconds, match.length, match.advance, match.lead,
                match.runStart);
}

} // namespace

int main(int argc, char** argv) {
    const int largest = argc > 1 ? std::atoi(argv[1]) : 100000;
    std::mt19937 random(42);

    const std::vector<int> a10k = randomStrand(random, 10000);
    const std::vector<int> b10k = randomStrand(random, 10000);
    timeSearch("random", a10k, b10k);
    // One kind only: every alignment pairs end to end (G against C).
    timeSearch("uniform (every position pairs)", std::vector<int>(10000, 0), std::vector<int>(10000, 1));
    timeSearch("nothing pairs", std::vector<int>(10000, 0), std::vector<int>(10000, 0));

    if (largest > 10000) {
        const std::vector<int> a = randomStrand(random, largest);
        const std::vector<int> b = randomStrand(random, largest);
        timeSearch("random", a, b);
    }
    return 0;
}
