#pragma once

struct AppState;

// Opens "StrandEndWindow" ("Edit DNA end labels", 268 x 186) for the one
// active strand, with its 5' and 3' label texts in "FiveEditBox" and
// "ThreeEditBox" ("|" never stays in either). Apply (button or Return in
// either box) sets both texts, an emptied box giving back "5'" or "3'";
// Cancel and the close button change nothing. Does nothing without exactly
// one active strand or while the window is already open.
void OpenStrandEndWindow(AppState& app);

// Which box takes the typing when the end labels window opens.
enum class EndLabelFocus { FiveBox, ThreeBox };

// The same window with the typing going to the chosen box (a double click on
// a 3' label asks for the 3' box). OpenStrandEndWindow(app) is FiveBox.
void OpenStrandEndWindow(AppState& app, EndLabelFocus focus);
