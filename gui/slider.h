#pragma once

#include "gui/widget.h"

namespace gui {

// A slider over whole numbers from a minimum to a maximum (0 to 100 unless set);
// raises ValueChanged when the user moves it.
class Slider : public Widget {
  public:
    Slider() = default;
    // Lowest value (default 0); the maximum and the value follow when they are below it.
    void setMinimum(unsigned minimum);
    // Highest value (default 100, at most 2^30); the minimum and the value follow when above it.
    void setMaximum(unsigned maximum);
    // Sets the value, clamped to [minimum, maximum]; raises nothing.
    void setValue(unsigned value);
    unsigned getMinimum() const { return minimum_; }
    unsigned getMaximum() const { return maximum_; }
    unsigned getValue() const { return value_; }
    // True: the slider runs from top to bottom; false (default): left to right.
    void setVerticalScroll(bool vertical) { vertical_ = vertical; }
    bool getVerticalScroll() const { return vertical_; }
    // The size as set, else 250 x 16 (horizontal) or 16 x 250 (vertical).
    sf::Vector2f getSize() const override;

  private:
    void submit(sf::Vector2f origin) override;

    unsigned minimum_ = 0;
    unsigned maximum_ = 100;
    unsigned value_ = 0;
    bool vertical_ = false;
};

} // namespace gui
