#pragma once

struct AppState;

// Lets the drawing's elements open their dialogs: a double click on an end
// label opens the end labels window (with the typing going to "ThreeEditBox"
// for a 3' label), a double click on a free label opens the edit label window.
void bindElementDialogs(AppState& app);
