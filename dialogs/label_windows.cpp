#include "dialogs/label_windows.h"

#include "app/app_state.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/dialog_window.h"
#include "edit/sequence_text.h"
#include "edit/strand_builder.h"
#include "gui/child_window.h"
#include "gui/edit_box.h"
#include "model/label.h"
#include "model/selection.h"

namespace {

const char* const kNewWindowName = "NewLabelWindow";
const char* const kEditWindowName = "EditLabelWindow";

std::string boxText(gui::ChildWindow& window) {
    gui::EditBox* box = window.get<gui::EditBox>("EditBox");
    return box ? box->getText() : std::string();
}

void create(AppState& app) {
    gui::ChildWindow* window = findDialog(app, kNewWindowName);
    if (!window) return;
    const std::string text = boxText(*window);
    // Also with an empty text: everything is deselected, and the main loop's
    // sweep removes the empty label straight away.
    addLabelAtPointer(app, text);
    // The label only follows the pointer until the next click; quitting
    // before that click must still ask about it.
    if (!text.empty()) app.unsavedChanges = true;
    closeDialog(app, kNewWindowName);
}

// The label is asked for again: a Control shortcut may have changed the
// selection while the window was open.
void apply(AppState& app) {
    gui::ChildWindow* window = findDialog(app, kEditWindowName);
    if (!window) return;
    if (Label* label = selectedLabel(app)) {
        const std::string text = boxText(*window);
        if (label->getText() != text) {
            label->setText(text);
            app.unsavedChanges = true;
        }
    }
    closeDialog(app, kEditWindowName);
}

// The layout both windows share: the box, the confirm button and Cancel.
void build(AppState& app, const char* name, const char* title, const std::string& text,
           const char* confirmText, void (*confirm)(AppState&)) {
    gui::ChildWindow* window = createDialogWindow(app, name, title, 300, 120);
    gui::EditBox* box = addDialogEditBox(
        app, *window, "EditBox", 20, 20, 260, 32, text, [&app, confirm] { confirm(app); }, stripSeparators);
    addDialogButton(app, *window, 20, 70, 120, 32, confirmText, [&app, confirm] { confirm(app); });
    addDialogButton(app, *window, 160, 70, 120, 32, "Cancel", [&app, name] { closeDialog(app, name); });
    window->focus();
    box->focus();
}

} // namespace

void OpenNewLabelWindow(AppState& app) {
    if (app.gui.get(kNewWindowName)) return;
    build(app, kNewWindowName, "Add a new Label", "", "Create", create);
}

void OpenLabelEditWindow(AppState& app) {
    if (app.gui.get(kEditWindowName)) return;
    Label* label = selectedLabel(app);
    if (!label) return;
    build(app, kEditWindowName, "Change a Label", label->getText(), "Apply", apply);
}
