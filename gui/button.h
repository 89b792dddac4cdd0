#pragma once

#include "gui/widget.h"

#include <string>

namespace gui {

// A push button with a text; raises Clicked when the left button is released over it.
class Button : public Widget {
  public:
    Button() = default;
    // Sets the caption (UTF-8).
    void setText(const std::string& utf8) { text_ = utf8; }
    // The caption (UTF-8).
    std::string getText() const { return text_; }
    // The size as set, else the caption's size plus the theme's frame padding.
    sf::Vector2f getSize() const override;

  private:
    void submit(sf::Vector2f origin) override;
    std::string text_;
};

} // namespace gui
