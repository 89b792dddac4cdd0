#include "model/letter_shapes.h"

#include "model/base_kind.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/Text.hpp>
#include <algorithm>
#include <cmath>

namespace {

// Slots per character size: "no letter" and the five kinds.
constexpr std::size_t kSlots = BaseKind::Count + 1;

// The unit normal of the segment p1 to p2 (zero for a point), as sf::Shape computes it.
sf::Vector2f normalOf(sf::Vector2f p1, sf::Vector2f p2) {
    sf::Vector2f normal(p1.y - p2.y, p2.x - p1.x);
    const float length = std::sqrt(normal.x * normal.x + normal.y * normal.y);
    if (length != 0.f) normal /= length;
    return normal;
}

float dot(sf::Vector2f a, sf::Vector2f b) {
    return a.x * b.x + a.y * b.y;
}

} // namespace

LetterShapes::LetterShapes(const sf::Font& letterFont) : font(letterFont) {}

const LetterShape& LetterShapes::get(int kind, unsigned characterSize) {
    const int letter = isValidBaseKind(kind) ? kind : -1;
    const std::size_t index = characterSize * kSlots + static_cast<std::size_t>(letter + 1);
    if (index < entries.size() && entries[index]) return *entries[index];
    // Without a face every glyph is empty; such shapes are not kept, so the
    // real ones are made once the font has been loaded.
    if (font.getInfo().family.empty()) {
        unloaded = build(letter, characterSize);
        return unloaded;
    }
    if (index >= entries.size()) entries.resize(index + 1);
    entries[index] = std::make_unique<LetterShape>(build(letter, characterSize));
    return *entries[index];
}

LetterShape LetterShapes::build(int kind, unsigned characterSize) const {
    LetterShape shape;
    // The bounds come from a real text, so they are exactly what an sf::Text
    // of the letter reports (including its rules for the top and left edge).
    sf::Text text(kind >= 0 ? baseLetter(kind) : "", font, characterSize);
    const sf::FloatRect b = text.getLocalBounds();
    shape.bounds = b;
    shape.origin = {b.left + b.width / 2.f, b.top + b.height / 2.f};
    shape.circleRadius = 1.25f * std::max(b.width / 2.f, b.height / 2.f);

    if (kind >= 0 && !font.getInfo().family.empty()) {
        const sf::Glyph& glyph =
            font.getGlyph(static_cast<sf::Uint32>(baseLetter(kind)[0]), characterSize, false);
        // The first (only) glyph of a text stands at x 0 on the baseline one
        // character size below the text's top.
        shape.quad = DrawingBatch::quadOf(glyph, 0.f, static_cast<float>(characterSize));
        shape.hasGlyph = true;
    }

    // The selection circle: 30 points, outline 1 pixel, origin at the centre of
    // its outlined bounds.
    sf::CircleShape circle(shape.circleRadius, 30);
    circle.setOutlineThickness(1.f);
    const sf::FloatRect c = circle.getLocalBounds();
    shape.circleOrigin = {c.left + c.width / 2.f, c.top + c.height / 2.f};
    std::vector<sf::Vector2f> points(circle.getPointCount());
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i] = circle.getPoint(i);
    shape.circleStrip = outlineStrip(points, 1.f);
    return shape;
}

std::vector<sf::Vector2f> LetterShapes::outlineStrip(const std::vector<sf::Vector2f>& points,
                                                     float thickness) {
    const std::size_t count = points.size();
    std::vector<sf::Vector2f> strip;
    if (count < 3) return strip;
    // The centre of the points' bounds tells which side is outside.
    float left = points[0].x, top = points[0].y, right = left, bottom = top;
    for (const sf::Vector2f& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    const sf::Vector2f centre{left + (right - left) / 2.f, top + (bottom - top) / 2.f};

    strip.resize((count + 1) * 2);
    for (std::size_t i = 0; i < count; ++i) {
        const sf::Vector2f p0 = i == 0 ? points[count - 1] : points[i - 1];
        const sf::Vector2f p1 = points[i];
        const sf::Vector2f p2 = i + 1 == count ? points[0] : points[i + 1];
        sf::Vector2f n1 = normalOf(p0, p1);
        sf::Vector2f n2 = normalOf(p1, p2);
        if (dot(n1, centre - p1) > 0.f) n1 = -n1;
        if (dot(n2, centre - p1) > 0.f) n2 = -n2;
        // The two normals combined give the mitred outward direction.
        const float factor = 1.f + (n1.x * n2.x + n1.y * n2.y);
        const sf::Vector2f normal = (n1 + n2) / factor;
        strip[i * 2] = p1;
        strip[i * 2 + 1] = p1 + normal * thickness;
    }
    // The strip closes on its first pair.
    strip[count * 2] = strip[0];
    strip[count * 2 + 1] = strip[1];
    return strip;
}
