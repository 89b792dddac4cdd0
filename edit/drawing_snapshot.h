#pragma once

#include "edit/view_transform.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/System/Vector2.hpp>
#include <cstddef>
#include <string>
#include <vector>

struct DrawingState;

// ---------------------------------------------------------------------------
// The content of a drawing as the undo history keeps it: everything a person
// can change (strands with their bases, end labels and colour, free labels),
// with every position in document space (see ViewTransform) so that a pan or
// a zoom leaves a snapshot as it was. Selection and active flags are not
// content.
// ---------------------------------------------------------------------------

// One strand: colour (all four components), end labels and bases from the 5' end.
struct StrandSnapshot {
    sf::Color color = sf::Color::White;
    std::string fiveText, threeText;
    sf::Vector2f fivePosition, threePosition;
    bool endLabelsVisible = true;
    std::vector<int> kinds;
    std::vector<sf::Vector2f> positions;
};

// One free label.
struct LabelSnapshot {
    std::string text;
    sf::Vector2f position;
};

// The whole drawing.
struct DrawingSnapshot {
    std::vector<StrandSnapshot> strands;
    std::vector<LabelSnapshot> labels;

    // Approximate memory the snapshot holds, in bytes.
    std::size_t byteSize() const;
};

// The drawing as it stands, mapped to document space through `view`. Strands
// without bases and labels without text are left out: the main loop sweeps
// them away at the next event, so they are never content.
DrawingSnapshot captureDrawing(const DrawingState& state, const ViewTransform& view);

// Makes the drawing's strands and labels those of `snapshot`, placed on
// screen through `view` at the current text size. With as many strands (or
// labels) as the snapshot, each is updated in place, keeping its selection
// and active flag; a strand whose bases differ is rebuilt and keeps its
// active flag. Otherwise everything is rebuilt, unselected, and only a lone
// strand is active.
void restoreDrawing(DrawingState& state, const ViewTransform& view, const DrawingSnapshot& snapshot);

// True when both hold the same strands and labels with the same texts, kinds,
// colours and flags, and positions that agree within a rounding tolerance
// (1e-3 plus a millionth of the coordinate), so that the float rounding of
// pans and zooms is not taken for an edit.
bool sameContent(const DrawingSnapshot& a, const DrawingSnapshot& b);
