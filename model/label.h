#pragma once

#include "model/name_label.h"

// A free text label placed anywhere on the drawing. It looks and moves like an
// end label; a double click asks for the edit label window, and the Delete key
// empties a selected label (the main loop then removes it).
class Label : public NameLabel {
  public:
    // A free label showing `text` (UTF-8) centred on (x, y).
    Label(DrawingState& drawingState, float x, float y, const std::string& text);

    // The end-label reaction, plus Delete emptying the text while selected.
    void handleEvent(const sf::Event& event) override;

  private:
    void onDoubleClick() override;
};
