#pragma once

#include "gui/container.h"

#include <memory>
#include <string>

namespace gui {

// A movable window with a title bar and a close button, holding widgets placed
// in pixels inside its client area (the part below the title bar). Its position
// is the top-left corner of the title bar; its size is the client area's size.
// The close button raises Closed when an action is bound to it; otherwise the
// window removes itself from its container.
class ChildWindow : public Container {
  public:
    ChildWindow() = default;

    // Sets the text of the title bar (default "").
    void setTitle(const std::string& utf8) { title_ = utf8; }
    // The title bar's text.
    std::string getTitle() const { return title_; }

    // Moves the window's top-left corner (title bar included) to (x, y) in window pixels.
    void setPosition(float x, float y) override;
    // Sets the client area's size; the title bar comes on top of it.
    void setSize(float w, float h) override;
    // Brings the window to the front and gives it the keyboard focus.
    void focus() override;
    // True while the window has the keyboard focus.
    bool isFocused() const override { return focused_ || focusRequested_; }
    // Height of the title bar in pixels with the current theme and font.
    float titleBarHeight() const;

  private:
    void submit(sf::Vector2f origin) override;
    bool hasOwnWindow() const override { return true; }

    std::string title_;
    bool placeRequested_ = true;
    bool focusRequested_ = false;
    bool focused_ = false;
};

} // namespace gui
