#pragma once

#include <SFML/System/Vector2.hpp>

// Where the document lies on screen: screen = document * scale + offset.
// Panning and zooming move every element on screen without changing the
// drawing; keeping their sum here lets the undo history store positions that
// pan and zoom leave alone, so neither becomes an undo step.
struct ViewTransform {
    float scale = 1.f;
    sf::Vector2f offset{0.f, 0.f};

    // The screen point of a document point.
    sf::Vector2f toScreen(sf::Vector2f document) const { return document * scale + offset; }
    // The document point under a screen point.
    sf::Vector2f toDocument(sf::Vector2f screen) const { return (screen - offset) / scale; }
    // A pan that moved every element by -d (the drawing's shiftBack).
    void panBack(sf::Vector2f d) { offset -= d; }
    // A zoom that scaled every screen position by k about `pivot`.
    void zoom(float k, sf::Vector2f pivot) {
        scale *= k;
        offset = pivot + k * (offset - pivot);
    }
    // Back to one document unit per pixel with no offset (a new drawing).
    void reset() { *this = ViewTransform(); }
};
