#include "edit/history.h"

#include "model/drawing_state.h"

History::History(std::size_t stepLimit, std::size_t budget) : maxSteps(stepLimit), byteBudget(budget) {
    current = makeStep(DrawingSnapshot());
    bytes = current.bytes;
    savedId = current.id;
}

History::Step History::makeStep(DrawingSnapshot drawing) {
    Step step;
    step.bytes = drawing.byteSize();
    step.drawing = std::move(drawing);
    step.id = nextId++;
    return step;
}

void History::clear() {
    undoSteps.clear();
    redoSteps.clear();
    bytes = current.bytes;
    needsBaseline = true;
}

bool History::record(DrawingState& state, const ViewTransform& view) {
    DrawingSnapshot drawing = captureDrawing(state, view);
    if (needsBaseline) {
        bytes -= current.bytes;
        current = makeStep(std::move(drawing));
        bytes += current.bytes;
        needsBaseline = false;
        savedId = state.unsavedChanges ? 0 : current.id;
        return false;
    }
    const bool changed = !sameContent(drawing, current.drawing);
    if (changed) {
        undoSteps.push_back(std::move(current));
        current = makeStep(std::move(drawing));
        bytes += current.bytes;
        for (const Step& step : redoSteps)
            bytes -= step.bytes;
        redoSteps.clear();
        trim();
    }
    // The flag is the editor's own account of whether the file holds the
    // drawing (a save clears it; Center and pans leave it alone), so a clear
    // flag marks the step the file holds.
    if (!state.unsavedChanges) savedId = current.id;
    return changed;
}

void History::makeCurrent(DrawingState& state, const ViewTransform& view, Step step) {
    current = std::move(step);
    restoreDrawing(state, view, current.drawing);
    state.unsavedChanges = current.id != savedId;
}

bool History::undo(DrawingState& state, const ViewTransform& view) {
    record(state, view);
    if (undoSteps.empty()) return false;
    Step previous = std::move(undoSteps.back());
    undoSteps.pop_back();
    redoSteps.push_back(std::move(current));
    makeCurrent(state, view, std::move(previous));
    return true;
}

bool History::redo(DrawingState& state, const ViewTransform& view) {
    // An edit made since the last undo has already dropped the redo list.
    record(state, view);
    if (redoSteps.empty()) return false;
    Step next = std::move(redoSteps.back());
    redoSteps.pop_back();
    undoSteps.push_back(std::move(current));
    makeCurrent(state, view, std::move(next));
    return true;
}

void History::trim() {
    while (!undoSteps.empty() && (undoSteps.size() > maxSteps || bytes > byteBudget)) {
        bytes -= undoSteps.front().bytes;
        undoSteps.pop_front();
    }
}
