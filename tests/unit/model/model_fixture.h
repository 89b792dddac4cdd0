#pragma once

#include "model/drawing_state.h"
#include "platform/input_state.h"
#include "platform/time_source.h"
#include "tests/unit/test_support.h"

#include <SFML/Window/Event.hpp>
#include <gtest/gtest.h>

// A drawing state with the real font, scripted keys and a scripted clock.
class ModelTest : public ::testing::Test {
  protected:
    ModelTest() {
        state.mainFont.loadFromFile(testFontPath());
        state.input = &input;
        state.clock = &clock;
    }

    void pointerAt(float x, float y) { state.pointerPosition = {x, y}; }

    static sf::Event press(sf::Mouse::Button button = sf::Mouse::Left) {
        sf::Event e{};
        e.type = sf::Event::MouseButtonPressed;
        e.mouseButton.button = button;
        return e;
    }
    static sf::Event release(sf::Mouse::Button button = sf::Mouse::Left) {
        sf::Event e{};
        e.type = sf::Event::MouseButtonReleased;
        e.mouseButton.button = button;
        return e;
    }
    static sf::Event moved() {
        sf::Event e{};
        e.type = sf::Event::MouseMoved;
        return e;
    }
    static sf::Event key(sf::Keyboard::Key code) {
        sf::Event e{};
        e.type = sf::Event::KeyPressed;
        e.key.code = code;
        return e;
    }

    DrawingState state;
    ScriptedInputState input;
    ScriptedTimeSource clock;
};

#define EXPECT_VEC_NEAR(actual, ex, ey, tol)                                                                 \
    do {                                                                                                     \
        const sf::Vector2f v_ = (actual);                                                                    \
        EXPECT_NEAR(v_.x, (ex), (tol));                                                                      \
        EXPECT_NEAR(v_.y, (ey), (tol));                                                                      \
    } while (0)
