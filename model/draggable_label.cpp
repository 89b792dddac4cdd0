#include "model/draggable_label.h"

#include "platform/input_state.h"

DraggableLabel::DraggableLabel(DrawingState& drawingState, float x, float y)
    : state(drawingState), position(x, y) {}

DraggableLabel::~DraggableLabel() = default;

void DraggableLabel::moveTo(sf::Vector2f point) {
    ++state.revision;
    position = point - dragOffset;
    if (movedSinceFit) return;
    movedSinceFit = true;
    if (owner) owner->elementMoved(*this);
}

void DraggableLabel::rescale(sf::Vector2f centre) {
    applyTextSize();
    // The size change alters the bounds even when the position stays, so the
    // owner's lines need refitting either way; shiftBack reports it.
    const float k = state.zoomSize / state.previousZoomSize;
    const sf::Vector2f v = centre - getPosition();
    shiftBack(k * v - v);
}

void DraggableLabel::handleEvent(const sf::Event& event) {
    if (event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left) onPress();
    if (event.type == sf::Event::MouseButtonReleased && event.mouseButton.button == sf::Mouse::Left)
        stopDrag();
    if (event.type == sf::Event::MouseMoved && dragging) moveTo(state.pointerPosition);
}

void DraggableLabel::setSelected(bool b) {
    if (b != selected) {
        selected = b;
        if (owner) owner->selectionChanged(*this, b);
    }
    if (!b) stopDrag();
}

void DraggableLabel::startDrag() {
    dragOffset = state.pointerPosition - getPosition();
    if (dragging) return;
    dragging = true;
    if (owner) owner->draggingChanged(*this, true);
}

void DraggableLabel::stopDrag() {
    // A release over the menu bar must not drop the element there; it keeps
    // following the pointer until a release happens on the canvas.
    if (!dragging || state.pointerOverMenuBar) return;
    dragOffset = {0.f, 0.f};
    dragging = false;
    if (owner) owner->draggingChanged(*this, false);
}

void DraggableLabel::shiftBack(sf::Vector2f d) {
    moveTo(getPosition() - d);
}

bool DraggableLabel::isUnderPointer() const {
    const sf::Vector2f p = getPosition();
    const sf::FloatRect bounds = getLocalBounds();
    const sf::Vector2f pointer = state.pointerPosition;
    const float halfW = bounds.width / 2.f;
    const float halfH = bounds.height / 2.f;
    return p.x - halfW - 3.f <= pointer.x && pointer.x <= p.x + halfW + 3.f &&
           p.y - halfH - 3.f <= pointer.y && pointer.y <= p.y + halfH + 3.f;
}

bool DraggableLabel::isInRect(float minX, float minY, float maxX, float maxY) const {
    const sf::Vector2f p = getPosition();
    return minX <= p.x && p.x <= maxX && minY <= p.y && p.y <= maxY;
}

void DraggableLabel::onPress() {
    const bool control = state.input->isControlHeld();
    if (isUnderPointer() && !state.pointerOverMenuBar) {
        state.elementGrabbed = true;
        // A press on an element counts as a change even if it is not moved.
        state.unsavedChanges = true;
        setSelected(true);
        startDrag();
        if (control) state.groupDragRequested = true;
    } else if (!control && !state.pointerOverMenuBar) {
        setSelected(false);
    }
}
