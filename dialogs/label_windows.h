#pragma once

struct AppState;

// Opens "NewLabelWindow" ("Add a new Label", 300 x 120). Create (button or
// Return) places a label with the typed text at the pointer, selected and
// following it; an empty text leaves no label. Cancel and the close button
// change nothing. Does nothing while the window is already open.
void OpenNewLabelWindow(AppState& app);

// Opens "EditLabelWindow" ("Change a Label", 300 x 120) with the one selected
// free label's text. Apply (button or Return) gives the label the box's text;
// an emptied box removes the label. Cancel and the close button change
// nothing. Does nothing without exactly one selected label or while the
// window is already open. "|" never stays in either window's box.
void OpenLabelEditWindow(AppState& app);
