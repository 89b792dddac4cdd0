#include "platform/input_state.h"

#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

bool LiveInputState::isControlHeld() const {
    return sf::Keyboard::isKeyPressed(sf::Keyboard::LControl) ||
           sf::Keyboard::isKeyPressed(sf::Keyboard::RControl);
}

bool LiveInputState::isLeftShiftHeld() const {
    return sf::Keyboard::isKeyPressed(sf::Keyboard::LShift);
}

bool LiveInputState::isRightShiftHeld() const {
    return sf::Keyboard::isKeyPressed(sf::Keyboard::RShift);
}

bool LiveInputState::isRightButtonHeld() const {
    return sf::Mouse::isButtonPressed(sf::Mouse::Right);
}
