#pragma once

#include <SFML/Graphics/Font.hpp>
#include <string>

// The DejaVu Sans font that the editor ships with, loaded once per test program.
const sf::Font& testFont();

// Path of the DejaVu Sans file used by the tests.
std::string testFontPath();

// The source tree's top folder (from TAVILON_SOURCE_DIR, else the current folder).
std::string sourceDir();
