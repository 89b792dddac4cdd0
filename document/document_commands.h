#pragma once

#include <string>

struct AppState;

// ---------------------------------------------------------------------------
// The File commands around the drawing file and the picture export.
// ---------------------------------------------------------------------------

// New: with unsaved changes, asks first (the New prompt). Otherwise empties
// the drawing, resets the zoom to 30, forgets the undo history and makes the
// document untitled.
void newDrawing(AppState& app);

// Writes the drawing to `documentPath` as it stands at zoom size 30. The
// previous file is replaced only once the new one is complete. On success
// clears `unsavedChanges`; on failure keeps it and shows a message. Returns
// whether the file was written (false for an untitled drawing).
bool writeDrawing(AppState& app);

// Open: with unsaved changes, asks first (the Open prompt). Otherwise asks for
// a file and loads it. A file that cannot be read or does not parse leaves the
// drawing as it was and shows a message naming the file and the bad field.
void openDrawing(AppState& app);

// Save: asks for a path when the drawing is untitled, then writes. Returns
// whether the drawing was written.
bool saveDrawing(AppState& app);

// Save As: always asks for a path (cancelling leaves the drawing untitled),
// then writes. Returns whether the drawing was written.
bool saveDrawingAs(AppState& app);

// Export: asks for a picture path and writes the whole drawing as a JPEG, PNG or SVG.
void exportPicture(AppState& app);

// The file dialogs: the chosen path, or "" when cancelled.
std::string showOpenDialog(AppState& app);
std::string showSaveDialog(AppState& app);
// `chosenFilter` receives 0 for JPEG, 1 for PNG, 2 for SVG.
std::string showExportDialog(AppState& app, int* chosenFilter = nullptr);

// Completes a picture path: keeps a ".jpg", ".png" or ".svg" ending in any
// letter case; otherwise appends the ending of the chosen filter (0 JPEG,
// 1 PNG, 2 SVG; anything else JPEG).
std::string pictureFileName(const std::string& path, int chosenFilter);
