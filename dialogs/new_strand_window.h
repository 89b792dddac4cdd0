#pragma once

struct AppState;

// Opens "NewStrandWindow" ("Add a new DNA strand", 600 x 120), where a typed
// sequence (only G, C, A, T and U stay in the box, as capitals) becomes a new
// strand read 5' to 3' from left to right, placed at the pointer, selected and
// following it. Create and Return build it, Cancel and the close button do
// nothing. Does nothing while the window is already open.
void OpenNewStrandWindow(AppState& app);
