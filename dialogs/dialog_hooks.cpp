#include "dialogs/dialog_hooks.h"

#include "app/app_state.h"
#include "dialogs/label_windows.h"
#include "dialogs/strand_end_window.h"

void bindElementDialogs(AppState& app) {
    // The window focuses its 5' box when it opens; a double click on the 3'
    // label sends the typing to the 3' box instead.
    app.onEndLabelDoubleClick = [&app](bool threePrimeEnd) {
        OpenStrandEndWindow(app, threePrimeEnd ? EndLabelFocus::ThreeBox : EndLabelFocus::FiveBox);
    };
    app.onLabelDoubleClick = [&app] { OpenLabelEditWindow(app); };
}
