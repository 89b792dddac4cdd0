#pragma once

struct AppState;

// Sets the zoom size: every text takes the new size and every position is
// scaled by new / previous size about a pivot. The pivot is the pointer when
// `aroundPointer` is true; otherwise the centre of the drawing's bounds shifted
// by half the window size.
void setZoom(AppState& app, float size, bool aroundPointer);

// One step (5) larger, up to 160.
void zoomIn(AppState& app, bool aroundPointer);

// One step (5) smaller while the size is above 8, so the smallest size is 5.
void zoomOut(AppState& app, bool aroundPointer);

// Moves the drawing so the centre of its bounds lands on the window's centre.
void centerDrawing(AppState& app);
