#include "document/document_commands.h"

#include "app/app_state.h"
#include "dialogs/message_window.h"
#include "document/drawing_file.h"
#include "document/picture_export.h"
#include "document/unsaved_changes.h"
#include "edit/view.h"
#include "model/label.h"
#include "model/strand.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <new>

namespace {

const std::vector<FileFilter>& drawingFilters() {
    static const std::vector<FileFilter> filters = {{"DNA Logic Gate Files (*.dna)", "*.dna"}};
    return filters;
}

const std::vector<FileFilter>& pictureFilters() {
    static const std::vector<FileFilter> filters = {
        {"JPEG Images (*.jpg)", "*.jpg"}, {"PNG Images (*.png)", "*.png"}, {"SVG Images (*.svg)", "*.svg"}};
    return filters;
}

// The document's file name without folder and ending, or "untitled".
std::string documentStem(const AppState& app) {
    if (app.documentPath.empty()) return "untitled";
    return std::filesystem::path(app.documentPath).stem().string();
}

} // namespace

std::string showOpenDialog(AppState& app) {
    return app.platform.files->chooseOpenPath(drawingFilters());
}

std::string showSaveDialog(AppState& app) {
    return app.platform.files->chooseSavePath(drawingFilters(), documentStem(app) + ".dna");
}

std::string showExportDialog(AppState& app, int* chosenFilter) {
    return app.platform.files->chooseSavePath(pictureFilters(), documentStem(app) + ".jpg", chosenFilter);
}

std::string pictureFileName(const std::string& path, int chosenFilter) {
    std::string ending = path.size() >= 3 ? path.substr(path.size() - 3) : path;
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ending == "jpg" || ending == "png" || ending == "svg") return path;
    if (chosenFilter == 1) return path + ".png";
    if (chosenFilter == 2) return path + ".svg";
    return path + ".jpg";
}

void newDrawing(AppState& app) {
    if (app.unsavedChanges) {
        OpenUnsavedChangesWindowNew(app);
        return;
    }
    app.strands.clear();
    app.labels.clear();
    app.history.clear();
    app.unsavedChanges = false;
    setZoom(app, 30.f, false);
    app.documentPath.clear();
}

bool writeDrawing(AppState& app) {
    if (app.documentPath.empty()) return false;
    // The file holds the drawing as it stands at zoom size 30: every position
    // is scaled exactly as a zoom to 30 would scale it, without moving
    // anything on screen.
    std::string error;
    if (!writeDrawingFile(app.documentPath, app, scaledAbout(30.f / app.zoomSize, zoomPivot(app)), error)) {
        ShowMessage(app, "Save failed", "The drawing was not saved.\n" + error);
        return false;
    }
    app.unsavedChanges = false;
    return true;
}

void openDrawing(AppState& app) {
    if (app.unsavedChanges) {
        OpenUnsavedChangesWindowOpen(app);
        return;
    }
    std::string previousPath = app.documentPath;
    app.documentPath = showOpenDialog(app);
    if (app.documentPath.empty()) return;

    // Read everything before touching the drawing: a file that cannot be
    // read or does not parse leaves the open drawing exactly as it was.
    DrawingRecords records;
    std::string error;
    if (!readDrawingFile(app.documentPath, records, error)) {
        app.documentPath = previousPath;
        ShowMessage(app, "Open failed", "The drawing was not opened.\n" + error);
        return;
    }
    std::string path = app.documentPath;
    newDrawing(app);
    app.documentPath = path;
    try {
        appendRecords(app, records);
    } catch (const std::bad_alloc&) {
        // The drawing before was saved or let go at the prompt; what was
        // built of this one goes, so that memory is left to work with.
        app.strands.clear();
        app.labels.clear();
        app.documentPath.clear();
        ShowMessage(app, "Open failed",
                    "The drawing was not opened.\n" + path + ": too large for this machine's memory");
        return;
    }
    app.unsavedChanges = false;
}

bool saveDrawing(AppState& app) {
    if (app.documentPath.empty()) app.documentPath = showSaveDialog(app);
    return !app.documentPath.empty() && writeDrawing(app);
}

bool saveDrawingAs(AppState& app) {
    app.documentPath = showSaveDialog(app);
    return !app.documentPath.empty() && writeDrawing(app);
}

void exportPicture(AppState& app) {
    int filter = 0;
    std::string path = showExportDialog(app, &filter);
    if (path.empty()) return;
    std::string error;
    if (!exportPictureFile(app, pictureFileName(path, filter), error))
        ShowMessage(app, "Export failed", "The picture was not written.\n" + error);
}
