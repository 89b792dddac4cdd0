// tavilon-render: renders a drawing file to a picture exactly as Export does,
// at zoom size 30 as the file stands, without opening a window. For making
// figures in batches.
#include "app/app_state.h"
#include "app/start_up.h"
#include "document/drawing_file.h"
#include "document/picture_export.h"
#include "model/strand.h"

#include <SFML/System/Err.hpp>
#include <X11/Xlib.h>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "tavilon-render: %s\n", message.c_str());
    return 1;
}

std::string lowerExtension(const std::string& path) {
    std::string ending = std::filesystem::path(path).extension().string();
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ending;
}

// SFML measures and draws text through OpenGL, and aborts the program when it
// finds no X display; asking first turns that into an ordinary error. The
// connection stays open until the program ends: an X server that sees its
// last client leave resets itself, and SFML connecting during that reset
// would abort after all.
class DisplayProbe {
  public:
    DisplayProbe() : display(XOpenDisplay(nullptr)) {}
    ~DisplayProbe() {
        if (display) XCloseDisplay(display);
    }
    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;
    // True when the display could be opened.
    bool available() const { return display != nullptr; }

  private:
    Display* display;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) return fail("usage: tavilon-render DRAWING.dna OUTPUT.png|OUTPUT.jpg|OUTPUT.svg");
    const std::string input = argv[1];
    const std::string output = argv[2];
    const std::string ending = lowerExtension(output);
    if (ending != ".png" && ending != ".jpg" && ending != ".svg")
        return fail(output + ": unknown picture type (use .png, .jpg or .svg)");

    DrawingRecords records;
    std::string error;
    if (!readDrawingFile(input, records, error)) return fail(error);
    const DisplayProbe display;
    if (!display.available()) return fail("no X display to render with (set DISPLAY, or run under xvfb-run)");

    // SFML reports its own failures on standard error; ours name the file.
    sf::err().rdbuf(nullptr);
    AppState app;
    resolvePaths(app);
    const std::string font = findResource(app, "DejaVuSans.ttf");
    if (font.empty()) return fail("DejaVuSans.ttf: font not found");
    if (!app.mainFont.loadFromFile(font)) return fail(font + ": font could not be loaded");

    // A new drawing stands at zoom size 30, the size the file's coordinates are for.
    appendRecords(app, records);
    for (auto& strand : app.strands)
        strand->layout();
    if (!exportPictureFile(app, output, error)) return fail(error);
    return 0;
}
