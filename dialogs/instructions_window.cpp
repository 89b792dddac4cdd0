#include "dialogs/instructions_window.h"

#include "app/app_state.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/dialog_window.h"
#include "gui/child_window.h"

const std::string& instructionsText() {
    static const std::string text =
        "Click a base to select it.\n"
        "Hold Control and click to select multiple bases.\n"
        "Hold left click to use the selection box\n"
        "Hold Control to move all selected bases.\n"
        "\n"
        "Press G, C, A, T, or U to add a new base or change an already selected base.\n"
        "Press E to set equal horizontal spacing between selected bases.\n"
        "Press D to set equal vertical spacing between selected bases.\n"
        "Press W to set a curve between selected bases.\n"
        "Hold Shift to keep alignment to previous base when dragging a base.\n"
        "Press Delete to remove selected base(s).\n"
        "\n"
        "Use the mouse wheel or + and - to zoom in and out.\n"
        "Press Z to reset the zoom level.\n"
        "\n"
        "Hold right click and drag to move the image.\n"
        "Press R to center the workspace.\n";
    return text;
}

void OpenInstructionsWindow(AppState& app) {
    gui::ChildWindow* window = createDialogWindow(app, "InstructionsWindow", "Instructions", 600, 380);
    addDialogLabel(app, *window, "Instructions", 8, 8, instructionsText(), 16);
}
