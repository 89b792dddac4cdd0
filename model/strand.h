#pragma once

#include "model/base_object.h"
#include "model/drawing_state.h"
#include "model/link_line.h"
#include "model/name_label.h"
#include "model/strand_tracker.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Window/Event.hpp>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

// One DNA strand: bases read from the 5' end (front) to the 3' end (back), the
// links between neighbouring bases, an end label at each end joined to its end
// base by a connector, and one colour.
//
// Lines (links and connectors) are refitted lazily: every element of the strand
// reports its moves, selection and drags to the strand's tracker, so layout()
// only refits the lines next to elements that moved, and an event costs next
// to nothing when nothing moved. The result is the same as refitting
// everything every time.
class Strand {
  public:
    // An empty, active strand with visible end labels "5'" and "3'" and colour white.
    explicit Strand(DrawingState& drawingState);
    ~Strand();
    Strand(const Strand&) = delete;
    Strand& operator=(const Strand&) = delete;
    // A number no other strand of this run of the program has (from 1 up), so
    // that a strand can be named without a pointer that might outlive it.
    std::uint64_t getSerial() const { return serial; }

    // ---- Building ----
    // Takes ownership of `base` and puts it at the 3' end (true) or the 5' end
    // (false), placing the end label beyond it, adding a link and giving it the
    // strand's colour. Cost does not grow with the strand's length.
    void addBase(std::unique_ptr<BaseObject> base, bool atThreeEnd);
    // Deletes every selected base with the link beside it and marks the drawing changed.
    // The lines are refitted by the next layout().
    void deleteSelectedBases();

    // ---- Read access ----
    // The bases, front = 5' end. Elements may be moved through these pointers;
    // the strand notices and refits at its next layout().
    const std::deque<std::unique_ptr<BaseObject>>& getBases() const { return bases; }
    // The links; link k joins base k and base k + 1.
    const std::deque<LinkLine>& getLinks() const { return links; }
    // The line from the 5' label to the first base.
    const LinkLine& getFiveConnector() const { return fiveConnector; }
    // The line from the 3' label to the last base.
    const LinkLine& getThreeConnector() const { return threeConnector; }
    // The 5' end label.
    NameLabel& getFiveLabel() { return fiveLabel; }
    const NameLabel& getFiveLabel() const { return fiveLabel; }
    // The 3' end label.
    NameLabel& getThreeLabel() { return threeLabel; }
    const NameLabel& getThreeLabel() const { return threeLabel; }
    // True when the strand has no base (the main loop then removes it).
    bool isEmpty() const { return bases.empty(); }
    // The kinds (BaseKind) from the 5' end to the 3' end.
    std::vector<int> kindSequence() const;
    // Whole strand as text: "5' - GCAT- 3'" read 5' to 3', "3' - TACG - 5'" read 3' to 5'.
    std::string sequenceText(bool fiveToThree) const;
    // Selected bases only, " - " on both sides; "" when no base is selected.
    std::string selectedSequenceText(bool fiveToThree) const;

    // ---- Lines ----
    // Refits the links and connectors to wherever the elements are now.
    // Does nothing on an empty strand.
    void layout();
    // Refits every line regardless of what moved (same result as layout()).
    void layoutAll();
    // True when some element moved since the last fit.
    bool isLayoutPending() const;

    // ---- Drawing and events ----
    // Draws bases, links, and (when shown) connectors and end labels into the
    // current target, in one batch, leaving out what lies outside its view.
    // Picture and screen are the same as drawEach() paints.
    void draw();
    // Adds the same, in the same order, to `batch` (which may hold other strands too).
    void appendTo(DrawingBatch& batch) const;
    // Draws the same with each element's own draw(): one draw call per letter
    // and per line. The picture is the one draw() paints; this is the reference.
    void drawEach();
    // Passes the event to each base from the 5' end, then to the shown end
    // labels (pointer moves to the dragged ones only; other than the left
    // button and pointer moves, nothing reaches them).
    void handleElementEvents(const sf::Event& event);
    // Keeps the active flag, applies letter keys, E, D, W and Delete, the Shift
    // alignment, and lays the strand out.
    void handleEvent(const sf::Event& event);

    // ---- Selection and movement ----
    // Sets the active flag; clearing it deselects every element of the strand.
    void setActive(bool b);
    // True while the strand holds (part of) the selection.
    bool isActive() const { return active; }
    // True when any base or end label (shown or hidden) is dragging.
    bool isAnyDragging() const;
    // Selects or deselects every base and both end labels.
    void setAllSelected(bool b);
    // Moves the whole strand so that its first base lands on the pointer.
    void moveFrontToPointer();
    // Moves every element by -d and lays out.
    void shiftBack(sf::Vector2f d);
    // Rescales every element about `centre` and lays out.
    void rescale(sf::Vector2f centre);

    // ---- End labels and colour ----
    // Sets the label texts (UTF-8); an empty text becomes "5'" or "3'".
    void setEndTexts(const std::string& five, const std::string& three);
    // Places the end labels.
    void setEndPositions(sf::Vector2f five, sf::Vector2f three);
    // Shows or hides end labels and connectors; hiding deselects the labels.
    void setEndLabelsVisible(bool b);
    // True while end labels are shown.
    bool areEndLabelsVisible() const { return endLabelsVisible; }
    // Flips the visibility of the end labels.
    void toggleEndLabels() { setEndLabelsVisible(!endLabelsVisible); }
    // Gives the strand and every base the colour; white shows default letter colours.
    void setColor(sf::Color c);
    // The strand's colour.
    sf::Color getColor() const { return color; }

    // ---- Layout operations (strand_layout.cpp) ----
    // Spaces the run of selected bases (or the whole strand) equally along the
    // horizontal line through its first base; marks the drawing changed.
    void spaceHorizontally(bool wholeStrand);
    // The same along the vertical line through the run's first base.
    void spaceVertically(bool wholeStrand);
    // Sets the run's inner bases on the circular arc from its first to its last
    // base through the pointer; leaves the run alone when no circle exists.
    void curveThroughPointer(bool wholeStrand);

  private:
    const std::uint64_t serial;
    // Index range [first, last] of the run; false when it is empty.
    bool findRun(bool wholeStrand, std::size_t& first, std::size_t& last) const;
    // Equal spacing of the run along the x axis, or the y axis when `vertical`.
    void spaceAlongAxis(bool wholeStrand, bool vertical);
    void applyLetterKey(const sf::Event& event);
    void alignDraggedElements();
    void fitLink(std::size_t index, float thickness);
    void fitConnectors(float thickness);
    void fitConnector(const NameLabel& label, const BaseObject& base, LinkLine& connector, float thickness);
    float lineThickness() const;
    void markClean();
    // Index of a base of this strand, from the order key the strand gives it.
    std::size_t indexOf(const DraggableLabel& base) const {
        return static_cast<std::size_t>(base.ownerOrderKey - frontKey);
    }
    // Gives every base its order key again and rebuilds the tracker's account.
    void renumberAndRecount();
    // ---- Areas for skipping what is out of view ----
    // Marks the area of the chunk holding base `index` (and the chunk whose
    // last link reaches it) for recomputing.
    void markChunkOf(std::size_t index) const;
    // Recomputes the areas of marked chunks (and of everything after a
    // renumbering or deletion), before drawing.
    void refreshChunks() const;

    DrawingState& state;
    // Declared first so that it outlives the elements that report to it.
    StrandTracker tracker;
    std::deque<std::unique_ptr<BaseObject>> bases;
    std::deque<LinkLine> links;
    LinkLine fiveConnector;
    LinkLine threeConnector;
    NameLabel fiveLabel;
    NameLabel threeLabel;
    bool active = true;
    bool endLabelsVisible = true;
    sf::Color color = sf::Color::White;

    // Order key of the front base: index = key - frontKey, so adding at the
    // 5' end does not renumber the strand.
    long long frontKey = 0;
    // The link list changed shape (deletion): every link must be refitted.
    bool relinkAll = true;
    // Thickness the lines were last fitted with; a zoom change refits them all.
    float fittedThickness = -1.f;

    // Bases in runs of kChunk: run c holds bases [c * kChunk, (c + 1) * kChunk)
    // and the links that leave them. Its area (with room for letters,
    // circles and lines) lets drawing skip a whole run that lies out of view.
    static constexpr std::size_t kChunk = 256;
    mutable std::vector<sf::FloatRect> chunkAreas;
    mutable std::vector<char> chunkStale;
    // Every area needs recomputing (bases were renumbered).
    mutable bool chunksAllStale = true;
};

// Keeps `moving` in line with `reference`: on its row while the direction from
// it to the reference lies strictly within 45 degrees of the horizontal,
// otherwise on its column. A dragged element keeps its drag offset.
void alignToNeighbour(const DraggableLabel& reference, DraggableLabel& moving);

// Euclidean distance, computed in double precision.
float distanceBetween(sf::Vector2f a, sf::Vector2f b);
