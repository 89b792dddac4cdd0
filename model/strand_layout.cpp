// The strand's geometric operations: equal spacing (E, D), the arc through the
// pointer (W) and the Shift alignment of a dragged element to its neighbour.
// They only move elements; the strand's layout() refits the lines afterwards.
#include "model/strand.h"

#include <algorithm>
#include <cmath>

namespace {

// Same constant as the line fitting, so angles agree across the drawing.
constexpr float kPi = 3.14159f;

float toDegrees(float radians) {
    return radians * 180.f / kPi;
}

// A point on the circle at `degrees`, measured as the angle from the point to the centre.
sf::Vector2f pointOnCircle(float cx, float cy, float r, double degrees) {
    const double radians = degrees * static_cast<double>(kPi) / 180.0;
    return {static_cast<float>(cx - std::cos(radians) * r), static_cast<float>(cy - std::sin(radians) * r)};
}

bool finite(float v) {
    return std::isfinite(v);
}

} // namespace

bool Strand::findRun(bool wholeStrand, std::size_t& first, std::size_t& last) const {
    if (bases.empty()) return false;
    if (wholeStrand) {
        first = 0;
        last = bases.size() - 1;
        return true;
    }
    bool found = false;
    for (std::size_t i = 0; i < bases.size(); ++i) {
        if (!bases[i]->isSelected()) continue;
        if (!found) first = i;
        last = i;
        found = true;
    }
    return found;
}

void Strand::spaceHorizontally(bool wholeStrand) {
    spaceAlongAxis(wholeStrand, false);
}

void Strand::spaceVertically(bool wholeStrand) {
    spaceAlongAxis(wholeStrand, true);
}

void Strand::spaceAlongAxis(bool wholeStrand, bool vertical) {
    state.unsavedChanges = true;
    std::size_t first = 0, last = 0;
    if (!findRun(wholeStrand, first, last) || last - first + 1 < 3) return;
    const std::size_t n = last - first + 1;
    BaseObject& f = *bases[first];
    BaseObject& l = *bases[last];
    const sf::Vector2f fp = f.getPosition();
    // Along the axis, the last base keeps its coordinate (its drag offset is
    // added back, since moveTo takes it off again). The vertical step also
    // takes off the first base's drag offset; the horizontal one does not.
    const float along = vertical ? l.getPosition().y + l.getDragOffset().y - fp.y - f.getDragOffset().y
                                 : l.getPosition().x + l.getDragOffset().x - fp.x;
    const float step = along / static_cast<float>(n - 1);
    const auto offset = [vertical](sf::Vector2f p, float d) {
        return vertical ? sf::Vector2f(p.x, p.y + d) : sf::Vector2f(p.x + d, p.y);
    };
    for (std::size_t k = 1; k < n; ++k)
        bases[first + k]->moveTo(offset(fp, static_cast<float>(k) * step));
    if (first == 0) fiveLabel.moveTo(offset(fp, -step));
    if (last == bases.size() - 1) threeLabel.moveTo(offset(l.getPosition(), step));
}

void Strand::curveThroughPointer(bool wholeStrand) {
    state.unsavedChanges = true;
    std::size_t first = 0, last = 0;
    if (!findRun(wholeStrand, first, last) || last - first + 1 < 3) return;
    const std::size_t n = last - first + 1;
    const sf::Vector2f a = bases[first]->getPosition();
    const sf::Vector2f b = bases[last]->getPosition();
    sf::Vector2f m = state.pointerPosition;
    // A pointer on the line through F and L (or F on L) defines no arc. The
    // nudge below would turn it into a circle millions of pixels wide and fling
    // the bases off the drawing, so such a run is left as it is.
    const double cross = (static_cast<double>(b.x) - a.x) * (static_cast<double>(m.y) - a.y) -
                         (static_cast<double>(b.y) - a.y) * (static_cast<double>(m.x) - a.x);
    if (cross == 0.0) return;

    // Keep the chord slopes finite when the pointer shares a coordinate with an end.
    if (m.x == a.x || m.x == b.x) m.x += 0.01f;
    if (m.y == a.y || m.y == b.y) m.y += 0.01f;
    const float m1 = (m.y - a.y) / (m.x - a.x);
    const float m2 = (b.y - m.y) / (b.x - m.x);
    // Centre of the circle through A, M and B (intersection of the chords' perpendicular bisectors).
    const float cx = (m1 * m2 * (b.y - a.y) + m1 * (m.x + b.x) - m2 * (a.x + m.x)) / (2.f * (m1 - m2));
    const float cy = -(cx - (a.x + m.x) / 2.f) / m1 + (a.y + m.y) / 2.f;
    const float r = std::sqrt((cx - a.x) * (cx - a.x) + (cy - a.y) * (cy - a.y));
    // Collinear points (or coinciding ends) have no circle: leave the run as it is
    // rather than sending bases to infinity.
    if (!finite(m1) || !finite(m2) || !finite(cx) || !finite(cy) || !finite(r) || r == 0.f) return;

    const float alphaA = toDegrees(std::atan2(cy - a.y, cx - a.x));
    const float alphaM = toDegrees(std::atan2(cy - m.y, cx - m.x));
    const float alphaB = toDegrees(std::atan2(cy - b.y, cx - b.x));
    const float aa = alphaA < 0.f ? alphaA + 360.f : alphaA;
    const float mm = alphaM < 0.f ? alphaM + 360.f : alphaM;
    const float bb = alphaB < 0.f ? alphaB + 360.f : alphaB;
    const float d = std::abs(bb - aa);
    const float major = std::max(d, 360.f - d);
    const float minor = 360.f - major;

    // The signed sweep from A to B along the arc that holds the pointer;
    // positive runs towards increasing angle.
    float sweep;
    if (aa < mm && mm < bb) {
        sweep = bb - aa > 180.f ? major : minor;
    } else if (bb < mm && mm < aa) {
        sweep = aa - bb > 180.f ? -major : -minor;
    } else if ((mm > aa && mm > bb) || (mm < aa && mm < bb)) {
        if (aa > bb)
            sweep = aa - bb >= 180.f ? minor : major;
        else
            sweep = bb - aa >= 180.f ? -minor : -major;
    } else {
        sweep = major;
    }
    const float step = sweep / static_cast<float>(n - 1);

    float theta = alphaA;
    for (std::size_t i = first + 1; i < last; ++i) {
        theta += step;
        bases[i]->moveTo(pointOnCircle(cx, cy, r, theta));
    }
    if (first == 0) fiveLabel.moveTo(pointOnCircle(cx, cy, r, alphaA - step));
    if (last == bases.size() - 1) threeLabel.moveTo(pointOnCircle(cx, cy, r, alphaB + step));
}

void alignToNeighbour(const DraggableLabel& reference, DraggableLabel& moving) {
    const sf::Vector2f r = reference.getPosition();
    const sf::Vector2f x = moving.getPosition();
    const sf::Vector2f off = moving.getDragOffset();
    const float angle = toDegrees(std::atan2(r.y - x.y, r.x - x.x));
    // The offset is added because moveTo takes it off again: the element lands
    // exactly on the row or column while the pointer keeps dragging it.
    if ((-45.f < angle && angle < 45.f) || angle > 135.f || angle < -135.f)
        moving.moveTo({x.x + off.x, r.y + off.y});
    else
        moving.moveTo({r.x + off.x, x.y + off.y});
}
