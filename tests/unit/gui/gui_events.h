#pragma once

#include "gui/gui.h"

#include <SFML/Window/Event.hpp>
#include <string>

// Builders for the window events the tests feed to the widget layer.
namespace gui_events {

inline sf::Event moved(float x, float y) {
    sf::Event e;
    e.type = sf::Event::MouseMoved;
    e.mouseMove = {static_cast<int>(x), static_cast<int>(y)};
    return e;
}

inline sf::Event button(bool press, float x, float y) {
    sf::Event e;
    e.type = press ? sf::Event::MouseButtonPressed : sf::Event::MouseButtonReleased;
    e.mouseButton = {sf::Mouse::Left, static_cast<int>(x), static_cast<int>(y)};
    return e;
}

inline sf::Event key(bool press, sf::Keyboard::Key code) {
    sf::Event e;
    e.type = press ? sf::Event::KeyPressed : sf::Event::KeyReleased;
    e.key = {code, false, false, false, false};
    return e;
}

inline sf::Event text(sf::Uint32 unicode) {
    sf::Event e;
    e.type = sf::Event::TextEntered;
    e.text = {unicode};
    return e;
}

// Moves to the point, presses and releases the left button there.
inline void click(gui::Gui& g, float x, float y) {
    g.handleEvent(moved(x, y));
    g.handleEvent(button(true, x, y));
    g.handleEvent(button(false, x, y));
}

// Types a string of ASCII letters the way SFML reports them: key press, text, key release.
inline void type(gui::Gui& g, const std::string& s) {
    for (char c : s) {
        sf::Keyboard::Key k = sf::Keyboard::Unknown;
        if (c >= 'a' && c <= 'z') k = static_cast<sf::Keyboard::Key>(sf::Keyboard::A + (c - 'a'));
        if (c >= 'A' && c <= 'Z') k = static_cast<sf::Keyboard::Key>(sf::Keyboard::A + (c - 'A'));
        g.handleEvent(key(true, k));
        g.handleEvent(text(static_cast<unsigned char>(c)));
        g.handleEvent(key(false, k));
    }
}

inline void press(gui::Gui& g, sf::Keyboard::Key k) {
    g.handleEvent(key(true, k));
    g.handleEvent(key(false, k));
}

} // namespace gui_events
