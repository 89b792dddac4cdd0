#pragma once

#include <cstddef>
#include <string>
#include <vector>

// ---- Sequence text ----
// Text becomes bases byte by byte: only the letters G, C, A, T and U in either
// case are bases; every other byte (spaces, dashes, digits, the bytes of
// multi-byte characters, the letters of end-label texts other than these) is
// skipped wherever it stands. Kinds are G = 0, C = 1, A = 2, T = 3, U = 4.

// How many base letters (G, C, A, T, U in either case) `text` holds.
std::size_t countBaseLetters(const std::string& text);

// The base kinds of the text's base letters, in text order; empty when the
// text holds no base letter.
std::vector<int> kindsFromText(const std::string& text);

// The text's base letters only, each in upper case ("G", "C", "A", "T", "U"),
// in text order.
std::string filterSequenceText(const std::string& text);

// The text without any "|" (the drawing file's field separator); every other
// byte stays, in its order.
std::string stripSeparators(const std::string& text);
