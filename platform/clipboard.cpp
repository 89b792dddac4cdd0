#include "platform/clipboard.h"

#include <SFML/System/String.hpp>
#include <SFML/Window/Clipboard.hpp>

std::string SystemClipboard::readText() {
    const auto utf8 = sf::Clipboard::getString().toUtf8(); // bytes as sf::Uint8
    return std::string(utf8.begin(), utf8.end());
}

void SystemClipboard::writeText(const std::string& utf8) {
    sf::Clipboard::setString(sf::String::fromUtf8(utf8.begin(), utf8.end()));
}
