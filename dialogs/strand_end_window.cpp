#include "dialogs/strand_end_window.h"

#include "app/app_state.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/dialog_window.h"
#include "edit/sequence_text.h"
#include "gui/child_window.h"
#include "gui/edit_box.h"
#include "model/selection.h"
#include "model/strand.h"

namespace {

const char* const kWindowName = "StrandEndWindow";

// The strand is asked for again here rather than remembered at opening: the
// Control shortcuts still act while the window is open and may have changed
// which strand is active, or deleted it.
void apply(AppState& app) {
    gui::ChildWindow* window = findDialog(app, kWindowName);
    if (!window) return;
    gui::EditBox* five = window->get<gui::EditBox>("FiveEditBox");
    gui::EditBox* three = window->get<gui::EditBox>("ThreeEditBox");
    Strand* strand = selectedStrand(app);
    if (strand && five && three) {
        const std::string fiveBefore = strand->getFiveLabel().getText();
        const std::string threeBefore = strand->getThreeLabel().getText();
        strand->setEndTexts(five->getText(), three->getText());
        // A renamed end label is part of the drawing: quitting must ask about it.
        if (strand->getFiveLabel().getText() != fiveBefore ||
            strand->getThreeLabel().getText() != threeBefore)
            app.unsavedChanges = true;
    }
    closeDialog(app, kWindowName);
}

} // namespace

void OpenStrandEndWindow(AppState& app) {
    OpenStrandEndWindow(app, EndLabelFocus::FiveBox);
}

void OpenStrandEndWindow(AppState& app, EndLabelFocus focus) {
    if (app.gui.get(kWindowName)) return;
    Strand* strand = selectedStrand(app);
    if (!strand) return;
    gui::ChildWindow* window = createDialogWindow(app, kWindowName, "Edit DNA end labels", 268, 186);
    auto onReturn = [&app] { apply(app); };
    addDialogLabel(app, *window, "FiveLabel", 20, 20, "5' End:", 20);
    gui::EditBox* five = addDialogEditBox(app, *window, "FiveEditBox", 100, 20, 128, 32,
                                          strand->getFiveLabel().getText(), onReturn, stripSeparators);
    addDialogLabel(app, *window, "ThreeLabel", 20, 72, "3' End:", 20);
    gui::EditBox* three = addDialogEditBox(app, *window, "ThreeEditBox", 100, 72, 128, 32,
                                           strand->getThreeLabel().getText(), onReturn, stripSeparators);
    addDialogButton(app, *window, 20, 124, 104, 32, "Apply", [&app] { apply(app); });
    addDialogButton(app, *window, 144, 124, 104, 32, "Cancel", [&app] { closeDialog(app, kWindowName); });
    // Only one box may ask for the focus: of two requests in the same frame
    // the widget layer honours the first.
    window->focus();
    (focus == EndLabelFocus::ThreeBox ? three : five)->focus();
}
