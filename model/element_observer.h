#pragma once

class DraggableLabel;

// Told about the changes of an element that its owner keeps account of, so the
// owner (a strand) never has to walk all its elements to learn what happened.
class ElementObserver {
  public:
    virtual ~ElementObserver() = default;
    // The element moved or changed size for the first time since its moved mark was cleared.
    virtual void elementMoved(DraggableLabel& element) = 0;
    // The element's selected flag changed to `selected`.
    virtual void selectionChanged(DraggableLabel& element, bool selected) = 0;
    // The element's dragging flag changed to `dragging`.
    virtual void draggingChanged(DraggableLabel& element, bool dragging) = 0;
};
