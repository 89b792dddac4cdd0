#pragma once

#include "model/letter_shapes.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/System/Vector2.hpp>
#include <functional>
#include <memory>
#include <vector>

class Strand;
class Label;
class InputState;
class TimeSource;

// The values that the drawing model reads and writes while it handles events
// and draws: the drawing itself (strands and free labels), the pointer as last
// seen, the flags that pass information between the handlers of one event, the
// zoom values and the font. The application state extends this structure with
// the window, the widget layer and the document's path, so every member keeps
// one name throughout the program.
struct DrawingState {
    DrawingState();
    ~DrawingState();
    DrawingState(const DrawingState&) = delete;
    DrawingState& operator=(const DrawingState&) = delete;

    // The only font; every text of the drawing uses it.
    sf::Font mainFont;
    // Bounds, glyph and selection circle of each base letter per character
    // size, shared by every base (made from mainFont).
    LetterShapes letterShapes{mainFont};
    // Where elements draw themselves: the main window, or an off-screen
    // texture while a picture is exported.
    sf::RenderTarget* currentTarget = nullptr;
    // The main window. Selection circles and outline boxes are drawn only
    // while `currentTarget` is this target, so they never reach a picture.
    sf::RenderTarget* screenTarget = nullptr;

    // The strands of the drawing, front to back; owned.
    std::vector<std::unique_ptr<Strand>> strands;
    // The free text labels, front to back; owned.
    std::vector<std::unique_ptr<Label>> labels;

    // Pointer position in window pixels, as of the last pointer-moved event.
    sf::Vector2f pointerPosition{0.f, 0.f};
    // Previous pointer position minus the new one.
    sf::Vector2f pointerDelta{0.f, 0.f};
    // True while the pointer is over the menu bar or one of its open menus.
    bool pointerOverMenuBar = false;
    // Set when a press of this event grabbed a drawing element; cleared per event.
    bool elementGrabbed = false;
    // At the end of the current event every selected element starts dragging.
    bool groupDragRequested = false;
    // The drawing differs from its file.
    bool unsavedChanges = false;
    // Counts changes to the drawing's content: positions, sizes, letters,
    // colours, texts, shown end labels, bases added or removed. The undo
    // history compares the drawing with its last step only when this moved
    // (or the lists of strands and labels changed).
    unsigned long revision = 0;

    // Height of the menu bar in pixels.
    int menuBarHeight = 20;
    // Character size of every text in the drawing: the integer part of zoomSize.
    int textSize = 30;
    // Current zoom size; 30 is the normal size.
    float zoomSize = 30.f;
    // The zoom size that the last zoom change replaced.
    float previousZoomSize = 30.f;
    // Clipboard text is read and written 5' to 3' (true) or 3' to 5' (false).
    bool clipboardFiveToThree = true;
    // The active strand's colour when the colour window opened.
    sf::Color chosenColor = sf::Color::Black;

    // Live key and button state (Control, Shift, right button). Never null:
    // it starts as a state with nothing held, which suits model tests.
    const InputState* input;
    // Clock for double clicks. Never null: starts as a steady clock.
    const TimeSource* clock;

    // Called when an end label completes a double click; the flag tells
    // whether it was the 3' label. Empty until the application binds it.
    std::function<void(bool threePrimeEnd)> onEndLabelDoubleClick;
    // Called when a free label completes a double click.
    std::function<void()> onLabelDoubleClick;

    // True while elements draw to the screen rather than into a picture.
    bool drawingOnScreen() const { return currentTarget != nullptr && currentTarget == screenTarget; }
};
