#pragma once

#include "model/drawing_state.h"
#include "model/element_observer.h"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>
#include <cstddef>

class DrawingBatch;

// The root of every drawing element: a text sitting at a point that can be hit
// by the pointer, selected, dragged with the left button, moved with a group and
// rescaled when the view zooms. It knows nothing of strands; a strand learns
// about moves, selection and drags through the observer it attaches. How the
// text looks (and so its bounds) is up to the kind of element.
class DraggableLabel {
  public:
    // Places the element at (x, y); not selected, not dragging.
    DraggableLabel(DrawingState& drawingState, float x, float y);
    virtual ~DraggableLabel();
    DraggableLabel(const DraggableLabel&) = delete;
    DraggableLabel& operator=(const DraggableLabel&) = delete;

    // Draws the element on its own into the current target (screen or exported picture).
    virtual void draw() = 0;
    // Adds the element's triangles to `batch`, in the same place in the
    // painting order as draw() would paint them; skips it when out of view.
    virtual void appendTo(DrawingBatch& batch) const = 0;
    // Places the element at `point` minus its drag offset.
    virtual void moveTo(sf::Vector2f point);
    // Applies the current text size and scales the position about `centre` by
    // zoomSize / previousZoomSize. With the element's own position as centre
    // only the size is refreshed.
    virtual void rescale(sf::Vector2f centre);
    // Reacts to one window event: left press grabs or deselects, left release
    // ends the drag, a pointer move while dragging follows the pointer.
    virtual void handleEvent(const sf::Event& event);

    // The text's position (the centre of the text for every element built by the program).
    sf::Vector2f getPosition() const { return position; }
    // The text's local bounds.
    virtual sf::FloatRect getLocalBounds() const = 0;
    // Pointer position minus element position at drag start; (0, 0) when not dragging.
    sf::Vector2f getDragOffset() const { return dragOffset; }
    // True while selected.
    bool isSelected() const { return selected; }
    // True while the element follows the pointer.
    bool isDragging() const { return dragging; }
    // Sets the selection; deselecting also ends a drag.
    void setSelected(bool b);
    // Same as setSelected(true).
    void select() { setSelected(true); }
    // Starts following the pointer at the current offset from it.
    void startDrag();
    // Ends a drag; does nothing while the pointer is over the menu bar.
    void stopDrag();
    // Moves the element by -d (used to translate groups).
    void shiftBack(sf::Vector2f d);
    // True when the pointer lies within the text's bounds widened by 3 pixels on each side.
    bool isUnderPointer() const;
    // True when the position lies in the rectangle, all bounds inclusive.
    bool isInRect(float minX, float minY, float maxX, float maxY) const;
    // Left-button press on the drawing: grab and select when hit, otherwise
    // deselect unless Control is held or the pointer is over the menu bar.
    void onPress();

    // ---- Bookkeeping for the owner ----
    // Reports later moves (the first since clearMoved), selection and drag
    // changes to `observer`; nullptr detaches. Default: no observer.
    void setObserver(ElementObserver* observer) { owner = observer; }
    // True when the element moved (or changed size) since clearMoved(); true after construction.
    bool hasMovedSinceFit() const { return movedSinceFit; }
    // Forgets earlier moves; the owner calls it once its lines are refitted.
    void clearMoved() { movedSinceFit = false; }
    // Slots the owner may use to find the element in its own lists (order, drag list).
    long long ownerOrderKey = 0;
    std::size_t ownerDragSlot = 0;

  protected:
    // Gives the text the drawing's current character size (state.textSize).
    virtual void applyTextSize() = 0;

    DrawingState& state;

  private:
    sf::Vector2f position;
    sf::Vector2f dragOffset{0.f, 0.f};
    bool dragging = false;
    bool selected = false;
    ElementObserver* owner = nullptr;
    bool movedSinceFit = true;
};
