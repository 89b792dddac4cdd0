#pragma once

#include "model/draggable_label.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Text.hpp>
#include <string>

// A strand end label ("5'" and "3'" until renamed). A double click on it asks
// the application to open the end labels window. A selected label shows a thin
// black box round its text, on screen only.
class NameLabel : public DraggableLabel {
  public:
    // A label showing `text` (UTF-8) centred on (x, y); its age starts now.
    NameLabel(DrawingState& drawingState, float x, float y, const std::string& text);

    // Replaces the text (UTF-8) and refits the box; the centre stays put.
    void setText(const std::string& s);
    // The text as UTF-8.
    std::string getText() const;
    // True for a strand's 3' label; decides which edit box gets the focus after a double click.
    bool isThreePrimeEnd() const { return threePrimeEnd; }
    // Marks the label as a 3' label (the strand does this for its own). Default false.
    void setThreePrimeEnd(bool b) { threePrimeEnd = b; }
    // The selection box, for tests.
    const sf::RectangleShape& getOutlineBox() const { return outlineBox; }
    // The text shape itself, for tests and for measuring.
    const sf::Text& textShape() const { return text; }
    // The text's local bounds.
    sf::FloatRect getLocalBounds() const override { return text.getLocalBounds(); }

    // Draws the text, then the box when selected and drawing on screen.
    void draw() override;
    // The same into a batch; nothing when out of view.
    void appendTo(DrawingBatch& batch) const override;
    // Moves the text and its box together.
    void moveTo(sf::Vector2f point) override;
    // Rescales as any element, then refits origin and box.
    void rescale(sf::Vector2f centre) override;
    // Press grabs, release ends the drag and may complete a double click,
    // pointer moves follow the pointer while dragging.
    void handleEvent(const sf::Event& event) override;

  protected:
    // Left-button release: ends the drag, then counts the click towards a double click.
    void onRelease();
    void applyTextSize() override;

  private:
    // What a completed double click does: the end-label version asks for the end labels window.
    virtual void onDoubleClick();
    void refreshShape();

    // Time of the last single click and of construction, from state.clock.
    double lastClickTime;
    double creationTime;
    sf::Text text;
    sf::RectangleShape outlineBox;
    bool threePrimeEnd = false;
};
