#include "edit/drawing_snapshot.h"

#include "model/base_object.h"
#include "model/drawing_state.h"
#include "model/label.h"
#include "model/strand.h"

#include <algorithm>
#include <cmath>

DrawingSnapshot captureDrawing(const DrawingState& state, const ViewTransform& view) {
    return recordsOf(state, [&view](sf::Vector2f screen) { return view.toDocument(screen); });
}

namespace {

std::unique_ptr<Strand> buildStrand(DrawingState& state, const ViewTransform& view, const StrandRecord& s) {
    return strandFromRecord(state, s, [&view](sf::Vector2f document) { return view.toScreen(document); });
}

bool sameKinds(const Strand& strand, const StrandRecord& s) {
    const auto& bases = strand.getBases();
    if (bases.size() != s.bases.size()) return false;
    for (std::size_t k = 0; k < bases.size(); ++k)
        if (bases[k]->getKind() != s.bases[k].kind) return false;
    return true;
}

// Brings a strand with the same bases to the snapshot by moving what moved
// and setting what differs: far cheaper than building it again, and it keeps
// the strand's selection.
void updateStrand(Strand& strand, const ViewTransform& view, const StrandRecord& s) {
    const auto& bases = strand.getBases();
    for (std::size_t k = 0; k < bases.size(); ++k) {
        const sf::Vector2f p = view.toScreen(s.bases[k].position);
        if (bases[k]->getPosition() != p) bases[k]->moveTo(p);
    }
    if (strand.areEndLabelsVisible() != s.endLabelsVisible) strand.setEndLabelsVisible(s.endLabelsVisible);
    if (strand.getFiveLabel().getText() != s.fiveText || strand.getThreeLabel().getText() != s.threeText)
        strand.setEndTexts(s.fiveText, s.threeText);
    const sf::Vector2f five = view.toScreen(s.fivePosition), three = view.toScreen(s.threePosition);
    if (strand.getFiveLabel().getPosition() != five || strand.getThreeLabel().getPosition() != three)
        strand.setEndPositions(five, three);
    if (strand.getColor() != s.color) strand.setColor(s.color);
}

} // namespace

void restoreDrawing(DrawingState& state, const ViewTransform& view, const DrawingSnapshot& snapshot) {
    // Strands and labels that the next sweep would remove are no content.
    state.strands.erase(std::remove_if(state.strands.begin(), state.strands.end(),
                                       [](const auto& strand) { return strand->isEmpty(); }),
                        state.strands.end());
    state.labels.erase(std::remove_if(state.labels.begin(), state.labels.end(),
                                      [](const auto& label) { return label->getText().empty(); }),
                       state.labels.end());

    if (state.strands.size() == snapshot.strands.size()) {
        // The same strands: update each in place, or rebuild one whose bases
        // differ, keeping its active flag.
        for (std::size_t i = 0; i < snapshot.strands.size(); ++i) {
            const StrandRecord& s = snapshot.strands[i];
            if (sameKinds(*state.strands[i], s)) {
                updateStrand(*state.strands[i], view, s);
            } else {
                const bool active = state.strands[i]->isActive();
                state.strands[i] = buildStrand(state, view, s);
                state.strands[i]->setActive(active);
            }
            state.strands[i]->layout();
        }
    } else {
        state.strands.clear();
        for (const StrandRecord& s : snapshot.strands) {
            state.strands.push_back(buildStrand(state, view, s));
            state.strands.back()->setActive(snapshot.strands.size() == 1);
            state.strands.back()->layout();
        }
    }

    if (state.labels.size() == snapshot.labels.size()) {
        for (std::size_t i = 0; i < snapshot.labels.size(); ++i) {
            Label& label = *state.labels[i];
            const sf::Vector2f p = view.toScreen(snapshot.labels[i].position);
            if (label.getText() != snapshot.labels[i].text) label.setText(snapshot.labels[i].text);
            if (label.getPosition() != p) label.moveTo(p);
        }
    } else {
        state.labels.clear();
        for (const LabelRecord& l : snapshot.labels) {
            const sf::Vector2f p = view.toScreen(l.position);
            state.labels.push_back(std::make_unique<Label>(state, p.x, p.y, l.text));
        }
    }
}

namespace {

bool near(float a, float b) {
    return std::fabs(a - b) <= 1e-3f + 1e-6f * std::max(std::fabs(a), std::fabs(b));
}

bool near(sf::Vector2f a, sf::Vector2f b) {
    return near(a.x, b.x) && near(a.y, b.y);
}

bool sameStrand(const StrandRecord& a, const StrandRecord& b) {
    if (a.color != b.color || a.endLabelsVisible != b.endLabelsVisible || a.bases.size() != b.bases.size() ||
        a.fiveText != b.fiveText || a.threeText != b.threeText || !near(a.fivePosition, b.fivePosition) ||
        !near(a.threePosition, b.threePosition))
        return false;
    for (std::size_t i = 0; i < a.bases.size(); ++i)
        if (a.bases[i].kind != b.bases[i].kind || !near(a.bases[i].position, b.bases[i].position))
            return false;
    return true;
}

} // namespace

bool sameContent(const DrawingSnapshot& a, const DrawingSnapshot& b) {
    if (a.strands.size() != b.strands.size() || a.labels.size() != b.labels.size()) return false;
    for (std::size_t i = 0; i < a.strands.size(); ++i)
        if (!sameStrand(a.strands[i], b.strands[i])) return false;
    for (std::size_t i = 0; i < a.labels.size(); ++i)
        if (a.labels[i].text != b.labels[i].text || !near(a.labels[i].position, b.labels[i].position))
            return false;
    return true;
}
