#pragma once

#include <functional>
#include <string>

struct AppState;

namespace gui {
class Button;
class ChildWindow;
class EditBox;
class Label;
} // namespace gui

// ---------------------------------------------------------------------------
// The widget kinds the dialog windows are made of, each added to a dialog,
// themed and placed in one call. Positions and sizes are pixels inside the
// window's client area; every widget keeps the theme's text size unless one
// is given.
// ---------------------------------------------------------------------------

// Adds a label under `name` at (x, y) showing `text`; its size follows the
// text. `textSize` 0 (the default) keeps the theme's size.
gui::Label* addDialogLabel(AppState& app, gui::ChildWindow& window, const std::string& name, float x, float y,
                           const std::string& text, unsigned textSize = 0);

// Adds a button under the empty name with its caption and binds `onClick`
// to its click.
gui::Button* addDialogButton(AppState& app, gui::ChildWindow& window, float x, float y, float width,
                             float height, const std::string& text, std::function<void()> onClick);

// Adds an edit box under `name` holding `text`; Return runs `onReturn`, and
// every change of its text passes the text through `filter` and writes the
// result back, so a forbidden character never stays in the box.
gui::EditBox* addDialogEditBox(AppState& app, gui::ChildWindow& window, const std::string& name, float x,
                               float y, float width, float height, const std::string& text,
                               std::function<void()> onReturn, std::string (*filter)(const std::string&));
