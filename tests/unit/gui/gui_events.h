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

// Presses and releases a key; with a character, its text event comes in between as SFML reports it.
inline void press(gui::Gui& g, sf::Keyboard::Key code, sf::Uint32 unicode = 0) {
    sf::Event e;
    e.type = sf::Event::KeyPressed;
    e.key = {code, false, false, false, false};
    g.handleEvent(e);
    if (unicode != 0) g.handleEvent(text(unicode));
    e.type = sf::Event::KeyReleased;
    g.handleEvent(e);
}

// Types a string as SFML reports it: per character a key press (Unknown for non-letters),
// its text event and the key release.
inline void type(gui::Gui& g, const std::string& s) {
    for (char c : s) {
        const char lower = static_cast<char>(c | 0x20);
        const auto k = lower >= 'a' && lower <= 'z'
                           ? static_cast<sf::Keyboard::Key>(sf::Keyboard::A + (lower - 'a'))
                           : sf::Keyboard::Unknown;
        press(g, k, static_cast<unsigned char>(c));
    }
}

} // namespace gui_events
