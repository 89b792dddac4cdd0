#include "dialogs/about_window.h"

#include "app/app_state.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/dialog_window.h"
#include "gui/child_window.h"
#include "gui/label.h"
#include "gui/picture.h"

#include <filesystem>
#include <system_error>

#ifndef TAVILON_DATADIR
#define TAVILON_DATADIR "/usr/local/share/tavilon"
#endif

namespace fs = std::filesystem;

namespace {

constexpr int kVersionMajor = 0;
constexpr int kVersionMinor = 8;
constexpr int kVersionPatch = 0;

// The first two lines are indented to sit roughly centred over the third.
const char* const kCredits = "     the Tavilon developers\n"
                             "              2026\n"
                             "Write to us: tavilon@example.org\n";

const char* const kMailLink = "mailto:tavilon@example.org";
const char* const kProjectPage = "https://tavilon.org/";
const char* const kSfmlPage = "https://www.sfml-dev.org/";
const char* const kImGuiPage = "https://github.com/ocornut/imgui";

// The logo under the start-up directory; an editor started from elsewhere
// finds it beside the program or in the installed data folder instead.
std::string logoPath(const AppState& app, const std::string& file) {
    const fs::path relative = fs::path("objects") / file;
    const fs::path underStart = fs::path(app.workingDirectory) / relative;
    std::vector<fs::path> places = {underStart};
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (!error) places.push_back(exe.parent_path() / relative);
    places.push_back(fs::path(TAVILON_DATADIR) / relative);
    for (const fs::path& place : places)
        if (fs::is_regular_file(place, error)) return place.string();
    return underStart.string();
}

void openLink(AppState& app, const char* link) {
    if (app.platform.links) app.platform.links->openLink(link);
}

void addLogo(AppState& app, gui::ChildWindow& window, float x, float y, const std::string& file,
             const char* link) {
    gui::Picture* picture = window.add<gui::Picture>("");
    // A missing logo leaves an empty picture; the window works without it.
    picture->load(logoPath(app, file));
    picture->setPosition(x, y);
    picture->bindCallback(gui::Trigger::Clicked, [&app, link] { openLink(app, link); });
}

} // namespace

std::string aboutVersionLine() {
    return "Version: " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionPatch);
}

void OpenAboutWindow(AppState& app) {
    gui::ChildWindow* window = createDialogWindow(app, "AboutWindow", "About the Software", 416, 476);
    addDialogLabel(app, *window, "About", 54, 16, kCredits, 16);
    addDialogButton(app, *window, 82, 90, 236, 48, "Contact the creator!",
                    [&app] { openLink(app, kMailLink); });
    addLogo(app, *window, 16, 154, "Orvologo.png", kProjectPage);
    addLogo(app, *window, 14, 350, "SFMLlogo.png", kSfmlPage);
    addLogo(app, *window, 210, 330, "ImGuilogo.png", kImGuiPage);
    addDialogLabel(app, *window, "", 148, 444, aboutVersionLine(), 16);
}
