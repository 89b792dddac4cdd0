#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Transform.hpp>
#include <SFML/System/Vector2.hpp>

class DrawingBatch;

// A black line of a strand (a link between two bases, or a connector from an
// end label to its base): a rectangle with its origin at (0, 1), turned about
// it. It keeps only position, rotation and size; a strand of 100,000 bases has
// as many lines, and a full sf::RectangleShape each would cost more than the
// bases themselves. It reads like the rectangle shape it stands for and turns
// into one where a real shape is needed.
class LinkLine {
  public:
    // A line of `size` (length, thickness) at (0, 0), not turned.
    explicit LinkLine(sf::Vector2f lineSize = {0.f, 0.f}) : size(lineSize) {}

    // Where the origin (0, 1) of the rectangle lies.
    void setPosition(sf::Vector2f p) { position = p; }
    sf::Vector2f getPosition() const { return position; }
    // Clockwise turn in degrees, kept within [0, 360) as sf::Transformable keeps it.
    void setRotation(float degrees);
    float getRotation() const { return rotation; }
    // Length and thickness.
    void setSize(sf::Vector2f s) { size = s; }
    sf::Vector2f getSize() const { return size; }
    // Always (0, 1): the line is centred on its axis for a thickness of 2.
    sf::Vector2f getOrigin() const { return {0.f, 1.f}; }
    // Always black.
    sf::Color getFillColor() const { return sf::Color::Black; }

    // The transform of the equivalent shape (same arithmetic as sf::Transformable).
    sf::Transform getTransform() const;
    // The equivalent rectangle shape, for drawing it on its own.
    sf::RectangleShape toShape() const;
    // So that code written for rectangle shapes reads a line as one.
    operator sf::RectangleShape() const { return toShape(); }
    // Adds the line's two triangles to `batch`; nothing when out of view.
    void appendTo(DrawingBatch& batch) const;

  private:
    sf::Vector2f position{0.f, 0.f};
    sf::Vector2f size;
    float rotation = 0.f;
};
