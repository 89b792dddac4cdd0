#include "model/strand_tracker.h"

#include <cassert>

StrandTracker::StrandTracker(const DraggableLabel& fiveLabel, const DraggableLabel& threeLabel)
    : five(&fiveLabel), three(&threeLabel) {}

void StrandTracker::adopt(DraggableLabel& element) {
    element.setObserver(this);
    if (element.isSelected()) ++selected;
    if (element.isDragging()) draggingChanged(element, true);
    if (element.hasMovedSinceFit()) elementMoved(element);
}

void StrandTracker::reset() {
    selected = 0;
    dragging.clear();
    moved.clear();
    labelMoved = false;
}

void StrandTracker::elementMoved(DraggableLabel& element) {
    if (&element == five || &element == three)
        labelMoved = true;
    else
        moved.push_back(&element);
}

void StrandTracker::selectionChanged(DraggableLabel&, bool isSelected) {
    if (isSelected) {
        ++selected;
    } else {
        assert(selected > 0 && "selection count out of step");
        --selected;
    }
}

void StrandTracker::draggingChanged(DraggableLabel& element, bool isDragging) {
    if (isDragging) {
        element.ownerDragSlot = dragging.size();
        dragging.push_back(&element);
        return;
    }
    // Swap-remove through the element's slot, so ending a group drag of a
    // whole strand stays linear.
    const std::size_t slot = element.ownerDragSlot;
    assert(slot < dragging.size() && dragging[slot] == &element && "drag list out of step");
    dragging[slot] = dragging.back();
    dragging[slot]->ownerDragSlot = slot;
    dragging.pop_back();
}

void StrandTracker::clearMoves() {
    moved.clear();
    labelMoved = false;
}
