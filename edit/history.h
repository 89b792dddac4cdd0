#pragma once

#include "edit/drawing_snapshot.h"
#include "edit/view_transform.h"

#include <cstddef>
#include <deque>
#include <vector>

struct DrawingState;

// The undo and redo history of one drawing, kept as whole snapshots of its
// content in document space. The owner calls record() whenever an edit may
// have finished; a drawing that differs from the current step becomes a new
// step. The history also keeps the marker of the step the file holds, so
// that undoing back to it makes the drawing count as unchanged again.
class History {
  public:
    // An empty history whose current step is the empty drawing, which counts
    // as saved. Keeps at most `stepLimit` undo steps (default 200) and drops
    // the oldest ones while all snapshots together hold more than
    // `budget` bytes (default 256 MB).
    explicit History(std::size_t stepLimit = 200, std::size_t budget = std::size_t{256} << 20);

    // Forgets every step (a new or opened drawing); the next record() takes
    // the drawing as it then stands as the starting point, not as a step.
    void clear();

    // Compares the drawing with the current step. When it differs, the
    // current step goes onto the undo list, the drawing becomes the current
    // step and the redo list is dropped. While `unsavedChanges` is clear
    // (after a save or an open, or edits the editor does not count as
    // changes), the current step is marked as the one the file holds.
    // Returns true when a new step was made.
    bool record(DrawingState& state, const ViewTransform& view);

    // Records any pending edit first, then puts the drawing back to the step
    // before the current one. `unsavedChanges` becomes false exactly when
    // that is the step the file holds. Returns false when there is nothing to undo.
    bool undo(DrawingState& state, const ViewTransform& view);

    // Puts the drawing forward to the step that the last undo left; false
    // when there is none.
    bool redo(DrawingState& state, const ViewTransform& view);

    // Number of steps that undo and redo can go back and forward.
    std::size_t undoCount() const { return undoSteps.size(); }
    std::size_t redoCount() const { return redoSteps.size(); }
    // True when the current step is the one the file holds.
    bool atSavedStep() const { return current.id == savedId; }
    // Memory held by all snapshots, in bytes.
    std::size_t byteSize() const { return bytes; }
    // The current step's snapshot.
    const DrawingSnapshot& currentSnapshot() const { return current.drawing; }

  private:
    struct Step {
        DrawingSnapshot drawing;
        unsigned long id = 0;
        std::size_t bytes = 0;
    };
    Step makeStep(DrawingSnapshot drawing);
    // True when nothing in the drawing changed since the last comparison:
    // the same revision and the same strands and labels in the same order.
    bool unchangedSinceRecord(const DrawingState& state) const;
    void rememberRecorded(const DrawingState& state);
    void makeCurrent(DrawingState& state, const ViewTransform& view, Step step);
    void trim();

    std::size_t maxSteps;
    std::size_t byteBudget;
    // Oldest first; the back is the step just before the current one.
    std::deque<Step> undoSteps;
    // The back is the step just after the current one.
    std::vector<Step> redoSteps;
    Step current;
    std::size_t bytes = 0;
    unsigned long nextId = 1;
    // Id of the step the file holds; 0 when none does.
    unsigned long savedId = 0;
    bool needsBaseline = false;
    // What the drawing was when last compared with the current step.
    unsigned long recordedRevision = 0;
    std::vector<const void*> recordedElements;
    bool recordedValid = false;
};
