#pragma once

#include "gui/text_widget.h"

namespace gui {

// A tick box with a text to its right; a click toggles it and raises Clicked.
class Checkbox : public TextWidget {
  public:
    Checkbox() = default;
    // Ticks the box; raises nothing.
    void check() { checked_ = true; }
    // Clears the box; raises nothing.
    void uncheck() { checked_ = false; }
    // True while the box is ticked (false at first).
    bool isChecked() const { return checked_; }
    // The size of the square box as set, else one text line plus the frame padding.
    sf::Vector2f getSize() const override;

  private:
    void submit(sf::Vector2f origin) override;
    bool checked_ = false;
};

} // namespace gui
