#include "dialogs/new_strand_window.h"

#include "app/app_state.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/dialog_window.h"
#include "edit/sequence_text.h"
#include "edit/strand_builder.h"
#include "gui/child_window.h"
#include "gui/edit_box.h"

namespace {

const char* const kWindowName = "NewStrandWindow";

void create(AppState& app) {
    gui::ChildWindow* window = findDialog(app, kWindowName);
    if (!window) return;
    gui::EditBox* box = window->get<gui::EditBox>("EditBox");
    const std::vector<int> kinds = kindsFromText(box ? box->getText() : std::string());
    buildStrand(app, kinds, true);
    // The new strand only follows the pointer until the next click; quitting
    // before that click must still ask about it.
    if (!kinds.empty()) app.unsavedChanges = true;
    closeDialog(app, kWindowName);
}

} // namespace

void OpenNewStrandWindow(AppState& app) {
    if (app.gui.get(kWindowName)) return;
    gui::ChildWindow* window = createDialogWindow(app, kWindowName, "Add a new DNA strand", 600, 120);
    addDialogLabel(app, *window, "FiveLabel", 20, 15, "5' -");
    addDialogLabel(app, *window, "ThreeLabel", 530, 15, "- 3'");
    gui::EditBox* box = addDialogEditBox(
        app, *window, "EditBox", 80, 20, 440, 32, "", [&app] { create(app); }, filterSequenceText);
    addDialogButton(app, *window, 100, 70, 150, 32, "Create", [&app] { create(app); });
    addDialogButton(app, *window, 350, 70, 150, 32, "Cancel", [&app] { closeDialog(app, kWindowName); });
    window->focus();
    box->focus();
}
