#pragma once

#include "model/base_kind.h"
#include "model/drawing_state.h"
#include "model/strand.h"
#include "platform/input_state.h"
#include "platform/time_source.h"
#include "tests/unit/test_support.h"

#include <SFML/Window/Event.hpp>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// A drawing state with the real font, scripted keys and a scripted clock.
class ModelTest : public ::testing::Test {
  protected:
    ModelTest() {
        state.mainFont.loadFromFile(testFontPath());
        state.input = &input;
        state.clock = &clock;
    }

    void pointerAt(float x, float y) { state.pointerPosition = {x, y}; }

    // A strand in the drawing with one base at each point, 5' to 3'; the
    // letters default to G.
    Strand& strandAt(const std::vector<sf::Vector2f>& points, const std::string& letters = "") {
        state.strands.push_back(std::make_unique<Strand>(state));
        Strand& strand = *state.strands.back();
        for (std::size_t i = 0; i < points.size(); ++i)
            strand.addBase(
                std::make_unique<BaseObject>(state, points[i].x, points[i].y,
                                             letters.empty() ? BaseKind::G : baseKindOfLetter(letters[i])),
                i != 0);
        return strand;
    }
    // A strand of `letters` from `start`, one base every `step`.
    Strand& addStrand(const std::string& letters, sf::Vector2f start = {100.f, 100.f},
                      sf::Vector2f step = {50.f, 0.f}) {
        std::vector<sf::Vector2f> points;
        for (std::size_t i = 0; i < letters.size(); ++i)
            points.push_back(start + static_cast<float>(i) * step);
        return strandAt(points, letters);
    }
    static BaseObject& base(Strand& s, std::size_t i) { return *s.getBases()[i]; }

    static sf::Event event(sf::Event::EventType type, sf::Mouse::Button button = sf::Mouse::Left) {
        sf::Event e{};
        e.type = type;
        e.mouseButton.button = button;
        return e;
    }
    static sf::Event press(sf::Mouse::Button button = sf::Mouse::Left) {
        return event(sf::Event::MouseButtonPressed, button);
    }
    static sf::Event release() { return event(sf::Event::MouseButtonReleased); }
    static sf::Event moved() { return event(sf::Event::MouseMoved); }
    static sf::Event key(sf::Keyboard::Key code) {
        sf::Event e = event(sf::Event::KeyPressed);
        e.key.code = code;
        return e;
    }

    DrawingState state;
    ScriptedInputState input;
    ScriptedTimeSource clock;
};

// Whether a point lies within `tol` of (x, y) on both axes.
inline ::testing::AssertionResult vecNear(sf::Vector2f v, double x, double y, double tol) {
    if (std::abs(v.x - x) <= tol && std::abs(v.y - y) <= tol) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << v.x << ", " << v.y << ") is not within " << tol << " of (" << x << ", " << y << ")";
}
#define EXPECT_VEC_NEAR(actual, ex, ey, tol) EXPECT_TRUE(vecNear((actual), (ex), (ey), (tol)))
