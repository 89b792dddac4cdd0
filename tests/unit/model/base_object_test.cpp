#include "model/base_kind.h"
#include "model/base_object.h"
#include "tests/unit/model/model_fixture.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <algorithm>

namespace {

using BaseObjectTest = ModelTest;

float expectedRadius(const BaseObject& base) {
    const sf::FloatRect b = base.getLocalBounds();
    return 1.25f * std::max(b.width / 2.f, b.height / 2.f);
}

TEST_F(BaseObjectTest, KindsLettersAndDefaultColours) {
    const char* letters[] = {"G", "C", "A", "T", "U"};
    const sf::Color colours[] = {sf::Color(0, 0, 255), sf::Color(255, 0, 0), sf::Color(255, 0, 255),
                                 sf::Color(0, 255, 0), sf::Color(148, 0, 211)};
    for (int k = 0; k < 5; ++k) {
        BaseObject base(state, 0.f, 0.f, k);
        EXPECT_EQ(base.getKind(), k);
        EXPECT_EQ(base.getLetter(), letters[k]);
        EXPECT_EQ(base.textShape().getString().toAnsiString(), letters[k]);
        EXPECT_EQ(base.textShape().getFillColor(), colours[k]) << letters[k];
        EXPECT_EQ(base.getColor(), sf::Color::White);
    }
    EXPECT_EQ(baseKindOfLetter('u'), BaseKind::U);
    EXPECT_EQ(baseKindOfLetter('x'), -1);

    // An unknown kind keeps the letter and colour and has no letter name.
    BaseObject base(state, 0.f, 0.f, BaseKind::T);
    base.setKind(7);
    EXPECT_EQ(base.getKind(), 7);
    EXPECT_EQ(base.getLetter(), "");
    EXPECT_EQ(base.textShape().getString().toAnsiString(), "T");
    EXPECT_EQ(base.textShape().getFillColor(), sf::Color::Green);
}

TEST_F(BaseObjectTest, WhiteMeansDefaultColour) {
    BaseObject u(state, 0.f, 0.f, BaseKind::U);
    u.setColor(sf::Color(255, 255, 255, 255));
    EXPECT_EQ(u.textShape().getFillColor(), sf::Color(148, 0, 211, 255));
    u.setColor(sf::Color(255, 255, 255, 254));
    EXPECT_EQ(u.textShape().getFillColor(), sf::Color(255, 255, 255, 254));
    u.setColor(sf::Color::Red);
    EXPECT_EQ(u.textShape().getFillColor(), sf::Color::Red);
    // A chosen colour survives a change of kind.
    u.setKind(BaseKind::G);
    EXPECT_EQ(u.textShape().getFillColor(), sf::Color::Red);
    u.setColor(sf::Color::White);
    EXPECT_EQ(u.textShape().getFillColor(), sf::Color::Blue);
}

TEST_F(BaseObjectTest, CircleFitsTheLetterAndFollowsKindAndZoom) {
    BaseObject base(state, 120.f, 80.f, BaseKind::G);
    base.select();
    const float gRadius = base.getSelectionCircle().getRadius();
    EXPECT_FLOAT_EQ(gRadius, expectedRadius(base));
    EXPECT_GT(gRadius, 0.f);
    EXPECT_VEC_NEAR(base.getSelectionCircle().getPosition(), 120.f, 80.f, 0.f);
    EXPECT_EQ(base.getSelectionCircle().getPointCount(), 30u);
    EXPECT_EQ(base.getSelectionCircle().getOutlineColor(), sf::Color::Black);
    EXPECT_EQ(base.getSelectionCircle().getFillColor(), sf::Color::Transparent);
    EXPECT_FLOAT_EQ(base.getSelectionCircle().getOutlineThickness(), 1.f);
    // Origin at the circle's centre, so circle and letter share a centre.
    EXPECT_VEC_NEAR(base.getSelectionCircle().getOrigin(), gRadius, gRadius, 1e-4);
    const sf::FloatRect b = base.getLocalBounds();
    EXPECT_VEC_NEAR(base.textShape().getOrigin(), b.left + b.width / 2.f, b.top + b.height / 2.f, 1e-4);

    // G to A: same place, magenta, circle refitted to the new letter.
    base.setKind(BaseKind::A);
    EXPECT_VEC_NEAR(base.getPosition(), 120.f, 80.f, 0.f);
    EXPECT_EQ(base.textShape().getFillColor(), sf::Color::Magenta);
    EXPECT_FLOAT_EQ(base.getSelectionCircle().getRadius(), expectedRadius(base));
    EXPECT_TRUE(base.isSelected());

    // Zooming to text size 35 recomputes the circle from the larger letter.
    const float at30 = base.getSelectionCircle().getRadius();
    state.textSize = 35;
    state.zoomSize = 35.f;
    base.rescale(base.getPosition());
    EXPECT_EQ(base.textShape().getCharacterSize(), 35u);
    EXPECT_GT(base.getSelectionCircle().getRadius(), at30);
    EXPECT_FLOAT_EQ(base.getSelectionCircle().getRadius(), expectedRadius(base));
}

// Counts the pixels that are clearly not white.
int darkPixels(const sf::Image& image) {
    int count = 0;
    for (unsigned y = 0; y < image.getSize().y; ++y)
        for (unsigned x = 0; x < image.getSize().x; ++x)
            if (image.getPixel(x, y).r < 128 && image.getPixel(x, y).g < 128) ++count;
    return count;
}

TEST_F(BaseObjectTest, CircleOnlyOnScreen) {
    sf::RenderTexture screen;
    sf::RenderTexture picture;
    if (!screen.create(200, 200) || !picture.create(200, 200))
        GTEST_SKIP() << "no display for render textures";
    BaseObject base(state, 100.f, 100.f, BaseKind::G);
    base.select();
    base.setColor(sf::Color(255, 255, 255, 254)); // nearly white letter: only the circle is dark

    state.screenTarget = &screen;
    state.currentTarget = &screen;
    screen.clear(sf::Color::White);
    base.draw();
    screen.display();
    const int onScreen = darkPixels(screen.getTexture().copyToImage());

    state.currentTarget = &picture;
    ASSERT_FALSE(state.drawingOnScreen());
    picture.clear(sf::Color::White);
    base.draw();
    picture.display();
    const int inPicture = darkPixels(picture.getTexture().copyToImage());

    EXPECT_GT(onScreen, 50);
    EXPECT_EQ(inPicture, 0);
    // A deselected base shows no circle on screen either.
    base.setSelected(false);
    state.currentTarget = &screen;
    screen.clear(sf::Color::White);
    base.draw();
    screen.display();
    EXPECT_EQ(darkPixels(screen.getTexture().copyToImage()), 0);
}

} // namespace
