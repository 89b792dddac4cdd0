#pragma once

#include "gui/text_widget.h"

namespace gui {

// A push button with a text; raises Clicked when the left button is released over it.
class Button : public TextWidget {
  public:
    Button() = default;
    // The size as set, else the caption's size plus the theme's frame padding.
    sf::Vector2f getSize() const override;

  private:
    void submit(sf::Vector2f origin) override;
};

} // namespace gui
