#pragma once

#include "model/draggable_label.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/Color.hpp>
#include <memory>
#include <string>

// One base of a strand: a single coloured letter. A selected base shows a thin
// black circle round its letter, on screen only.
class BaseObject : public DraggableLabel {
  public:
    // A base of `kind` (BaseKind) centred on (x, y), in the default colour of its letter.
    BaseObject(DrawingState& drawingState, float x, float y, int kind);

    // Changes the letter; the base keeps its place and the circle is refitted.
    // A kind outside 0 to 4 is stored but leaves letter and colour unchanged.
    void setKind(int k);
    // The stored kind.
    int getKind() const { return kind; }
    // "G", "C", "A", "T" or "U"; "" for a kind outside 0 to 4.
    std::string getLetter() const;
    // Stores the colour; white (all four components) shows the letter's default colour.
    void setColor(sf::Color c);
    // The stored colour (white means default).
    sf::Color getColor() const { return color; }
    // The selection circle (built on first use), for tests and measuring.
    const sf::CircleShape& getSelectionCircle() const { return circle(); }

    // Draws the letter, then the circle when selected and drawing on screen.
    void draw() override;
    // Moves the letter and its circle together.
    void moveTo(sf::Vector2f point) override;
    // Rescales as any element, then refits origin and circle to the new letter size.
    void rescale(sf::Vector2f centre) override;

  private:
    // Centres the text's origin on its bounds and fits the circle round it.
    void refreshShape();
    // The circle, built when first drawn or asked for: most bases are never
    // selected, and shaping 30-point circles dominated the cost of building a strand.
    sf::CircleShape& circle() const;

    int kind;
    mutable std::unique_ptr<sf::CircleShape> selectionCircle;
    // 1.25 times half the letter's larger side.
    float circleRadius = 0.f;
    sf::Color color = sf::Color::White;
};
