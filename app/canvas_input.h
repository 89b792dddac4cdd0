#pragma once

#include <SFML/Window/Event.hpp>

struct AppState;

// On a pointer move: `pointerDelta` = old position - new position, and
// `pointerPosition` = the event's position.
void trackPointer(AppState& app, const sf::Event& event);

// With the right button held and no dialog open, a pointer move drags the
// whole drawing along with the pointer.
void panDrawing(AppState& app, const sf::Event& event);

// A key press on a drawing without strands starts a strand; a base letter
// also gives it its first base at the pointer. Sets `newStrand`.
void startFirstStrand(AppState& app, const sf::Event& event);

// Starts, grows and ends the selection box.
void updateSelectionBox(AppState& app, const sf::Event& event);
