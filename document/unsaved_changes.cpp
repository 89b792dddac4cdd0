#include "document/unsaved_changes.h"

#include "app/app_state.h"
#include "dialogs/dialog_window.h"
#include "document/document_commands.h"
#include "gui/button.h"
#include "gui/child_window.h"
#include "gui/label.h"

#include <functional>

namespace {

const char* const kPrompt = "UnsavedChangesWindow";

void cancelPrompt(AppState& app) {
    closeDialog(app, kPrompt);
    app.unsavedChanges = true;
}

gui::Button* addButton(AppState& app, gui::ChildWindow* window, const std::string& name,
                       const std::string& text, float x) {
    gui::Button* button = window->add<gui::Button>(name);
    button->load(app.themePath);
    button->setPosition(x, 70);
    button->setTextSize(16);
    button->setText(text);
    return button;
}

// "Save Changes" saves first; when that save was cancelled or failed, the
// command does not go on: the drawing stays, still marked unsaved.
void saveThen(AppState& app, const std::function<void(AppState&)>& command) {
    if (!saveDrawing(app)) {
        closeDialog(app, kPrompt);
        app.unsavedChanges = true;
        return;
    }
    command(app);
    closeDialog(app, kPrompt);
}

void bindForm(AppState& app, std::function<void(AppState&)> command) {
    gui::ChildWindow* window = findDialog(app, kPrompt);
    if (!window) return;
    if (gui::Button* keep = window->get<gui::Button>("Keep"))
        keep->bindCallback(gui::Trigger::Clicked, [&app, command] { saveThen(app, command); });
    if (gui::Button* discard = window->get<gui::Button>("Discard"))
        discard->bindCallback(gui::Trigger::Clicked, [&app, command] {
            command(app);
            closeDialog(app, kPrompt);
        });
}

} // namespace

void OpenUnsavedChangesWindow(AppState& app) {
    if (findDialog(app, kPrompt) || !app.unsavedChanges) return;
    app.unsavedChanges = false;
    gui::ChildWindow* window = createDialogWindow(app, kPrompt, "Warning", 530, 120);
    window->bindCallback(gui::Trigger::Closed, [&app] { cancelPrompt(app); });
    gui::Label* label = window->add<gui::Label>("UnsavedLabel");
    label->setPosition(100, 20);
    label->setTextSize(16);
    label->setText("There are unsaved changes to the logic gate.");
    addButton(app, window, "Keep", "Save Changes", 20);
    addButton(app, window, "Discard", "Discard Changes", 190);
    gui::Button* cancel = addButton(app, window, "Cancel", "Cancel", 360);
    cancel->bindCallback(gui::Trigger::Clicked, [&app] { cancelPrompt(app); });
}

void OpenUnsavedChangesWindowNew(AppState& app) {
    OpenUnsavedChangesWindow(app);
    bindForm(app, [](AppState& a) { newDrawing(a); });
}

void OpenUnsavedChangesWindowOpen(AppState& app) {
    OpenUnsavedChangesWindow(app);
    bindForm(app, [](AppState& a) { openDrawing(a); });
}

void OpenUnsavedChangesWindowExit(AppState& app) {
    OpenUnsavedChangesWindow(app);
    bindForm(app, [](AppState& a) { a.mainWindow.close(); });
}
