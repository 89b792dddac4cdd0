#include "edit/history.h"

#include "model/drawing_state.h"

History::History(std::size_t stepLimit, std::size_t budget) : maxSteps(stepLimit), byteBudget(budget) {
    current = makeStep(DrawingSnapshot());
    bytes = current.bytes;
    savedId = current.id;
}

History::Step History::makeStep(DrawingSnapshot drawing) {
    Step step;
    step.bytes = ::byteSize(drawing);
    step.drawing = std::move(drawing);
    step.id = nextId++;
    return step;
}

void History::clear() {
    undoSteps.clear();
    redoSteps.clear();
    bytes = current.bytes;
    needsBaseline = true;
    recordedValid = false;
}

bool History::unchangedSinceRecord(const DrawingState& state) const {
    if (!recordedValid || state.revision != recordedRevision) return false;
    if (recordedElements.size() != state.strands.size() + state.labels.size()) return false;
    std::size_t i = 0;
    for (const auto& strand : state.strands)
        if (recordedElements[i++] != strand.get()) return false;
    for (const auto& label : state.labels)
        if (recordedElements[i++] != label.get()) return false;
    return true;
}

void History::rememberRecorded(const DrawingState& state) {
    recordedRevision = state.revision;
    recordedElements.clear();
    for (const auto& strand : state.strands)
        recordedElements.push_back(strand.get());
    for (const auto& label : state.labels)
        recordedElements.push_back(label.get());
    recordedValid = true;
}

bool History::record(DrawingState& state, const ViewTransform& view) {
    // Most events change nothing; comparing a large drawing with its last
    // step would cost milliseconds each time.
    if (!needsBaseline && unchangedSinceRecord(state)) {
        if (!state.unsavedChanges) savedId = current.id;
        return false;
    }
    rememberRecorded(state);
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
    rememberRecorded(state);
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
