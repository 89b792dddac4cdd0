#pragma once

#include "gui/widget.h"

#include <string>

namespace gui {

// A widget that shows a text of its own (a caption, a label, the words beside
// a tick box); empty at first.
class TextWidget : public Widget {
  public:
    // Sets the text (UTF-8).
    void setText(const std::string& utf8) { text_ = utf8; }
    // The text (UTF-8).
    std::string getText() const { return text_; }

  protected:
    std::string text_;
};

} // namespace gui
