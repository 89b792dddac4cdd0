#include "model/strand.h"

#include "model/base_kind.h"
#include "model/drawing_batch.h"
#include "model/selection.h"
#include "platform/input_state.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

// Degrees from radians with the same constant the drawing has always used, so
// angles (and hence every fitted line) come out exactly as before.
float toDegrees(float radians) {
    return radians * 180.f / 3.14159f;
}

LinkLine makeLine(sf::Vector2f size) {
    return LinkLine(size);
}

} // namespace

namespace {

std::uint64_t nextSerial() {
    static std::uint64_t last = 0;
    return ++last;
}

} // namespace

Strand::Strand(DrawingState& drawingState)
    : serial(nextSerial()), state(drawingState), tracker(fiveLabel, threeLabel),
      fiveConnector(makeLine({0.f, 0.f})), threeConnector(makeLine({0.f, 0.f})),
      fiveLabel(drawingState, -100.f, -100.f, "5'"), threeLabel(drawingState, -100.f, -100.f, "3'") {
    threeLabel.setThreePrimeEnd(true);
    tracker.adopt(fiveLabel);
    tracker.adopt(threeLabel);
}

Strand::~Strand() = default;

// ---- Building ----

void Strand::addBase(std::unique_ptr<BaseObject> base, bool atThreeEnd) {
    ++state.revision;
    assert(base && "addBase needs a base");
    const float thickness = lineThickness();
    // When every line already fits, only the new link and the connectors can
    // be out of place, so building a strand stays linear in its length.
    const bool clean = !isLayoutPending() && fittedThickness == thickness;

    BaseObject& added = *base;
    if (atThreeEnd) {
        added.ownerOrderKey = frontKey + static_cast<long long>(bases.size());
        bases.push_back(std::move(base));
        markChunkOf(bases.size() - 1);
    } else {
        added.ownerOrderKey = --frontKey;
        bases.push_front(std::move(base));
        // Every base moved up one place, so every run changed.
        chunksAllStale = true;
    }
    tracker.adopt(added);

    if (bases.size() > 1) {
        // The end label goes beyond the new end, continuing the direction from
        // its neighbour, 2.5 letter sizes away.
        const sf::FloatRect b = added.getLocalBounds();
        const sf::Vector2f e = added.getPosition();
        const sf::Vector2f n = atThreeEnd ? bases[bases.size() - 2]->getPosition() : bases[1]->getPosition();
        if (!atThreeEnd) {
            const float theta = std::atan2(e.y - n.y, e.x - n.x);
            fiveLabel.moveTo(
                {e.x + std::cos(theta) * b.width * 2.5f, e.y + std::sin(theta) * b.height * 2.5f});
        } else {
            const float theta = std::atan2(n.y - e.y, n.x - e.x);
            threeLabel.moveTo(
                {e.x - std::cos(theta) * b.width * 2.5f, e.y - std::sin(theta) * b.height * 2.5f});
        }
        if (atThreeEnd)
            links.push_back(makeLine({100.f, 2.f}));
        else
            links.push_front(makeLine({100.f, 2.f}));
    } else {
        // A lone base: labels on either side. Text read 3' to 5' is built from
        // the right, so its first base gets the labels the other way round.
        const sf::FloatRect b = added.getLocalBounds();
        const sf::Vector2f p = added.getPosition();
        const float c = b.left + b.width / 2.f;
        const sf::Vector2f left{p.x - c - 32.f, p.y};
        const sf::Vector2f right{p.x + c + 32.f, p.y};
        fiveLabel.moveTo(atThreeEnd ? right : left);
        threeLabel.moveTo(atThreeEnd ? left : right);
    }
    added.setColor(color);

    if (!clean) {
        layout();
        return;
    }
    if (bases.size() > 1) fitLink(atThreeEnd ? links.size() - 1 : 0, thickness);
    fitConnectors(thickness);
    markClean();
}

void Strand::deleteSelectedBases() {
    ++state.revision;
    state.unsavedChanges = true;
    const std::size_t n = bases.size();
    if (n == 0) return;
    // Mark first, then compact in one pass: erasing from the middle of a deque
    // one by one would make deleting a long selection quadratic.
    std::vector<char> dropBase(n, 0);
    std::vector<char> dropLink(links.size(), 0);
    std::size_t remaining = n;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (bases[i]->isSelected()) {
            // A deleted base takes the link to its successor with it.
            dropBase[i] = 1;
            dropLink[i] = 1;
            --remaining;
        }
    }
    if (bases[n - 1]->isSelected()) {
        if (remaining > 1) {
            // The last base takes the last remaining link.
            for (std::size_t i = links.size(); i-- > 0;) {
                if (!dropLink[i]) {
                    dropLink[i] = 1;
                    break;
                }
            }
        }
        dropBase[n - 1] = 1;
    }

    std::size_t kept = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (!dropBase[i]) bases[kept++] = std::move(bases[i]);
    bases.erase(bases.begin() + static_cast<std::ptrdiff_t>(kept), bases.end());
    kept = 0;
    for (std::size_t i = 0; i < dropLink.size(); ++i)
        if (!dropLink[i]) links[kept++] = links[i];
    links.erase(links.begin() + static_cast<std::ptrdiff_t>(kept), links.end());
    renumberAndRecount();
    // Neighbours changed; every link is refitted by the next layout().
    relinkAll = true;
}

void Strand::renumberAndRecount() {
    tracker.reset();
    frontKey = 0;
    long long key = 0;
    for (const auto& base : bases) {
        base->ownerOrderKey = key++;
        tracker.adopt(*base);
    }
    tracker.adopt(fiveLabel);
    tracker.adopt(threeLabel);
}

// ---- Read access ----

std::vector<int> Strand::kindSequence() const {
    std::vector<int> kinds;
    kinds.reserve(bases.size());
    for (const auto& base : bases)
        kinds.push_back(base->getKind());
    return kinds;
}

std::string Strand::sequenceText(bool fiveToThree) const {
    std::string letters;
    letters.reserve(bases.size());
    if (fiveToThree) {
        for (const auto& base : bases)
            letters += base->getLetter();
        // The 5' to 3' form has always had no space before its closing hyphen;
        // pasted text is read by its letters only, so both forms read back.
        return fiveLabel.getText() + " - " + letters + "- " + threeLabel.getText();
    }
    for (auto it = bases.rbegin(); it != bases.rend(); ++it)
        letters += (*it)->getLetter();
    return threeLabel.getText() + " - " + letters + " - " + fiveLabel.getText();
}

std::string Strand::selectedSequenceText(bool fiveToThree) const {
    std::string letters;
    bool any = false;
    if (fiveToThree) {
        for (const auto& base : bases)
            if (base->isSelected()) {
                letters += base->getLetter();
                any = true;
            }
    } else {
        for (auto it = bases.rbegin(); it != bases.rend(); ++it)
            if ((*it)->isSelected()) {
                letters += (*it)->getLetter();
                any = true;
            }
    }
    if (!any) return "";
    if (fiveToThree) return fiveLabel.getText() + " - " + letters + " - " + threeLabel.getText();
    return threeLabel.getText() + " - " + letters + " - " + fiveLabel.getText();
}

// ---- Lines ----

float Strand::lineThickness() const {
    return std::max(1.f, state.zoomSize / 15.f);
}

bool Strand::isLayoutPending() const {
    return relinkAll || tracker.labelsMoved() || !tracker.movedBases().empty();
}

void Strand::markClean() {
    for (DraggableLabel* base : tracker.movedBases())
        base->clearMoved();
    fiveLabel.clearMoved();
    threeLabel.clearMoved();
    tracker.clearMoves();
    relinkAll = false;
    fittedThickness = lineThickness();
}

void Strand::layout() {
    const float thickness = lineThickness();
    if (bases.empty()) {
        // Nothing to fit; a first base fits the connectors itself.
        markClean();
        return;
    }
    if (thickness != fittedThickness) relinkAll = true;
    if (!isLayoutPending()) return;

    const std::size_t n = bases.size();
    if (relinkAll) {
        chunksAllStale = true;
        for (std::size_t i = 0; i + 1 < n; ++i)
            fitLink(i, thickness);
        for (const auto& base : bases)
            base->clearMoved();
        tracker.clearMoves();
    } else {
        // Only the links touching a moved base can have changed.
        for (const DraggableLabel* base : tracker.movedBases()) {
            const std::size_t i = indexOf(*base);
            markChunkOf(i);
            if (i > 0) fitLink(i - 1, thickness);
            if (i + 1 < n) fitLink(i, thickness);
        }
    }
    fitConnectors(thickness);
    markClean();
}

void Strand::layoutAll() {
    relinkAll = true;
    layout();
}

void Strand::fitLink(std::size_t index, float thickness) {
    const BaseObject& p = *bases[index];
    const BaseObject& c = *bases[index + 1];
    const sf::Vector2f pp = p.getPosition();
    const sf::Vector2f cp = c.getPosition();
    const sf::FloatRect pb = p.getLocalBounds();
    const sf::FloatRect cb = c.getLocalBounds();
    // The link runs from just outside C's letter to just outside P's letter.
    const float theta = std::atan2(pp.y - cp.y, pp.x - cp.x);
    const sf::Vector2f a{pp.x - std::cos(theta) * pb.width * 3.f / 5.f,
                         pp.y - std::sin(theta) * pb.height * 3.f / 4.f};
    const sf::Vector2f b{cp.x + std::cos(theta) * cb.width * 3.f / 5.f,
                         cp.y + std::sin(theta) * cb.height * 3.f / 4.f};
    LinkLine& link = links[index];
    link.setPosition(b);
    link.setRotation(toDegrees(theta));
    link.setSize({distanceBetween(a, b), thickness});
}

void Strand::fitConnectors(float thickness) {
    fitConnector(fiveLabel, *bases.front(), fiveConnector, thickness);
    fitConnector(threeLabel, *bases.back(), threeConnector, thickness);
}

void Strand::fitConnector(const NameLabel& label, const BaseObject& base, LinkLine& connector,
                          float thickness) {
    const sf::Vector2f np = label.getPosition();
    const sf::Vector2f fp = base.getPosition();
    const sf::FloatRect nb = label.getLocalBounds();
    const sf::FloatRect fb = base.getLocalBounds();
    const float wN = nb.width;
    const float hN = nb.height;
    // gamma: angle of the label box's diagonal; phi: direction from base to label.
    const float gamma = toDegrees(std::atan2(hN / 2.f, wN / 2.f));
    const float phi = std::atan2(np.y - fp.y, np.x - fp.x);
    const float phiDeg = toDegrees(phi);

    // Where the connector meets the label: on the label box's edge facing the
    // base, 3 pixels off it.
    sf::Vector2f p;
    if (gamma <= phiDeg && phiDeg <= 180.f - gamma) {
        // Below the base. A label without height (empty text) has no edge to
        // slide along; skipping the term avoids 0 / tan(0).
        const float dx = hN != 0.f ? hN / (2.f * std::tan(phi)) : 0.f;
        p = {np.x - dx, np.y - hN / 2.f - 3.f};
    } else if (gamma - 180.f <= phiDeg && phiDeg <= -gamma) {
        const float dx = hN != 0.f ? hN / (2.f * std::tan(std::abs(phi))) : 0.f;
        p = {np.x - dx, np.y + hN / 2.f + 3.f};
    } else if (-gamma <= phiDeg && phiDeg <= gamma) {
        p = {np.x - wN / 2.f - 3.f, np.y - std::sin(phi) * std::cos(phi) * wN / 2.f};
    } else if (phiDeg >= 180.f - gamma) {
        p = {np.x + wN / 2.f + 3.f, np.y + std::sin(phi) * std::cos(phi) * wN / 2.f};
    } else {
        const float a = std::abs(phi);
        p = {np.x + wN / 2.f + 3.f, np.y - std::sin(a) * std::cos(a) * wN / 2.f};
    }
    const sf::Vector2f q{fp.x + std::cos(phi) * fb.width * 3.f / 5.f,
                         fp.y + std::sin(phi) * fb.height * 3.f / 4.f};
    connector.setPosition(p);
    connector.setRotation(phiDeg + 180.f);
    connector.setSize({distanceBetween(p, q), thickness});
}

// ---- Drawing and events ----

void Strand::draw() {
    if (!state.currentTarget) return;
    DrawingBatch batch(*state.currentTarget,
                       state.mainFont.getTexture(static_cast<unsigned>(state.textSize)));
    appendTo(batch);
}

void Strand::appendTo(DrawingBatch& batch) const {
    refreshChunks();
    const std::size_t n = bases.size();
    for (std::size_t c = 0; c < chunkAreas.size(); ++c) {
        if (!batch.isVisible(chunkAreas[c])) continue;
        for (std::size_t i = c * kChunk; i < std::min(n, (c + 1) * kChunk); ++i)
            bases[i]->appendTo(batch);
    }
    for (std::size_t c = 0; c < chunkAreas.size(); ++c) {
        if (!batch.isVisible(chunkAreas[c])) continue;
        for (std::size_t i = c * kChunk; i < std::min(links.size(), (c + 1) * kChunk); ++i)
            links[i].appendTo(batch);
    }
    if (!endLabelsVisible) return;
    fiveConnector.appendTo(batch);
    threeConnector.appendTo(batch);
    fiveLabel.appendTo(batch);
    threeLabel.appendTo(batch);
}

void Strand::markChunkOf(std::size_t index) const {
    const std::size_t c = index / kChunk;
    if (c < chunkStale.size()) chunkStale[c] = 1;
    // The run before ends with the link to this base.
    if (index % kChunk == 0 && c > 0 && c - 1 < chunkStale.size()) chunkStale[c - 1] = 1;
}

void Strand::refreshChunks() const {
    const std::size_t n = bases.size();
    const std::size_t count = (n + kChunk - 1) / kChunk;
    if (chunksAllStale || relinkAll) {
        chunkStale.assign(count, 1);
        chunksAllStale = false;
    } else {
        // A strand grown at its 3' end has new runs; runs it lost are dropped.
        chunkStale.resize(count, 1);
    }
    chunkAreas.resize(count);
    // Moves since the last layout have not been marked yet.
    for (const DraggableLabel* base : tracker.movedBases())
        markChunkOf(indexOf(*base));
    const float line = lineThickness() + 2.f;
    for (std::size_t c = 0; c < count; ++c) {
        if (!chunkStale[c]) continue;
        chunkStale[c] = 0;
        // The run's bases with what is drawn round them, and the first base of
        // the next run, where the run's last link ends.
        const std::size_t last = std::min(n - 1, (c + 1) * kChunk);
        float minX = 0.f, minY = 0.f, maxX = 0.f, maxY = 0.f;
        for (std::size_t i = c * kChunk; i <= last; ++i) {
            const sf::Vector2f p = bases[i]->getPosition();
            const sf::FloatRect b = bases[i]->getLocalBounds();
            // Letter and selection circle stay within this of the centre.
            const float reach = std::max(line, 1.25f * (std::abs(b.width) + std::abs(b.height)) + 2.f);
            if (i == c * kChunk) {
                minX = p.x - reach;
                maxX = p.x + reach;
                minY = p.y - reach;
                maxY = p.y + reach;
                continue;
            }
            minX = std::min(minX, p.x - reach);
            maxX = std::max(maxX, p.x + reach);
            minY = std::min(minY, p.y - reach);
            maxY = std::max(maxY, p.y + reach);
        }
        chunkAreas[c] = {minX, minY, maxX - minX, maxY - minY};
    }
}

void Strand::drawEach() {
    for (const auto& base : bases)
        base->draw();
    if (!state.currentTarget) return;
    for (const auto& link : links)
        state.currentTarget->draw(link.toShape());
    if (!endLabelsVisible) return;
    state.currentTarget->draw(fiveConnector.toShape());
    state.currentTarget->draw(threeConnector.toShape());
    fiveLabel.draw();
    threeLabel.draw();
}

void Strand::handleElementEvents(const sf::Event& event) {
    if (event.type == sf::Event::MouseMoved) {
        // A pointer move only concerns elements being dragged: no other element
        // reacts to it, so the rest of a long strand is not visited.
        for (DraggableLabel* element : tracker.draggingElements()) {
            const bool endLabel = element == &fiveLabel || element == &threeLabel;
            if (!endLabel || endLabelsVisible) element->handleEvent(event);
        }
        return;
    }
    // Bases and end labels react to the left button and pointer moves only;
    // keys and the rest need not visit a long strand.
    if (event.type != sf::Event::MouseButtonPressed && event.type != sf::Event::MouseButtonReleased) return;
    for (const auto& base : bases)
        base->handleEvent(event);
    if (!endLabelsVisible) return;
    fiveLabel.handleEvent(event);
    threeLabel.handleEvent(event);
}

void Strand::handleEvent(const sf::Event& event) {
    // 1. Who holds the selection.
    if (tracker.selectedCount() > 0)
        setActive(true);
    else if (state.elementGrabbed)
        setActive(false);

    if (event.type == sf::Event::KeyPressed) {
        // 2. Letter keys on the selected strand.
        applyLetterKey(event);
        // 3. Command keys, on every strand.
        switch (event.key.code) {
        case sf::Keyboard::E:
            spaceHorizontally(false);
            break;
        case sf::Keyboard::D:
            spaceVertically(false);
            break;
        case sf::Keyboard::W:
            curveThroughPointer(false);
            break;
        case sf::Keyboard::Delete:
            deleteSelectedBases();
            break;
        default:
            break;
        }
    }

    // 4. Shift alignment.
    if ((active && state.input->isLeftShiftHeld()) || state.input->isRightShiftHeld()) alignDraggedElements();

    // 5. Refit whatever moved.
    layout();
}

void Strand::applyLetterKey(const sf::Event& event) {
    if (bases.empty() || selectedStrand(state) != this) return;
    // The key's own modifier flag counts too: a shortcut that opened a modal
    // file dialog is handled after the person has let go of Control, and
    // must not then read as a plain letter.
    if (event.key.control || state.input->isControlHeld()) return;

    std::size_t selectedCount = 0;
    BaseObject* lastSelected = nullptr;
    // Only none, one or several matter, so the walk stops at the second
    // selected base; the running count saves it when no base is selected.
    const std::size_t selectedLabels = (fiveLabel.isSelected() ? 1 : 0) + (threeLabel.isSelected() ? 1 : 0);
    if (tracker.selectedCount() > selectedLabels) {
        for (const auto& base : bases) {
            if (base->isSelected()) {
                ++selectedCount;
                lastSelected = base.get();
                if (selectedCount > 1) break;
            }
        }
    }
    const int kind = baseKindOfKey(event.key.code);
    if (selectedCount == 1) {
        state.unsavedChanges = true;
        if (kind >= 0) lastSelected->setKind(kind);
    } else if (selectedCount == 0) {
        state.unsavedChanges = true;
        const sf::Vector2f pointer = state.pointerPosition;
        const float toFirst = distanceBetween(pointer, bases.front()->getPosition());
        const float toLast = distanceBetween(pointer, bases.back()->getPosition());
        // A tie goes to the 3' end, the usual direction of writing.
        const bool atThreeEnd = toLast <= toFirst;
        if (kind >= 0) addBase(std::make_unique<BaseObject>(state, pointer.x, pointer.y, kind), atThreeEnd);
    }
}

void Strand::alignDraggedElements() {
    if (bases.empty() || tracker.draggingElements().empty()) return;
    // Each dragged base lines up with the base before it, after that one has
    // itself been aligned: so take the dragged bases in strand order.
    std::vector<std::size_t> dragged;
    for (const DraggableLabel* element : tracker.draggingElements())
        if (element != &fiveLabel && element != &threeLabel) dragged.push_back(indexOf(*element));
    std::sort(dragged.begin(), dragged.end());
    for (const std::size_t i : dragged)
        alignToNeighbour(*bases[i == 0 ? 0 : i - 1], *bases[i]);
    if (bases.front()->isDragging() && bases.size() > 1) alignToNeighbour(*bases[1], *bases.front());
    if (fiveLabel.isDragging()) alignToNeighbour(*bases.front(), fiveLabel);
    if (threeLabel.isDragging()) alignToNeighbour(*bases.back(), threeLabel);
}

// ---- Selection and movement ----

void Strand::setActive(bool b) {
    active = b;
    // Nothing selected and nothing dragging: deselecting would change nothing.
    if (b || (tracker.selectedCount() == 0 && tracker.draggingElements().empty())) return;
    for (const auto& base : bases)
        base->setSelected(false);
    fiveLabel.setSelected(false);
    threeLabel.setSelected(false);
}

bool Strand::isAnyDragging() const {
    return !tracker.draggingElements().empty();
}

void Strand::setAllSelected(bool b) {
    for (const auto& base : bases)
        base->setSelected(b);
    fiveLabel.setSelected(b);
    threeLabel.setSelected(b);
}

void Strand::moveFrontToPointer() {
    if (bases.empty()) return;
    shiftBack(bases.front()->getPosition() - state.pointerPosition);
}

void Strand::shiftBack(sf::Vector2f d) {
    for (const auto& base : bases)
        base->shiftBack(d);
    fiveLabel.shiftBack(d);
    threeLabel.shiftBack(d);
    layout();
}

void Strand::rescale(sf::Vector2f centre) {
    for (const auto& base : bases)
        base->rescale(centre);
    fiveLabel.rescale(centre);
    threeLabel.rescale(centre);
    layout();
}

// ---- End labels and colour ----

void Strand::setEndTexts(const std::string& five, const std::string& three) {
    fiveLabel.setText(five.empty() ? "5'" : five);
    threeLabel.setText(three.empty() ? "3'" : three);
}

void Strand::setEndPositions(sf::Vector2f five, sf::Vector2f three) {
    fiveLabel.moveTo(five);
    threeLabel.moveTo(three);
}

void Strand::setEndLabelsVisible(bool b) {
    ++state.revision;
    endLabelsVisible = b;
    if (b) return;
    fiveLabel.setSelected(false);
    threeLabel.setSelected(false);
}

void Strand::setColor(sf::Color c) {
    ++state.revision;
    color = c;
    for (const auto& base : bases)
        base->setColor(c);
}

float distanceBetween(sf::Vector2f a, sf::Vector2f b) {
    const double dx = static_cast<double>(a.x) - b.x;
    const double dy = static_cast<double>(a.y) - b.y;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}
