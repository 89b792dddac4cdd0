#pragma once

#include "edit/drawing_records.h"
#include "edit/view_transform.h"

struct DrawingState;

// ---------------------------------------------------------------------------
// The content of a drawing as the undo history keeps it: everything a person
// can change (strands with their bases, end labels and colour, free labels),
// with every position in document space (see ViewTransform) so that a pan or
// a zoom leaves a snapshot as it was. Selection and active flags are not
// content.
// ---------------------------------------------------------------------------

// A snapshot is the drawing's records with positions in document space.
using DrawingSnapshot = DrawingRecords;

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
