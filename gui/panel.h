#pragma once

#include "gui/widget.h"

#include <SFML/Graphics/Color.hpp>

namespace gui {

// A plain filled rectangle (a colour swatch); it takes no input.
class Panel : public Widget {
  public:
    Panel() = default;
    // Sets the fill colour (default transparent).
    void setBackgroundColor(sf::Color color) { color_ = color; }
    sf::Color getBackgroundColor() const { return color_; }

  private:
    void submit(sf::Vector2f origin) override;
    sf::Color color_ = sf::Color::Transparent;
};

} // namespace gui
