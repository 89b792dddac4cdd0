#include "tests/unit/test_support.h"

#include <cstdlib>
#include <filesystem>

std::string testFontPath() {
    for (const char* candidate : {"DejaVuSans.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"})
        if (std::filesystem::exists(candidate)) return candidate;
    return "DejaVuSans.ttf";
}

const sf::Font& testFont() {
    static sf::Font font;
    static bool loaded = font.loadFromFile(testFontPath());
    (void)loaded;
    return font;
}

std::string sourceDir() {
    const char* dir = std::getenv("TAVILON_SOURCE_DIR");
    return dir ? dir : ".";
}
