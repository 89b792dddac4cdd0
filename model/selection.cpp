#include "model/selection.h"

#include "model/label.h"
#include "model/strand.h"

Strand* selectedStrand(DrawingState& state) {
    Strand* found = nullptr;
    int count = 0;
    for (const auto& strand : state.strands) {
        if (strand->isActive()) {
            ++count;
            found = strand.get();
        }
    }
    return count == 1 ? found : nullptr;
}

Label* selectedLabel(DrawingState& state) {
    Label* found = nullptr;
    int count = 0;
    for (const auto& label : state.labels) {
        if (label->isSelected()) {
            ++count;
            found = label.get();
        }
    }
    return count == 1 ? found : nullptr;
}
