#pragma once

#include "gui/child_window.h"

#include <string>

struct AppState;

// ---------------------------------------------------------------------------
// What every dialog window shares: it is a child window of the widget layer
// under a fixed name (its existence is the record that it is open), themed,
// titled, sized and centred on the main window once, when it opens.
// ---------------------------------------------------------------------------

// Creates the child window `name` in the widget layer, loads the theme into
// it, sets its title and client size and centres it on the main window:
// x = floor(W / 2) - w / 2, y = floor(H / 2) - h / 2.
gui::ChildWindow* createDialogWindow(AppState& app, const std::string& name, const std::string& title,
                                     float width, float height);

// The open dialog window of that name, or null.
gui::ChildWindow* findDialog(AppState& app, const std::string& name);

// Removes (and destroys) the dialog window of that name, if it is open.
void closeDialog(AppState& app, const std::string& name);

// Where a child window of the given size is centred on the main window.
sf::Vector2f centredPosition(const AppState& app, sf::Vector2f size);
