#pragma once

#include <string>

struct AppState;

// The version line of the About window: "Version: 0.8.0".
std::string aboutVersionLine();

// Opens "AboutWindow" ("About the Software", 416 x 476): the credits, a
// "Contact the creator!" button that opens a mail link, three logos that open
// the project's, SFML's and Dear ImGui's web pages, and the version line.
// Opening a link leaves the window open; it is closed by its title-bar button
// only. It does not look for an open copy: while any dialog is open the menu
// is blocked, which keeps it single.
void OpenAboutWindow(AppState& app);
