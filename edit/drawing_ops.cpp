#include "edit/drawing_ops.h"

#include "model/drawing_state.h"
#include "model/label.h"
#include "model/selection.h"
#include "model/strand.h"

#include <algorithm>

void deleteSelectedLabel(DrawingState& state) {
    Label* label = selectedLabel(state);
    if (!label) return;
    auto& labels = state.labels;
    labels.erase(
        std::find_if(labels.begin(), labels.end(), [label](const auto& l) { return l.get() == label; }));
    // Removing a label is a change like any other; left unmarked, the program
    // would close without asking and lose the rest of the work with it.
    state.unsavedChanges = true;
}

void selectAllElements(DrawingState& state, bool selected) {
    for (auto& strand : state.strands)
        strand->setAllSelected(selected);
    for (auto& label : state.labels)
        label->setSelected(selected);
}

void startGroupDrag(DrawingState& state) {
    for (auto& strand : state.strands) {
        for (auto& base : strand->getBases())
            if (base->isSelected()) base->startDrag();
        if (strand->getFiveLabel().isSelected()) strand->getFiveLabel().startDrag();
        if (strand->getThreeLabel().isSelected()) strand->getThreeLabel().startDrag();
    }
    for (auto& label : state.labels)
        if (label->isSelected()) label->startDrag();
}

void moveDrawing(DrawingState& state, sf::Vector2f offset) {
    for (auto& strand : state.strands)
        strand->shiftBack(offset);
    for (auto& label : state.labels)
        label->shiftBack(offset);
}

namespace {

// Calls `visit` with every element of the drawing in bounds order: each
// strand's bases from the 5' end, its 5' label, its 3' label, then the labels.
template <class Visit> void forEachElement(const DrawingState& state, Visit visit) {
    for (const auto& strand : state.strands) {
        for (const auto& base : strand->getBases())
            visit(*base);
        visit(strand->getFiveLabel());
        visit(strand->getThreeLabel());
    }
    for (const auto& label : state.labels)
        visit(*label);
}

} // namespace

sf::FloatRect drawingBounds(const DrawingState& state) {
    if (state.strands.empty() && state.labels.empty()) return {0.f, 0.f, 0.f, 0.f};
    sf::Vector2f seed = state.strands.empty() ? state.labels.front()->getPosition()
                                              : state.strands.front()->getFiveLabel().getPosition();
    float maxX = seed.x, maxY = seed.y;
    forEachElement(state, [&](const DraggableLabel& e) {
        sf::Vector2f p = e.getPosition();
        sf::FloatRect b = e.getLocalBounds();
        maxX = std::max(maxX, p.x + b.left + b.width / 2.f);
        maxY = std::max(maxY, p.y + b.top + b.height / 2.f);
    });
    float minX = maxX, minY = maxY;
    forEachElement(state, [&](const DraggableLabel& e) {
        sf::Vector2f p = e.getPosition();
        sf::FloatRect b = e.getLocalBounds();
        minX = std::min(minX, p.x + b.left - b.width / 2.f);
        minY = std::min(minY, p.y + b.top - b.height / 2.f);
    });
    return {minX, minY, maxX - minX, maxY - minY};
}

void deleteActiveStrand(DrawingState& state) {
    Strand* strand = selectedStrand(state);
    if (!strand) return;
    auto& strands = state.strands;
    strands.erase(
        std::find_if(strands.begin(), strands.end(), [strand](const auto& s) { return s.get() == strand; }));
    state.unsavedChanges = true;
}
