#pragma once

#include <string>

struct AppState;

// Records the current directory in `workingDirectory` and derives `themePath`
// ("objects/Black.conf" under it). When the directory cannot be read, prints
// "_getcwd error" and the reason to standard error and leaves both empty.
void resolvePaths(AppState& app);

// Finds a resource file: under the start-up directory first, then beside the
// executable, then in the installed data folder. Returns "" when none exists.
std::string findResource(const AppState& app, const std::string& relativePath);

// Opens the 1024 x 768 window titled "Tavilon" (vertical sync on, key repeat
// off), points `currentTarget` at it, loads the font for the drawing and the
// widgets, applies the theme and builds the menu bar. A missing font or theme
// is reported on standard error and start-up goes on.
void createMainWindow(AppState& app);
