#pragma once

struct AppState;

// ---------------------------------------------------------------------------
// The prompt "There are unsaved changes to the logic gate." that New, Open
// and leaving the program show while the drawing has unsaved changes.
// ---------------------------------------------------------------------------

// Builds the prompt window "UnsavedChangesWindow" (title "Warning") with the
// buttons "Save Changes", "Discard Changes" and "Cancel", unless it is already
// showing or there are no unsaved changes. While it shows, `unsavedChanges` is
// clear; Cancel and the close button put it back.
void OpenUnsavedChangesWindow(AppState& app);

// The prompt in front of New: save and start anew, discard and start anew.
void OpenUnsavedChangesWindowNew(AppState& app);
// The prompt in front of Open: save and open, discard and open.
void OpenUnsavedChangesWindowOpen(AppState& app);
// The prompt in front of leaving the program: save and quit, discard and quit.
void OpenUnsavedChangesWindowExit(AppState& app);
