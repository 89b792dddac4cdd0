#include "dialogs/dialog_hooks.h"

#include "app/app_state.h"
#include "dialogs/dialog_window.h"
#include "dialogs/label_windows.h"
#include "dialogs/strand_end_window.h"
#include "gui/child_window.h"
#include "gui/edit_box.h"

void bindElementDialogs(AppState& app) {
    app.onEndLabelDoubleClick = [&app](bool threePrimeEnd) {
        OpenStrandEndWindow(app);
        if (!threePrimeEnd) return;
        // The window focuses its 5' box when it opens; a double click on the
        // 3' label moves the focus on to the 3' box.
        if (gui::ChildWindow* window = findDialog(app, "StrandEndWindow")) {
            window->focus();
            if (gui::EditBox* box = window->get<gui::EditBox>("ThreeEditBox")) box->focus();
        }
    };
    app.onLabelDoubleClick = [&app] { OpenLabelEditWindow(app); };
}
