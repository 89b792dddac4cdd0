#include "model/base_object.h"

#include "model/base_kind.h"

#include <algorithm>

BaseObject::BaseObject(DrawingState& drawingState, float x, float y, int kindValue)
    : DraggableLabel(drawingState, x, y), kind(kindValue) {
    setKind(kindValue);
    setColor(color);
}

void BaseObject::setKind(int k) {
    kind = k;
    if (isValidBaseKind(k)) text.setString(baseLetter(k));
    setColor(color);
    // Refits origin and circle to the new letter without moving the base.
    rescale(getPosition());
}

std::string BaseObject::getLetter() const {
    return baseLetter(kind);
}

void BaseObject::setColor(sf::Color c) {
    color = c;
    if (c != sf::Color::White) {
        text.setFillColor(c);
        return;
    }
    sf::Color standard;
    if (defaultBaseColor(kind, standard)) text.setFillColor(standard);
}

void BaseObject::draw() {
    DraggableLabel::draw();
    // The circle marks the selection for the user only; never in a picture.
    if (isSelected() && state.drawingOnScreen()) state.screenTarget->draw(circle());
}

void BaseObject::moveTo(sf::Vector2f point) {
    DraggableLabel::moveTo(point);
    if (selectionCircle) selectionCircle->setPosition(point - getDragOffset());
}

void BaseObject::rescale(sf::Vector2f centre) {
    DraggableLabel::rescale(centre);
    refreshShape();
}

void BaseObject::refreshShape() {
    const sf::FloatRect b = text.getLocalBounds();
    text.setOrigin(b.left + b.width / 2.f, b.top + b.height / 2.f);
    circleRadius = 1.25f * std::max(b.width / 2.f, b.height / 2.f);
    if (selectionCircle) circle();
}

sf::CircleShape& BaseObject::circle() const {
    if (!selectionCircle) {
        selectionCircle = std::make_unique<sf::CircleShape>(circleRadius, 30);
        selectionCircle->setFillColor(sf::Color::Transparent);
        selectionCircle->setOutlineColor(sf::Color::Black);
        selectionCircle->setOutlineThickness(1.f);
    }
    if (selectionCircle->getRadius() != circleRadius) selectionCircle->setRadius(circleRadius);
    // The circle's bounds include its outline; their centre is the circle's centre.
    const sf::FloatRect c = selectionCircle->getLocalBounds();
    selectionCircle->setOrigin(c.left + c.width / 2.f, c.top + c.height / 2.f);
    selectionCircle->setPosition(getPosition());
    return *selectionCircle;
}
