#pragma once

#include "gui/widget.h"

#include <string>

namespace gui {

// A piece of text; lines are separated by line feeds. Its size follows the text
// unless one was set.
class Label : public Widget {
  public:
    Label() = default;
    // Sets the text (UTF-8).
    void setText(const std::string& utf8) { text_ = utf8; }
    // The text (UTF-8).
    std::string getText() const { return text_; }
    // The size as set, else the size of the text at the label's character size.
    sf::Vector2f getSize() const override;

  private:
    void submit(sf::Vector2f origin) override;
    std::string text_;
};

} // namespace gui
