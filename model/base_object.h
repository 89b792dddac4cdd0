#pragma once

#include "model/draggable_label.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Text.hpp>
#include <cstdint>
#include <string>

struct LetterShape;

// One base of a strand: a single coloured letter. A selected base shows a thin
// black circle round its letter, on screen only.
//
// A drawing may hold a million bases, so a base keeps only what is its own
// (kind, colour, character size, place and flags); the letter's bounds, glyph
// and circle are the same for every base of its kind and size and come from
// the drawing's letter cache.
class BaseObject final : public DraggableLabel {
  public:
    // A base of `kind` (BaseKind) centred on (x, y), in the default colour of its letter,
    // at the drawing's current text size.
    BaseObject(DrawingState& drawingState, float x, float y, int kind);
    // Bases come from a pool of their own (see SlotPool).
    static void* operator new(std::size_t size);
    static void operator delete(void* slot, std::size_t size);

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
    // The colour the letter is painted in.
    sf::Color getFillColor() const { return fill; }
    // The letter's character size.
    unsigned getCharacterSize() const { return characterSize; }
    // The letter's local bounds, as an sf::Text of the letter reports them.
    sf::FloatRect getLocalBounds() const override;

    // The letter as a text shape (font, size, colour, origin at its centre,
    // placed on the base), built on each call: what draw() paints.
    sf::Text textShape() const;
    // The selection circle as draw() paints it, built on each call, for tests and measuring.
    sf::CircleShape getSelectionCircle() const;

    // Draws the letter, then the circle when selected and drawing on screen.
    void draw() override;
    // The same into a batch, from the cached glyph; nothing when out of view.
    void appendTo(DrawingBatch& batch) const override;

  protected:
    void applyTextSize() override;

  private:
    const LetterShape& shape() const;

    int kind;
    sf::Color color = sf::Color::White;
    // A letterless base (built with an unknown kind) is painted black, as an
    // empty text would be; a later unknown kind leaves the colour alone.
    sf::Color fill = sf::Color::Black;
    std::uint16_t characterSize;
    // The kind whose letter is shown: the last valid kind set, -1 for none yet.
    std::int8_t shownKind = -1;
};
