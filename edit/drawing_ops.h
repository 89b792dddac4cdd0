#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

struct DrawingState;

// Destroys the one selected free label and removes it from the drawing, and
// marks the drawing changed; nothing happens when none or several are selected.
void deleteSelectedLabel(DrawingState& state);

// Sets the selected flag of every base, end label and free label. Strands'
// active flags are left alone; deselecting also ends drags.
void selectAllElements(DrawingState& state, bool selected);

// Every selected element starts following the pointer at its current offset.
void startGroupDrag(DrawingState& state);

// Moves every element of the drawing to its position minus `offset`.
void moveDrawing(DrawingState& state, sf::Vector2f offset);

// The box round every base, end label (shown or hidden) and free label, as
// left, top, width, height; (0, 0, 0, 0) for an empty drawing.
sf::FloatRect drawingBounds(const DrawingState& state);

// Destroys the one active strand and marks the drawing changed; nothing
// happens when none or several are active.
void deleteActiveStrand(DrawingState& state);
