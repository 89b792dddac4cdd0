#pragma once

#include "model/draggable_label.h"
#include "model/element_observer.h"

#include <cstddef>
#include <vector>

// Keeps a strand's running account of its elements: how many are selected,
// which are being dragged, and which bases moved since the lines were last
// fitted. With it a pointer move costs the strand only what the dragged
// elements cost, however long the strand is.
class StrandTracker : public ElementObserver {
  public:
    // The strand's two end labels; their moves are counted apart from the bases'.
    StrandTracker(const DraggableLabel& fiveLabel, const DraggableLabel& threeLabel);
    StrandTracker(const StrandTracker&) = delete;
    StrandTracker& operator=(const StrandTracker&) = delete;

    // Attaches itself to `element` and takes account of its current flags
    // (a base may join the strand selected, dragging or freshly moved).
    void adopt(DraggableLabel& element);
    // Forgets every element, before the strand adopts them again.
    void reset();

    void elementMoved(DraggableLabel& element) override;
    void selectionChanged(DraggableLabel& element, bool selected) override;
    void draggingChanged(DraggableLabel& element, bool dragging) override;

    // Number of selected elements, end labels included.
    std::size_t selectedCount() const { return selected; }
    // The elements being dragged, in no particular order.
    const std::vector<DraggableLabel*>& draggingElements() const { return dragging; }
    // The bases that moved since clearMoves(), each once.
    const std::vector<DraggableLabel*>& movedBases() const { return moved; }
    // True when an end label moved since clearMoves().
    bool labelsMoved() const { return labelMoved; }
    // Forgets the recorded moves (the strand clears the elements' own marks).
    void clearMoves();

  private:
    const DraggableLabel* five;
    const DraggableLabel* three;
    std::size_t selected = 0;
    std::vector<DraggableLabel*> dragging;
    std::vector<DraggableLabel*> moved;
    bool labelMoved = false;
};
