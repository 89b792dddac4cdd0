#pragma once

#include <string>

struct AppState;

// The short user guide: seventeen lines, each ended by a line feed.
const std::string& instructionsText();

// Opens "InstructionsWindow" ("Instructions", 600 x 380) showing the guide at
// text size 16. Closed by its title-bar button only. It does not look for an
// open copy: while any dialog is open the menu is blocked, which keeps it single.
void OpenInstructionsWindow(AppState& app);
