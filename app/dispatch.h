#pragma once

#include <SFML/Window/Event.hpp>

struct AppState;

// The widget and command step of every event: the widget layer handles the
// event first; queued menu clicks (id 0) run their commands unless a dialog is
// open, each on a freshly built menu bar; then the Control shortcuts apply (at
// any time) and, with no dialog open, the view keys.
void dispatchEvent(AppState& app, const sf::Event& event);

// The Control shortcuts of a key press (A, C, D, E, K, N, O, S, V, X).
void applyControlShortcuts(AppState& app, const sf::Event& event);

// The zoom keys and wheel, Z, R and P.
void applyViewKeys(AppState& app, const sf::Event& event);
