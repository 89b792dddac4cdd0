#include "edit/clipboard_exchange.h"

#include "app/app_state.h"
#include "edit/drawing_ops.h"
#include "edit/sequence_text.h"
#include "edit/strand_builder.h"
#include "gui/child_window.h"
#include "gui/edit_box.h"
#include "model/selection.h"
#include "model/strand.h"

#include <cstdio>

void copyStrandText(AppState& app, bool selectedOnly, bool fiveToThree) {
    Strand* strand = selectedStrand(app);
    if (!strand) return;
    std::string whole = strand->sequenceText(fiveToThree);
    std::string selected = strand->selectedSequenceText(fiveToThree);
    app.platform.clipboard->writeText(selectedOnly ? selected : whole);
    std::printf("%s\n%s\n", whole.c_str(), selected.c_str());
    std::fflush(stdout);
}

void cutStrandText(AppState& app, bool selectedOnly, bool fiveToThree) {
    Strand* strand = selectedStrand(app);
    if (!strand) return;
    copyStrandText(app, selectedOnly, fiveToThree);
    if (selectedOnly)
        strand->deleteSelectedBases();
    else
        deleteActiveStrand(app);
}

void pasteStrandText(AppState& app) {
    std::string text = app.platform.clipboard->readText();
    if (gui::ChildWindow* window = app.gui.get<gui::ChildWindow>("NewStrandWindow")) {
        gui::EditBox* box = window->get<gui::EditBox>("EditBox");
        if (box && box->isFocused()) box->setText(filterSequenceText(text));
        return;
    }
    buildStrand(app, kindsFromText(text), app.clipboardFiveToThree);
}
