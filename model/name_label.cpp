#include "model/name_label.h"

#include "model/drawing_batch.h"
#include "platform/time_source.h"

#include <SFML/System/String.hpp>

NameLabel::NameLabel(DrawingState& drawingState, float x, float y, const std::string& initialText)
    : DraggableLabel(drawingState, x, y), lastClickTime(drawingState.clock->now()),
      creationTime(lastClickTime), outlineBox({0.f, 0.f}) {
    text.setFont(state.mainFont);
    text.setCharacterSize(static_cast<unsigned>(state.textSize));
    text.setFillColor(sf::Color::Black);
    text.setPosition(getPosition());
    setText(initialText);
}

void NameLabel::setText(const std::string& s) {
    // UTF-8 both ways, so names such as "Ü-strand" survive a round trip.
    text.setString(sf::String::fromUtf8(s.begin(), s.end()));
    outlineBox.setFillColor(sf::Color::Transparent);
    outlineBox.setOutlineColor(sf::Color::Black);
    outlineBox.setOutlineThickness(1.f);
    rescale(getPosition());
}

std::string NameLabel::getText() const {
    const auto utf8 = text.getString().toUtf8();
    return std::string(utf8.begin(), utf8.end());
}

void NameLabel::draw() {
    if (state.currentTarget) state.currentTarget->draw(text);
    if (isSelected() && state.drawingOnScreen()) state.screenTarget->draw(outlineBox);
}

void NameLabel::appendTo(DrawingBatch& batch) const {
    batch.addText(text);
    if (isSelected() && state.drawingOnScreen()) batch.addShape(outlineBox);
}

void NameLabel::moveTo(sf::Vector2f point) {
    DraggableLabel::moveTo(point);
    text.setPosition(getPosition());
    outlineBox.setPosition(getPosition());
}

void NameLabel::applyTextSize() {
    text.setCharacterSize(static_cast<unsigned>(state.textSize));
}

void NameLabel::rescale(sf::Vector2f centre) {
    DraggableLabel::rescale(centre);
    refreshShape();
}

void NameLabel::handleEvent(const sf::Event& event) {
    if (event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left) onPress();
    if (event.type == sf::Event::MouseButtonReleased && event.mouseButton.button == sf::Mouse::Left)
        onRelease();
    if (event.type == sf::Event::MouseMoved && isDragging()) moveTo(state.pointerPosition);
}

void NameLabel::onRelease() {
    stopDrag();
    if (!isUnderPointer() || state.pointerOverMenuBar) return;
    const double now = state.clock->now();
    // A label made a moment ago (say, right after a file was opened) must not
    // take the user's first clicks as a double click.
    if (now - lastClickTime < 0.5 && now - creationTime > 0.8) {
        onDoubleClick();
        return;
    }
    lastClickTime = now;
}

void NameLabel::onDoubleClick() {
    if (state.onEndLabelDoubleClick) state.onEndLabelDoubleClick(threePrimeEnd);
}

void NameLabel::refreshShape() {
    const sf::FloatRect b = text.getLocalBounds();
    text.setOrigin(b.left + b.width / 2.f, b.top + b.height / 2.f);
    outlineBox.setSize({1.1f * b.width, 1.1f * b.height});
    // The box's bounds include its outline; their centre is the box's centre.
    const sf::FloatRect o = outlineBox.getLocalBounds();
    outlineBox.setOrigin(o.left + o.width / 2.f, o.top + o.height / 2.f);
    outlineBox.setPosition(getPosition());
}
