#include "edit/strand_builder.h"

#include "edit/drawing_ops.h"
#include "model/base_object.h"
#include "model/drawing_state.h"
#include "model/label.h"
#include "model/strand.h"

void buildStrand(DrawingState& state, const std::vector<int>& kinds, bool fiveFirst) {
    if (kinds.empty()) return;
    selectAllElements(state, false);
    auto strand = std::make_unique<Strand>(state);
    Strand& built = *strand;
    state.strands.insert(state.strands.begin(), std::move(strand));

    // The step is a fixed 48 pixels whatever the zoom; x starts at the
    // pointer's whole pixel.
    float x = static_cast<float>(static_cast<int>(state.pointerPosition.x));
    const float y = state.pointerPosition.y;
    bool first = true;
    for (int kind : kinds) {
        bool atThreeEnd = fiveFirst ? !first : first;
        built.addBase(std::make_unique<BaseObject>(state, x, y, kind), atThreeEnd);
        x += 48.f;
        first = false;
    }
    built.setActive(true);
    built.setAllSelected(true);
    state.groupDragRequested = true;
}

void addLabelAtPointer(DrawingState& state, const std::string& text) {
    selectAllElements(state, false);
    auto label = std::make_unique<Label>(state, state.pointerPosition.x, state.pointerPosition.y, text);
    label->select();
    state.labels.insert(state.labels.begin(), std::move(label));
    state.groupDragRequested = true;
}
