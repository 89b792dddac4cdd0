#include "edit/sequence_text.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

constexpr int notABase = -1;

// Byte to base kind, built once; a table keeps a million-letter paste to one
// load per byte.
const std::array<int, 256>& kindTable() {
    static const std::array<int, 256> table = [] {
        std::array<int, 256> t{};
        t.fill(notABase);
        const char upper[] = {'G', 'C', 'A', 'T', 'U'};
        const char lower[] = {'g', 'c', 'a', 't', 'u'};
        for (int kind = 0; kind < 5; ++kind) {
            t[static_cast<unsigned char>(upper[kind])] = kind;
            t[static_cast<unsigned char>(lower[kind])] = kind;
        }
        return t;
    }();
    return table;
}

} // namespace

std::size_t countBaseLetters(const std::string& text) {
    const auto& table = kindTable();
    std::size_t count = 0;
    for (char c : text)
        count += table[static_cast<unsigned char>(c)] != notABase;
    return count;
}

std::vector<int> kindsFromText(const std::string& text) {
    const auto& table = kindTable();
    std::vector<int> kinds;
    kinds.reserve(text.size());
    for (char c : text) {
        int kind = table[static_cast<unsigned char>(c)];
        if (kind != notABase) kinds.push_back(kind);
    }
    kinds.shrink_to_fit();
    return kinds;
}

std::string filterSequenceText(const std::string& text) {
    static const char letters[] = "GCATU";
    const auto& table = kindTable();
    std::string filtered;
    filtered.reserve(text.size());
    for (char c : text) {
        int kind = table[static_cast<unsigned char>(c)];
        if (kind != notABase) filtered.push_back(letters[kind]);
    }
    return filtered;
}

std::string stripSeparators(const std::string& text) {
    std::string stripped;
    stripped.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(stripped), [](char c) { return c != '|'; });
    return stripped;
}
