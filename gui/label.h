#pragma once

#include "gui/text_widget.h"

namespace gui {

// A piece of text; lines are separated by line feeds. Its size follows the text
// unless one was set.
class Label : public TextWidget {
  public:
    Label() = default;
    // The size as set, else the size of the text at the label's character size.
    sf::Vector2f getSize() const override;

  private:
    void submit(sf::Vector2f origin) override;
};

} // namespace gui
