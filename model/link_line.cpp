#include "model/link_line.h"

#include "model/drawing_batch.h"

#include <SFML/Graphics/Transformable.hpp>
#include <cmath>

void LinkLine::setRotation(float degrees) {
    rotation = static_cast<float>(std::fmod(static_cast<double>(degrees), 360.0));
    if (rotation < 0.f) rotation += 360.f;
}

sf::Transform LinkLine::getTransform() const {
    // sf::Transformable's own arithmetic, so corners computed here fall where
    // the shape's would.
    sf::Transformable t;
    t.setOrigin(getOrigin());
    t.setPosition(position);
    t.setRotation(rotation);
    return t.getTransform();
}

sf::RectangleShape LinkLine::toShape() const {
    sf::RectangleShape shape(size);
    shape.setOrigin(getOrigin());
    shape.setFillColor(getFillColor());
    shape.setPosition(position);
    shape.setRotation(rotation);
    return shape;
}

void LinkLine::appendTo(DrawingBatch& batch) const {
    // However it is turned, the line stays within its length and thickness of its position.
    const float reach = std::abs(size.x) + std::abs(size.y) + 2.f;
    if (!batch.isVisible({position.x - reach, position.y - reach, 2.f * reach, 2.f * reach})) return;
    const sf::Transform t = getTransform();
    batch.addSolidQuad(t.transformPoint(0.f, 0.f), t.transformPoint(size.x, 0.f),
                       t.transformPoint(size.x, size.y), t.transformPoint(0.f, size.y), getFillColor());
}
