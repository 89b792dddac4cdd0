#include "edit/drawing_snapshot.h"

#include "model/base_object.h"
#include "model/drawing_state.h"
#include "model/label.h"
#include "model/strand.h"

#include <algorithm>
#include <cmath>

std::size_t DrawingSnapshot::byteSize() const {
    std::size_t bytes = sizeof(DrawingSnapshot);
    for (const StrandSnapshot& s : strands)
        bytes += sizeof(StrandSnapshot) + s.fiveText.capacity() + s.threeText.capacity() +
                 s.kinds.capacity() * sizeof(int) + s.positions.capacity() * sizeof(sf::Vector2f);
    for (const LabelSnapshot& l : labels)
        bytes += sizeof(LabelSnapshot) + l.text.capacity();
    return bytes;
}

DrawingSnapshot captureDrawing(const DrawingState& state, const ViewTransform& view) {
    DrawingSnapshot snapshot;
    snapshot.strands.reserve(state.strands.size());
    for (const auto& strand : state.strands) {
        if (strand->isEmpty()) continue;
        StrandSnapshot s;
        s.color = strand->getColor();
        s.fiveText = strand->getFiveLabel().getText();
        s.threeText = strand->getThreeLabel().getText();
        s.fivePosition = view.toDocument(strand->getFiveLabel().getPosition());
        s.threePosition = view.toDocument(strand->getThreeLabel().getPosition());
        s.endLabelsVisible = strand->areEndLabelsVisible();
        const auto& bases = strand->getBases();
        s.kinds.reserve(bases.size());
        s.positions.reserve(bases.size());
        for (const auto& base : bases) {
            s.kinds.push_back(base->getKind());
            s.positions.push_back(view.toDocument(base->getPosition()));
        }
        snapshot.strands.push_back(std::move(s));
    }
    for (const auto& label : state.labels)
        if (!label->getText().empty())
            snapshot.labels.push_back({label->getText(), view.toDocument(label->getPosition())});
    return snapshot;
}

namespace {

std::unique_ptr<Strand> buildStrand(DrawingState& state, const ViewTransform& view, const StrandSnapshot& s) {
    auto strand = std::make_unique<Strand>(state);
    strand->setEndLabelsVisible(s.endLabelsVisible);
    for (std::size_t k = 0; k < s.kinds.size(); ++k) {
        const sf::Vector2f p = view.toScreen(s.positions[k]);
        strand->addBase(std::make_unique<BaseObject>(state, p.x, p.y, s.kinds[k]), true);
    }
    strand->setEndTexts(s.fiveText, s.threeText);
    strand->setEndPositions(view.toScreen(s.fivePosition), view.toScreen(s.threePosition));
    strand->setColor(s.color);
    return strand;
}

bool sameKinds(const Strand& strand, const StrandSnapshot& s) {
    const auto& bases = strand.getBases();
    if (bases.size() != s.kinds.size()) return false;
    for (std::size_t k = 0; k < bases.size(); ++k)
        if (bases[k]->getKind() != s.kinds[k]) return false;
    return true;
}

// Brings a strand with the same bases to the snapshot by moving what moved
// and setting what differs: far cheaper than building it again, and it keeps
// the strand's selection.
void updateStrand(Strand& strand, const ViewTransform& view, const StrandSnapshot& s) {
    const auto& bases = strand.getBases();
    for (std::size_t k = 0; k < bases.size(); ++k) {
        const sf::Vector2f p = view.toScreen(s.positions[k]);
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
            const StrandSnapshot& s = snapshot.strands[i];
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
        for (const StrandSnapshot& s : snapshot.strands) {
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
        for (const LabelSnapshot& l : snapshot.labels) {
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

bool sameStrand(const StrandSnapshot& a, const StrandSnapshot& b) {
    if (a.color != b.color || a.endLabelsVisible != b.endLabelsVisible || a.kinds != b.kinds ||
        a.fiveText != b.fiveText || a.threeText != b.threeText || !near(a.fivePosition, b.fivePosition) ||
        !near(a.threePosition, b.threePosition))
        return false;
    for (std::size_t i = 0; i < a.positions.size(); ++i)
        if (!near(a.positions[i], b.positions[i])) return false;
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
