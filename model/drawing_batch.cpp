#include "model/drawing_batch.h"

#include "model/letter_shapes.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/View.hpp>
#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// The centre of the white square at the top-left of every font page: a solid
// shape sampled there keeps exactly its own colour.
const sf::Vector2f kWhite{1.f, 1.f};

// ---- Triangles of a recording ----

// A shared strip is recorded as one mark in place of its triangles: three
// vertices with this texture x, the strip's key as texture y, at the strip's
// offset and the corners of its bounds. A mark compares, moves and bounds
// like a triangle, and becomes the strip's triangles when painted.
const float kSharedStripMark = -1.0e30f;

bool isSharedStripMark(const sf::Vertex* triangle) {
    return triangle[0].texCoords.x == kSharedStripMark;
}

// sf::Vertex is three plain pairs of floats and bytes without padding, so
// equal bytes mean equal triangles.
static_assert(sizeof(sf::Vertex) == 5 * sizeof(float), "sf::Vertex has no padding");

bool sameTriangle(const sf::Vertex* a, const sf::Vertex* b) {
    return std::memcmp(a, b, 3 * sizeof(sf::Vertex)) == 0;
}

// The smallest box round triangles added to it.
struct Box {
    float left = std::numeric_limits<float>::max(), top = std::numeric_limits<float>::max();
    float right = std::numeric_limits<float>::lowest(), bottom = std::numeric_limits<float>::lowest();

    void add(const sf::Vertex* triangle, sf::Vector2f shift = {0.f, 0.f}) {
        for (int k = 0; k < 3; ++k) {
            const sf::Vector2f p = triangle[k].position + shift;
            left = std::min(left, p.x);
            top = std::min(top, p.y);
            right = std::max(right, p.x);
            bottom = std::max(bottom, p.y);
        }
    }
    bool empty() const { return left > right; }
    float area() const { return empty() ? 0.f : (right - left) * (bottom - top); }
    void add(const Box& other) {
        left = std::min(left, other.left);
        top = std::min(top, other.top);
        right = std::max(right, other.right);
        bottom = std::max(bottom, other.bottom);
    }
    bool touches(const sf::FloatRect& area) const {
        return left <= area.left + area.width && area.left <= right && top <= area.top + area.height &&
               area.top <= bottom;
    }
    sf::FloatRect rect() const {
        return empty() ? sf::FloatRect() : sf::FloatRect(left, top, right - left, bottom - top);
    }
};

bool touches(const sf::Vertex* triangle, const sf::FloatRect& area, sf::Vector2f shift = {0.f, 0.f}) {
    Box box;
    box.add(triangle, shift);
    return box.touches(area);
}

// How many triangles `a` and `b` (at least n each) share from the start;
// `backwards` counts from their ends instead (a and b point past them).
std::size_t commonRun(const sf::Vertex* a, const sf::Vertex* b, std::size_t n, bool backwards) {
    // Whole blocks first: most of two frames is the same.
    const std::size_t block = 64;
    auto at = [&](const sf::Vertex* p, std::size_t i) { return backwards ? p - 3 * (i + 1) : p + 3 * i; };
    std::size_t i = 0;
    while (i + block <= n) {
        const sf::Vertex* pa = backwards ? a - 3 * (i + block) : a + 3 * i;
        const sf::Vertex* pb = backwards ? b - 3 * (i + block) : b + 3 * i;
        if (std::memcmp(pa, pb, 3 * block * sizeof(sf::Vertex)) != 0) break;
        i += block;
    }
    while (i < n && sameTriangle(at(a, i), at(b, i)))
        ++i;
    return i;
}

// Boxes round the triangles that differ between two recordings, one box for
// each cluster: a triangle that differs within a few places of the last one
// joins its box, so a selection box's new circles along two of its edges
// make two thin boxes rather than one as large as the selection.
class Damage {
  public:
    // Starts a new run of triangles: nothing joins across runs.
    void startRun() { joinable = false; }
    void add(std::size_t index, const sf::Vertex* triangle) {
        if (!joinable || index > last + kGap) boxes.emplace_back();
        boxes.back().add(triangle);
        last = index;
        joinable = true;
    }
    // Cuts every box to `area` (exactly, before they become rectangles: a
    // line to a base far away reaches so far that a box's size would swallow
    // its other edge), drops those without area and joins boxes that cost
    // little more together than apart.
    std::vector<sf::FloatRect> rects(const sf::FloatRect* area) {
        std::vector<Box> kept;
        for (Box box : boxes) {
            if (area) {
                box.left = std::max(box.left, area->left);
                box.top = std::max(box.top, area->top);
                box.right = std::min(box.right, area->left + area->width);
                box.bottom = std::min(box.bottom, area->top + area->height);
            }
            // Triangles without area paint nothing.
            if (box.left < box.right && box.top < box.bottom) kept.push_back(box);
        }
        join(kept);
        std::vector<sf::FloatRect> out;
        for (const Box& box : kept)
            out.push_back(box.rect());
        return out;
    }

  private:
    // Triangles this many places apart still share a box (a base's letter,
    // circle and links lie within it).
    static constexpr std::size_t kGap = 8;
    // Painting a box costs a pass over the frame's triangles, about as much
    // as painting a square of 64 pixels: boxes join while their union is no
    // larger than the two and that much more.
    static constexpr float kSlack = 64.f * 64.f;
    // Beyond these many boxes, one box round them all.
    static constexpr std::size_t kMostBoxes = 16;

    static void join(std::vector<Box>& boxes) {
        if (boxes.size() > 16 * kMostBoxes) return joinAll(boxes);
        for (bool joined = true; joined;) {
            joined = false;
            for (std::size_t i = 0; i < boxes.size(); ++i)
                for (std::size_t j = i + 1; j < boxes.size();) {
                    Box both = boxes[i];
                    both.add(boxes[j]);
                    if (both.area() <= boxes[i].area() + boxes[j].area() + kSlack) {
                        boxes[i] = both;
                        boxes.erase(boxes.begin() + static_cast<std::ptrdiff_t>(j));
                        joined = true;
                    } else {
                        ++j;
                    }
                }
        }
        if (boxes.size() > kMostBoxes) joinAll(boxes);
    }
    static void joinAll(std::vector<Box>& boxes) {
        for (std::size_t i = 1; i < boxes.size(); ++i)
            boxes[0].add(boxes[i]);
        boxes.resize(1);
    }

    std::vector<Box> boxes;
    std::size_t last = 0;
    bool joinable = false;
};

// Adds to `damage` the triangles of `a` (na of them) and `b` (nb) outside a
// common sequence of the two, found greedily: a common start and end are
// skipped; in between, equal triangles pair off, and where they differ a few
// places ahead are searched for a triangle added (a selection circle, a new
// base) or taken away; otherwise both differ (a move, a recolouring). Any
// common sequence will do: what it pairs paints the same, in the same order,
// outside the boxes of what it does not.
void addDifference(const sf::Vertex* a, std::size_t na, const sf::Vertex* b, std::size_t nb, Damage& damage) {
    constexpr std::size_t kLookAhead = 8;
    damage.startRun();
    const std::size_t shorter = std::min(na, nb);
    const std::size_t prefix = commonRun(a, b, shorter, false);
    const std::size_t suffix = commonRun(a + 3 * na, b + 3 * nb, shorter - prefix, true);
    const std::size_t endA = na - suffix, endB = nb - suffix;
    // Where everything moved, looking ahead never finds a pair: after this
    // many misses in a row it rests until triangles pair again.
    constexpr std::size_t kMostMisses = 32;
    std::size_t misses = 0;
    std::size_t i = prefix, j = prefix;
    while (i < endA || j < endB) {
        if (i < endA && j < endB && sameTriangle(a + 3 * i, b + 3 * j)) {
            ++i;
            ++j;
            misses = 0;
            continue;
        }
        std::size_t added = 0, removed = 0;
        for (std::size_t k = 1; k <= kLookAhead && misses < kMostMisses && !added && !removed; ++k) {
            if (i < endA && j + k < endB && sameTriangle(a + 3 * i, b + 3 * (j + k)))
                added = k;
            else if (j < endB && i + k < endA && sameTriangle(a + 3 * (i + k), b + 3 * j))
                removed = k;
        }
        misses = (added || removed) ? 0 : misses + 1;
        for (; added > 0; --added, ++j)
            damage.add(j, b + 3 * j);
        for (; removed > 0; --removed, ++i)
            damage.add(j, a + 3 * i);
        if (i < endA && j < endB && sameTriangle(a + 3 * i, b + 3 * j)) continue;
        if (i < endA) damage.add(j, a + 3 * i++);
        if (j < endB) {
            damage.add(j, b + 3 * j);
            ++j;
        }
    }
}

} // namespace

DrawingBatch::DrawingBatch(sf::RenderTarget& drawTarget, const sf::Texture& fontTexture)
    : target(&drawTarget), texture(&fontTexture) {
    setVisibleArea(drawTarget.getView());
    vertices.reserve(6 * 1024);
}

DrawingBatch::DrawingBatch(const sf::View& view, const sf::Texture& fontTexture)
    : target(nullptr), texture(&fontTexture) {
    setVisibleArea(view);
    vertices.reserve(6 * 1024);
}

void DrawingBatch::restart(const sf::View& view, const sf::Texture& fontTexture) {
    assert(!target && "only a recording batch starts again");
    texture = &fontTexture;
    setVisibleArea(view);
    vertices.clear();
    runs.clear();
    recordedEnd = 0;
    marksRecorded = false;
}

void DrawingBatch::setVisibleArea(const sf::View& view) {
    culling = view.getRotation() == 0.f;
    const sf::Vector2f size = view.getSize();
    // A pixel of margin on each side covers rounding at the view's edge.
    visible = {view.getCenter().x - size.x / 2.f - 2.f, view.getCenter().y - size.y / 2.f - 2.f, size.x + 4.f,
               size.y + 4.f};
}

DrawingBatch::~DrawingBatch() {
    flush();
}

bool DrawingBatch::isVisible(const sf::FloatRect& area) const {
    if (!culling) return true;
    return area.left <= visible.left + visible.width && visible.left <= area.left + area.width &&
           area.top <= visible.top + visible.height && visible.top <= area.top + area.height;
}

void DrawingBatch::useTexture(const sf::Texture& next) {
    if (&next == texture) return;
    flush();
    texture = &next;
}

GlyphQuad DrawingBatch::quadOf(const sf::Glyph& glyph, float x, float y) {
    // sf::Text pads each glyph quad by one pixel on every side, in place and
    // in the texture, so smoothing never cuts the letter's edge.
    const float padding = 1.f;
    GlyphQuad q;
    q.left = x + (glyph.bounds.left - padding);
    q.top = y + (glyph.bounds.top - padding);
    q.right = x + (glyph.bounds.left + glyph.bounds.width + padding);
    q.bottom = y + (glyph.bounds.top + glyph.bounds.height + padding);
    q.u1 = static_cast<float>(glyph.textureRect.left) - padding;
    q.v1 = static_cast<float>(glyph.textureRect.top) - padding;
    q.u2 = static_cast<float>(glyph.textureRect.left + glyph.textureRect.width) + padding;
    q.v2 = static_cast<float>(glyph.textureRect.top + glyph.textureRect.height) + padding;
    return q;
}

void DrawingBatch::addGlyph(const GlyphQuad& q, sf::Vector2f offset, sf::Color color) {
    // The corners as sf::Text makes them, moved as its transform (a plain
    // translation for a base letter) moves them.
    const float left = offset.x + q.left;
    const float top = offset.y + q.top;
    const float right = offset.x + q.right;
    const float bottom = offset.y + q.bottom;
    vertices.emplace_back(sf::Vector2f(left, top), color, sf::Vector2f(q.u1, q.v1));
    vertices.emplace_back(sf::Vector2f(right, top), color, sf::Vector2f(q.u2, q.v1));
    vertices.emplace_back(sf::Vector2f(left, bottom), color, sf::Vector2f(q.u1, q.v2));
    vertices.emplace_back(sf::Vector2f(left, bottom), color, sf::Vector2f(q.u1, q.v2));
    vertices.emplace_back(sf::Vector2f(right, top), color, sf::Vector2f(q.u2, q.v1));
    vertices.emplace_back(sf::Vector2f(right, bottom), color, sf::Vector2f(q.u2, q.v2));
}

void DrawingBatch::addSolidTriangle(sf::Vector2f a, sf::Vector2f b, sf::Vector2f c, sf::Color color) {
    vertices.emplace_back(a, color, kWhite);
    vertices.emplace_back(b, color, kWhite);
    vertices.emplace_back(c, color, kWhite);
}

void DrawingBatch::addSolidQuad(sf::Vector2f a, sf::Vector2f b, sf::Vector2f c, sf::Vector2f d,
                                sf::Color color) {
    addSolidTriangle(a, b, c, color);
    addSolidTriangle(a, c, d, color);
}

void DrawingBatch::addSolidStrip(const std::vector<sf::Vector2f>& strip, sf::Vector2f offset,
                                 sf::Color color) {
    if (strip.size() < 3) return;
    // A selected base's circle alone is 60 triangles: written in place.
    const std::size_t first = vertices.size();
    vertices.resize(first + 3 * (strip.size() - 2), sf::Vertex(offset, color, kWhite));
    sf::Vertex* out = vertices.data() + first;
    for (std::size_t i = 0; i + 2 < strip.size(); ++i) {
        out[0].position += strip[i];
        out[1].position += strip[i + 1];
        out[2].position += strip[i + 2];
        out += 3;
    }
}

void DrawingBatch::addSharedStrip(const std::vector<sf::Vector2f>& strip, float key, sf::Vector2f offset,
                                  sf::Color color) {
    if (target || strip.size() < 3) {
        addSolidStrip(strip, offset, color);
        return;
    }
    const SharedStrip& shared = sharedStrip(strip, key);
    const sf::Vector2f mark(kSharedStripMark, key);
    vertices.emplace_back(offset, color, mark);
    vertices.emplace_back(offset + shared.low, color, mark);
    vertices.emplace_back(offset + shared.high, color, mark);
    marksRecorded = true;
}

const DrawingBatch::SharedStrip& DrawingBatch::sharedStrip(const std::vector<sf::Vector2f>& strip,
                                                           float key) {
    for (const SharedStrip& known : sharedStrips)
        if (known.key == key) return known;
    SharedStrip made;
    made.key = key;
    made.points = strip;
    made.low = made.high = strip.front();
    for (const sf::Vector2f& p : strip) {
        made.low = {std::min(made.low.x, p.x), std::min(made.low.y, p.y)};
        made.high = {std::max(made.high.x, p.x), std::max(made.high.y, p.y)};
    }
    sharedStrips.push_back(std::move(made));
    return sharedStrips.back();
}

void DrawingBatch::appendPainted(std::vector<sf::Vertex>& out, const sf::Vertex* triangle) const {
    if (!isSharedStripMark(triangle)) {
        out.insert(out.end(), triangle, triangle + 3);
        return;
    }
    const float key = triangle[0].texCoords.y;
    const auto shared = std::find_if(sharedStrips.begin(), sharedStrips.end(),
                                     [key](const SharedStrip& known) { return known.key == key; });
    assert(shared != sharedStrips.end() && "a mark names a strip of its own recording");
    const std::vector<sf::Vector2f>& points = shared->points;
    const sf::Vector2f offset = triangle[0].position;
    const sf::Color color = triangle[0].color;
    for (std::size_t i = 0; i + 2 < points.size(); ++i) {
        out.emplace_back(offset + points[i], color, kWhite);
        out.emplace_back(offset + points[i + 1], color, kWhite);
        out.emplace_back(offset + points[i + 2], color, kWhite);
    }
}

void DrawingBatch::drawRun(sf::RenderTarget& into, const Run& run, const sf::FloatRect* area) {
    if (run.drawable) {
        into.draw(*run.drawable);
        return;
    }
    if (!area && !marksRecorded) {
        into.draw(vertices.data() + run.first, run.count, sf::Triangles, sf::RenderStates(run.texture));
        return;
    }
    painted.clear();
    for (std::size_t k = run.first; k < run.first + run.count; k += 3)
        if (!area || touches(&vertices[k], *area)) appendPainted(painted, &vertices[k]);
    if (!painted.empty())
        into.draw(painted.data(), painted.size(), sf::Triangles, sf::RenderStates(run.texture));
}

void DrawingBatch::addText(const sf::Text& text) {
    const sf::Font* font = text.getFont();
    if (!font) return;
    if (text.getStyle() != sf::Text::Regular || text.getOutlineThickness() != 0.f ||
        text.getLetterSpacing() != 1.f || text.getLineSpacing() != 1.f) {
        addDrawable(text);
        return;
    }
    const sf::String& string = text.getString();
    if (string.isEmpty() || !isVisible(text.getGlobalBounds())) return;
    const unsigned size = text.getCharacterSize();
    useTexture(font->getTexture(size));

    // sf::Text's layout for a regular text: kerning, spaces, tabs and new
    // lines, one padded quad per glyph on a baseline one size below the top.
    const sf::Transform& transform = text.getTransform();
    const sf::Color color = text.getFillColor();
    const float whitespaceWidth = font->getGlyph(L' ', size, false).advance;
    const float lineSpacing = font->getLineSpacing(size);
    float x = 0.f;
    float y = static_cast<float>(size);
    sf::Uint32 previous = 0;
    for (std::size_t i = 0; i < string.getSize(); ++i) {
        const sf::Uint32 current = string[i];
        if (current == '\r') continue;
        x += font->getKerning(previous, current, size);
        previous = current;
        if (current == L' ') {
            x += whitespaceWidth;
            continue;
        }
        if (current == L'\t') {
            x += whitespaceWidth * 4;
            continue;
        }
        if (current == L'\n') {
            y += lineSpacing;
            x = 0.f;
            continue;
        }
        const sf::Glyph& glyph = font->getGlyph(current, size, false);
        const GlyphQuad q = quadOf(glyph, x, y);
        const sf::Vector2f tl = transform.transformPoint(q.left, q.top);
        const sf::Vector2f tr = transform.transformPoint(q.right, q.top);
        const sf::Vector2f bl = transform.transformPoint(q.left, q.bottom);
        const sf::Vector2f br = transform.transformPoint(q.right, q.bottom);
        vertices.emplace_back(tl, color, sf::Vector2f(q.u1, q.v1));
        vertices.emplace_back(tr, color, sf::Vector2f(q.u2, q.v1));
        vertices.emplace_back(bl, color, sf::Vector2f(q.u1, q.v2));
        vertices.emplace_back(bl, color, sf::Vector2f(q.u1, q.v2));
        vertices.emplace_back(tr, color, sf::Vector2f(q.u2, q.v1));
        vertices.emplace_back(br, color, sf::Vector2f(q.u2, q.v2));
        x += glyph.advance;
    }
}

void DrawingBatch::addShape(const sf::Shape& shape) {
    if (shape.getTexture()) {
        addDrawable(shape);
        return;
    }
    if (!isVisible(shape.getGlobalBounds())) return;
    std::vector<sf::Vector2f> points(shape.getPointCount());
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i] = shape.getPoint(i);
    if (points.size() < 3) return;
    const sf::Transform& transform = shape.getTransform();
    if (shape.getFillColor().a != 0) {
        // A convex shape fills as a fan round its first point.
        const sf::Vector2f first = transform.transformPoint(points[0]);
        for (std::size_t i = 1; i + 1 < points.size(); ++i)
            addSolidTriangle(first, transform.transformPoint(points[i]),
                             transform.transformPoint(points[i + 1]), shape.getFillColor());
    }
    if (shape.getOutlineThickness() == 0.f) return;
    std::vector<sf::Vector2f> strip = LetterShapes::outlineStrip(points, shape.getOutlineThickness());
    for (sf::Vector2f& p : strip)
        p = transform.transformPoint(p);
    addSolidStrip(strip, {0.f, 0.f}, shape.getOutlineColor());
}

void DrawingBatch::addDrawable(const sf::Drawable& drawable) {
    flush();
    if (target) {
        target->draw(drawable);
        return;
    }
    Run run;
    run.drawable = &drawable;
    runs.push_back(run);
}

void DrawingBatch::flush() {
    if (vertices.size() == recordedEnd) return;
    if (target) {
        target->draw(vertices.data(), vertices.size(), sf::Triangles, sf::RenderStates(texture));
        vertices.clear();
        return;
    }
    // Triangles with the texture of the run before them join it, so that two
    // recordings of the same texture changes have the same runs.
    if (!runs.empty() && !runs.back().drawable && runs.back().texture == texture &&
        runs.back().textureSize == texture->getSize()) {
        runs.back().count = vertices.size() - runs.back().first;
        recordedEnd = vertices.size();
        return;
    }
    Run run;
    run.texture = texture;
    run.textureSize = texture->getSize();
    run.first = recordedEnd;
    run.count = vertices.size() - recordedEnd;
    runs.push_back(run);
    recordedEnd = vertices.size();
}

void DrawingBatch::replay(sf::RenderTarget& into) {
    flush();
    for (const Run& run : runs)
        drawRun(into, run, nullptr);
}

// ---- Comparing two recordings ----

bool DrawingBatch::comparableWith(DrawingBatch& earlier) {
    flush();
    earlier.flush();
    if (runs.size() != earlier.runs.size()) return false;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Run& a = earlier.runs[i];
        const Run& b = runs[i];
        if (a.drawable || b.drawable || a.texture != b.texture || a.textureSize != b.textureSize)
            return false;
    }
    return true;
}

bool DrawingBatch::damageSince(DrawingBatch& earlier, std::vector<sf::FloatRect>& damage) {
    if (!comparableWith(earlier)) return false;
    Damage differences;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Run& a = earlier.runs[i];
        const Run& b = runs[i];
        addDifference(earlier.vertices.data() + a.first, a.count / 3, vertices.data() + b.first, b.count / 3,
                      differences);
    }
    // Only what shows counts (as far as a turned view lets this batch know).
    damage = differences.rects(culling ? &visible : nullptr);
    return true;
}

sf::Vector2f DrawingBatch::firstMoveSince(DrawingBatch& earlier) {
    if (!comparableWith(earlier)) return {0.f, 0.f};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Run& a = earlier.runs[i];
        const Run& b = runs[i];
        for (std::size_t k = 0; k < std::min(a.count, b.count); ++k) {
            const sf::Vector2f move = vertices[b.first + k].position - earlier.vertices[a.first + k].position;
            if (move != sf::Vector2f(0.f, 0.f)) return move;
        }
    }
    return {0.f, 0.f};
}

bool DrawingBatch::shiftedFrom(DrawingBatch& earlier, sf::Vector2f shift, const sf::FloatRect& area) {
    if (!comparableWith(earlier)) return false;
    // Positions are recomputed from moved elements, so they may differ from
    // the earlier ones plus the shift in the last bits; far less than a
    // rasteriser's sub-pixel grid (1/256 of a pixel) resolves.
    const float tolerance = 1.f / 1024.f;
    auto sameMoved = [&](const sf::Vertex& before, const sf::Vertex& now) {
        const sf::Vector2f d = before.position + shift - now.position;
        return std::abs(d.x) <= tolerance && std::abs(d.y) <= tolerance && before.color == now.color &&
               before.texCoords == now.texCoords;
    };
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const sf::Vertex* a = earlier.vertices.data() + earlier.runs[i].first;
        const sf::Vertex* b = vertices.data() + runs[i].first;
        const std::size_t na = earlier.runs[i].count / 3, nb = runs[i].count / 3;
        std::size_t ia = 0, ib = 0;
        for (;;) {
            while (ia < na && !touches(a + 3 * ia, area, shift))
                ++ia;
            while (ib < nb && !touches(b + 3 * ib, area))
                ++ib;
            if (ia == na || ib == nb) {
                if (ia != na || ib != nb) return false;
                break;
            }
            for (int k = 0; k < 3; ++k)
                if (!sameMoved(a[3 * ia + k], b[3 * ib + k])) return false;
            ++ia;
            ++ib;
        }
    }
    return true;
}

void DrawingBatch::replayWithin(sf::RenderTarget& into, const sf::FloatRect& area) {
    flush();
    for (const Run& run : runs)
        drawRun(into, run, &area);
}
