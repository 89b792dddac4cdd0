#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <string>

// The base letters as integers. The order G, C, A, T, U is the order used
// everywhere: key handling, sequence text, pairing and the file reader.
namespace BaseKind {
enum : int { G = 0, C = 1, A = 2, T = 3, U = 4 };
// Number of valid kinds (0 to Count - 1).
constexpr int Count = 5;
} // namespace BaseKind

// True for the kinds 0 to 4.
inline bool isValidBaseKind(int kind) {
    return kind >= 0 && kind < BaseKind::Count;
}

// The letter of a kind: "G", "C", "A", "T" or "U"; the empty string for any other value.
inline std::string baseLetter(int kind) {
    static const char* const letters[BaseKind::Count] = {"G", "C", "A", "T", "U"};
    return isValidBaseKind(kind) ? letters[kind] : "";
}

// The kind a letter key types (G, C, A, T or U); -1 for any other key.
inline int baseKindOfKey(sf::Keyboard::Key key) {
    switch (key) {
    case sf::Keyboard::G:
        return BaseKind::G;
    case sf::Keyboard::C:
        return BaseKind::C;
    case sf::Keyboard::A:
        return BaseKind::A;
    case sf::Keyboard::T:
        return BaseKind::T;
    case sf::Keyboard::U:
        return BaseKind::U;
    default:
        return -1;
    }
}

// The kind of an upper- or lower-case letter G, C, A, T or U; -1 for anything else.
inline int baseKindOfLetter(char letter) {
    switch (letter) {
    case 'G':
    case 'g':
        return BaseKind::G;
    case 'C':
    case 'c':
        return BaseKind::C;
    case 'A':
    case 'a':
        return BaseKind::A;
    case 'T':
    case 't':
        return BaseKind::T;
    case 'U':
    case 'u':
        return BaseKind::U;
    default:
        return -1;
    }
}

// The colour a letter shows while its base's colour is white (the default).
// Returns false, leaving `out` alone, for a kind outside 0 to 4.
inline bool defaultBaseColor(int kind, sf::Color& out) {
    static const sf::Color colors[BaseKind::Count] = {sf::Color::Blue,         // G
                                                      sf::Color::Red,          // C
                                                      sf::Color::Magenta,      // A
                                                      sf::Color::Green,        // T
                                                      sf::Color(148, 0, 211)}; // U, violet
    if (!isValidBaseKind(kind)) return false;
    out = colors[kind];
    return true;
}
