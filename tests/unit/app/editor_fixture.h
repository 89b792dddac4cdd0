#pragma once

// The whole editor as the program runs it (dialogs bound), with the few
// gestures the pipeline and undo tests share.

#include "tests/unit/dialogs/dialog_fixture.h"

#include <string>
#include <vector>

class EditorFixture : public DialogFixture {
  protected:
    // Types `keys` (capital letters) on an empty drawing, each 48 pixels right
    // of the last, and returns the strand they make.
    Strand& typeStrand(float x, float y, const std::string& keys) {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            moveTo(x + 48.f * static_cast<float>(i), y);
            key(static_cast<sf::Keyboard::Key>(sf::Keyboard::A + (keys[i] - 'A')));
        }
        return *app->strands.back();
    }

    // Where base `i` of strand `s` stands on screen.
    sf::Vector2f basePos(const Strand& s, std::size_t i) { return s.getBases()[i]->getPosition(); }

    // The letters of a strand from 5' to 3'.
    std::vector<std::string> letters(const Strand& s) {
        std::vector<std::string> out;
        for (const auto& b : s.getBases())
            out.push_back(b->getLetter());
        return out;
    }

    // One notch of the vertical wheel at the pointer; +1 zooms in, -1 out.
    void wheel(float delta) {
        sf::Event e;
        e.type = sf::Event::MouseWheelScrolled;
        e.mouseWheelScroll = {sf::Mouse::VerticalWheel, delta, static_cast<int>(app->pointerPosition.x),
                              static_cast<int>(app->pointerPosition.y)};
        send(e);
    }
};
