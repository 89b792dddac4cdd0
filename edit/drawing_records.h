#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/System/Vector2.hpp>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct DrawingState;
class Strand;

// ---------------------------------------------------------------------------
// The content of a drawing as plain values: what a file stores and what the
// undo history keeps. Selection, active flags and drags are not content.
// ---------------------------------------------------------------------------

// One strand: colour, end labels, and its bases from the 5' end.
struct StrandRecord {
    sf::Color color = sf::Color::White;
    std::string fiveText, threeText;
    sf::Vector2f fivePosition, threePosition;
    bool endLabelsVisible = true;
    struct Base {
        int kind;
        sf::Vector2f position;
    };
    std::vector<Base> bases;
};

// One free label.
struct LabelRecord {
    std::string text;
    sf::Vector2f position;
};

// The whole drawing.
struct DrawingRecords {
    std::vector<StrandRecord> strands;
    std::vector<LabelRecord> labels;
};

// Maps a position between the screen and the coordinates records keep.
using PositionMap = std::function<sf::Vector2f(sf::Vector2f)>;

// Receives a drawing's content in order, without holding it all at once: each
// strand's record without its bases, then the bases from the 5' end, then
// the end of the strand; after the strands, the free labels.
class RecordVisitor {
  public:
    virtual ~RecordVisitor() = default;
    // A strand's colour and end labels (`header.bases` is empty); `baseCount` bases follow.
    virtual void strand(const StrandRecord& header, std::size_t baseCount) = 0;
    virtual void base(const StrandRecord::Base& base) = 0;
    virtual void endStrand() = 0;
    virtual void label(const LabelRecord& label) = 0;
};

// Hands the drawing's content to `visitor`, every position passed through
// `stored`. Strands without bases and labels without text, which the main
// loop sweeps away, are no content and are left out.
void visitRecords(const DrawingState& state, const PositionMap& stored, RecordVisitor& visitor);
// Hands the content of `records` to `visitor`.
void visitRecords(const DrawingRecords& records, RecordVisitor& visitor);

// The records of the drawing, every position passed through `stored`.
// Strands without bases and labels without text, which the main loop sweeps
// away, are no content and are left out.
DrawingRecords recordsOf(const DrawingState& state, const PositionMap& stored);

// A strand built from its record, every position passed through `toScreen`:
// bases added from the 5' end, then end texts, end positions and colour.
std::unique_ptr<Strand> strandFromRecord(DrawingState& state, const StrandRecord& record,
                                         const PositionMap& toScreen);

// Approximate memory the records hold, in bytes.
std::size_t byteSize(const DrawingRecords& records);
