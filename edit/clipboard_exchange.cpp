#include "edit/clipboard_exchange.h"

#include "app/app_state.h"
#include "edit/drawing_ops.h"
#include "edit/sequence_text.h"
#include "edit/strand_builder.h"
#include "gui/child_window.h"
#include "gui/edit_box.h"
#include "model/selection.h"
#include "model/strand.h"
#include "platform/memory_size.h"

#include <cstdio>
#include <limits>

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

std::size_t longestPaste() {
    const std::uint64_t memory = physicalMemoryBytes();
    if (memory == 0) return std::numeric_limits<std::size_t>::max();
    return static_cast<std::size_t>(memory / 2 / 200);
}

bool pasteStrandText(AppState& app, std::size_t mostLetters) {
    const std::string text = app.platform.clipboard->readText();
    if (text.size() > mostLetters && countBaseLetters(text) > mostLetters) return false;
    if (gui::ChildWindow* window = app.gui.get<gui::ChildWindow>("NewStrandWindow")) {
        gui::EditBox* box = window->get<gui::EditBox>("EditBox");
        if (box && box->isFocused()) box->setText(filterSequenceText(text));
        return true;
    }
    buildStrand(app, kindsFromText(text), app.clipboardFiveToThree);
    return true;
}
