#pragma once

// Shared pieces of the document tests: the file format's worked example, a
// scratch folder of the test's own, and reading a file back byte for byte.

#include <SFML/Graphics/Image.hpp>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

// One strand G C A with its end labels, and one free label.
inline const char* const kExample = "S|255|255|255|5'|90|200|3'|270|200|1|G|120|200|C|168|200|A|216|200|\r\n"
                                    "L|probe|150|300|\r\n";

// The whole content of a file.
inline std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Calls fn(x, y, colour) for every pixel of the image. Pixels left
// transparent (rsvg-convert leaves those it never painted so) count as white,
// the paper they are shown on.
template <class Fn> void forEachPixel(const sf::Image& image, Fn fn) {
    for (unsigned y = 0; y < image.getSize().y; ++y)
        for (unsigned x = 0; x < image.getSize().x; ++x) {
            const sf::Color c = image.getPixel(x, y);
            fn(static_cast<int>(x), static_cast<int>(y), c.a < 255 ? sf::Color::White : c);
        }
}

// An empty folder for this process (one at a time), removed again with the object.
struct ScratchDir {
    ScratchDir() { std::filesystem::remove_all(path), std::filesystem::create_directories(path); }
    ~ScratchDir() { std::filesystem::remove_all(path); }
    std::string file(const std::string& name) const { return (path / name).string(); }
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("tavilon-doc-" + std::to_string(::getpid()));
};
