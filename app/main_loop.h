#pragma once

#include <SFML/Window/Event.hpp>
#include <memory>

struct AppState;
class DrawingBatch;

// True while any of the eight dialog windows exists.
bool anyDialogOpen(const AppState& app);

// True while an edit is still under way: an element or group is being
// dragged, a selection box is open or a dialog window is showing. The undo
// history waits for it to end, so a drag or a dialog makes one step.
bool editInProgress(const AppState& app);

// Handles one window event through the whole pipeline: close path, resize,
// pointer tracking, widgets and commands, pan, element events, the sweeps of
// empty strands and emptied labels, the first strand of an empty drawing, the
// selection box, the strands' own keys and layout, the group drag start, and
// finally the undo history's record of any finished edit.
void processEvent(AppState& app, const sf::Event& event);

// The drawing as the window shows it now (strands, then labels), recorded
// for the drawing cache; nothing outside the window is recorded.
std::unique_ptr<DrawingBatch> recordDrawing(AppState& app);

// Draws one frame: the drawing on white through the drawing cache, the
// selection box, the widgets.
void drawFrame(AppState& app);

// Runs until the main window is closed. Drains every pending event, then
// draws a frame when something may have changed; an idle editor sleeps
// instead of spinning.
void runMainLoop(AppState& app);
