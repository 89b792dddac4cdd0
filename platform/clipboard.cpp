#include "platform/clipboard.h"

#include <SFML/System/String.hpp>
#include <SFML/Window/Clipboard.hpp>

std::string SystemClipboard::readText() {
    return sf::Clipboard::getString().toUtf8();
}

void SystemClipboard::writeText(const std::string& utf8) {
    sf::Clipboard::setString(sf::String::fromUtf8(utf8.begin(), utf8.end()));
}
