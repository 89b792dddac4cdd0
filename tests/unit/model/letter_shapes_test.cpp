// The letter cache, the outline geometry it shares with the batch, and the
// lightweight line a strand keeps for each link.
#include "model/base_kind.h"
#include "model/base_object.h"
#include "model/letter_shapes.h"
#include "model/link_line.h"
#include "tests/unit/model/model_fixture.h"

#include <SFML/Graphics/Text.hpp>
#include <algorithm>

namespace {

using LetterShapesTest = ModelTest;

TEST_F(LetterShapesTest, ShapesAreThoseOfARealTextAndAreKept) {
    for (const unsigned size : {10u, 30u, 47u}) {
        for (int kind = 0; kind < BaseKind::Count; ++kind) {
            const LetterShape& shape = state.letterShapes.get(kind, size);
            const sf::Text text(baseLetter(kind), state.mainFont, size);
            const sf::FloatRect b = text.getLocalBounds();
            EXPECT_EQ(shape.bounds, b) << baseLetter(kind) << " at " << size;
            EXPECT_FLOAT_EQ(shape.origin.x, b.left + b.width / 2.f);
            EXPECT_FLOAT_EQ(shape.origin.y, b.top + b.height / 2.f);
            EXPECT_FLOAT_EQ(shape.circleRadius, 1.25f * std::max(b.width, b.height) / 2.f);
            ASSERT_TRUE(shape.hasGlyph);

            // 30 points, each with its pushed-out partner, and the first pair again.
            EXPECT_EQ(shape.circleStrip.size(), 62u);
            // The same entry comes back: every base of the kind shares it.
            EXPECT_EQ(&state.letterShapes.get(kind, size), &shape);
        }
    }

    // Anything outside 0 to 4 has no letter: empty bounds, nothing to draw.
    for (const int kind : {-1, 5, 99}) {
        const LetterShape& none = state.letterShapes.get(kind, 30);
        EXPECT_EQ(none.bounds, sf::FloatRect(0.f, 0.f, 0.f, 0.f));
        EXPECT_FALSE(none.hasGlyph);
        EXPECT_EQ(none.circleRadius, 0.f);
    }
}

TEST_F(LetterShapesTest, AFontLoadedLaterIsNoticed) {
    DrawingState fresh;
    BaseObject base(fresh, 10.f, 10.f, BaseKind::C);
    EXPECT_FALSE(fresh.letterShapes.get(BaseKind::C, 30).hasGlyph);
    ASSERT_TRUE(fresh.mainFont.loadFromFile(testFontPath()));
    const sf::FloatRect b = base.getLocalBounds();
    EXPECT_GT(b.width, 5.f);
    EXPECT_EQ(b, state.letterShapes.get(BaseKind::C, 30).bounds);
    EXPECT_TRUE(fresh.letterShapes.get(BaseKind::C, 30).hasGlyph);
}

TEST_F(LetterShapesTest, OutlineStripIsMitredOutwards) {
    // A 10 x 10 square, outline 1: each corner is pushed out diagonally by
    // (1, 1), since the two edge normals are at right angles.
    const std::vector<sf::Vector2f> square{{0.f, 0.f}, {10.f, 0.f}, {10.f, 10.f}, {0.f, 10.f}};
    const std::vector<sf::Vector2f> strip = LetterShapes::outlineStrip(square, 1.f);
    ASSERT_EQ(strip.size(), 10u); // the first pair repeated at the end closes the strip
    EXPECT_EQ(strip[9], strip[1]);
    const sf::Vector2f outer[] = {{-1.f, -1.f}, {11.f, -1.f}, {11.f, 11.f}, {-1.f, 11.f}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(strip[2 * i], square[i]);
        EXPECT_VEC_NEAR(strip[2 * i + 1], outer[i].x, outer[i].y, 1e-6);
    }
    // Thickness 3 on the same square, points given the other way round: still outwards.
    const std::vector<sf::Vector2f> reversed{{0.f, 10.f}, {10.f, 10.f}, {10.f, 0.f}, {0.f, 0.f}};
    const std::vector<sf::Vector2f> thick = LetterShapes::outlineStrip(reversed, 3.f);
    EXPECT_VEC_NEAR(thick[1], -3.f, 13.f, 1e-5);
    EXPECT_VEC_NEAR(thick[5], 13.f, -3.f, 1e-5);
    // Fewer than three points make no outline.
    EXPECT_TRUE(LetterShapes::outlineStrip({{0.f, 0.f}, {1.f, 1.f}}, 1.f).empty());
}

TEST_F(LetterShapesTest, LinkLineReadsLikeTheRectangleItStandsFor) {
    LinkLine line({40.f, 2.f});
    line.setPosition({100.f, 50.f});
    line.setRotation(-90.f);
    // Kept within [0, 360) as a transformable keeps it.
    EXPECT_FLOAT_EQ(line.getRotation(), 270.f);
    line.setRotation(725.f);
    EXPECT_FLOAT_EQ(line.getRotation(), 5.f);
    line.setRotation(30.f);

    const sf::RectangleShape shape = line.toShape();
    EXPECT_EQ(shape.getSize(), sf::Vector2f(40.f, 2.f));
    EXPECT_EQ(shape.getOrigin(), sf::Vector2f(0.f, 1.f));
    EXPECT_EQ(shape.getFillColor(), sf::Color::Black);
    const sf::Transform lineTransform = line.getTransform();
    const float* mine = lineTransform.getMatrix();
    const float* theirs = shape.getTransform().getMatrix();
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(mine[i], theirs[i]) << i;
    // The far end of the axis: 40 pixels along 30 degrees from the position.
    const sf::Vector2f end = line.getTransform().transformPoint(40.f, 1.f);
    EXPECT_VEC_NEAR(end, 100.f + 40.f * 0.8660254f, 50.f + 40.f * 0.5f, 1e-3);

    // A line costs a handful of floats, not a whole shape; a base far less than
    // a text and a circle.
    EXPECT_LE(sizeof(LinkLine), 24u);
    EXPECT_LT(sizeof(LinkLine) * 8, sizeof(sf::RectangleShape));
    EXPECT_LE(sizeof(BaseObject), 96u);
}

} // namespace
