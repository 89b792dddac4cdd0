#include "model/label.h"

Label::Label(DrawingState& drawingState, float x, float y, const std::string& initialText)
    : NameLabel(drawingState, x, y, initialText) {}

void Label::handleEvent(const sf::Event& event) {
    NameLabel::handleEvent(event);
    // An emptied label is swept away by the main loop on the same pass.
    if (event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Delete && isSelected())
        setText("");
}

void Label::onDoubleClick() {
    if (state.onLabelDoubleClick) state.onLabelDoubleClick();
}
