#include "app/start_up.h"

#include "app/app_state.h"
#include "app/menu.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

#ifndef TAVILON_DATADIR
#define TAVILON_DATADIR "/usr/local/share/tavilon"
#endif

void resolvePaths(AppState& app) {
    std::error_code error;
    fs::path dir = fs::current_path(error);
    if (error) {
        std::fprintf(stderr, "_getcwd error: %s\n", error.message().c_str());
        return;
    }
    app.workingDirectory = dir.string();
    app.themePath = (dir / "objects" / "Black.conf").string();
}

namespace {

fs::path executableDirectory() {
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : exe.parent_path();
}

} // namespace

std::string findResource(const AppState& app, const std::string& relativePath) {
    std::vector<fs::path> places;
    if (!app.workingDirectory.empty()) places.push_back(fs::path(app.workingDirectory) / relativePath);
    fs::path exeDir = executableDirectory();
    if (!exeDir.empty()) places.push_back(exeDir / relativePath);
    places.push_back(fs::path(TAVILON_DATADIR) / relativePath);
    for (const fs::path& p : places) {
        std::error_code error;
        if (fs::is_regular_file(p, error)) return p.string();
    }
    return "";
}

void createMainWindow(AppState& app) {
    sf::ContextSettings settings(0, 0, 8, 2, 0);
    app.mainWindow.create(sf::VideoMode(1024, 768, 32), "Tavilon", sf::Style::Default, settings);
    app.mainWindow.setVerticalSyncEnabled(true);
    app.mainWindow.setKeyRepeatEnabled(false);
    app.currentTarget = &app.mainWindow;
    app.screenTarget = &app.mainWindow;

    // The theme is looked for under the start-up directory first; when it is
    // not there, beside the program or in the installed data folder.
    std::string theme = findResource(app, "objects/Black.conf");
    if (!theme.empty()) app.themePath = theme;

    std::string font = findResource(app, "DejaVuSans.ttf");
    if (font.empty()) {
        std::fprintf(stderr, "DejaVuSans.ttf: font not found; texts are drawn without a font\n");
    } else if (!app.mainFont.loadFromFile(font)) {
        std::fprintf(stderr, "%s: font could not be loaded\n", font.c_str());
    }

    app.gui.setTarget(app.mainWindow);
    if (!font.empty()) app.gui.setGlobalFont(font);
    app.gui.loadTheme(app.themePath);

    LoadMenuBar(app);
    addDirectionMenuItem(app);
}
