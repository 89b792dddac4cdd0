#pragma once

#include <SFML/System/Vector2.hpp>

struct AppState;

// Sets the zoom size: every text takes the new size and every position is
// scaled by new / previous size about a pivot. The pivot is the pointer when
// `aroundPointer` is true; otherwise the centre of the drawing's bounds shifted
// by half the window size.
void setZoom(AppState& app, float size, bool aroundPointer);

// The pivot of a zoom that is not around the pointer: the centre of the
// drawing's bounds shifted by half the window size (integer halves).
sf::Vector2f zoomPivot(const AppState& app);

// One step (5) larger, up to 160.
void zoomIn(AppState& app, bool aroundPointer);

// One step (5) smaller while the size is above 8, so the smallest size is 5.
void zoomOut(AppState& app, bool aroundPointer);

// Moves the drawing so the centre of its bounds lands on the window's centre.
void centerDrawing(AppState& app);
