#pragma once

#include <SFML/Window/Event.hpp>

struct AppState;

// The widget and command step of every event: the widget layer handles the
// event first; queued menu clicks (id 0) run their commands unless a dialog is
// open, each on a freshly built menu bar; then the Control shortcuts apply (at
// any time) and, with no dialog open, the view keys.
void dispatchEvent(AppState& app, const sf::Event& event);

// The Control shortcuts of a key press (A, C, D, E, K, N, O, S, V, X; Z
// undoes, Y and Shift + Z redo).
void applyControlShortcuts(AppState& app, const sf::Event& event);

// Undo and redo of the last edit. Both do nothing (and return false) while an
// edit is in progress or when there is no step to go to.
bool undoLastEdit(AppState& app);
bool redoLastEdit(AppState& app);

// The zoom keys and wheel, Z (without Control), R and P.
void applyViewKeys(AppState& app, const sf::Event& event);
