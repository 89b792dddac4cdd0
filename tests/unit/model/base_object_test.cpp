#include "model/base_object.h"
#include "model/slot_pool.h"
#include "tests/unit/model/model_fixture.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <algorithm>
#include <cstdint>
#include <set>

namespace {

using BaseObjectTest = ModelTest;

float expectedRadius(const BaseObject& base) {
    const sf::FloatRect b = base.getLocalBounds();
    return 1.25f * std::max(b.width / 2.f, b.height / 2.f);
}

TEST_F(BaseObjectTest, KindsLettersAndColours) {
    const char* letters[] = {"G", "C", "A", "T", "U"};
    const sf::Color colours[] = {sf::Color(0, 0, 255), sf::Color(255, 0, 0), sf::Color(255, 0, 255),
                                 sf::Color(0, 255, 0), sf::Color(148, 0, 211)};
    for (int k = 0; k < 5; ++k) {
        BaseObject base(state, 0.f, 0.f, k);
        EXPECT_EQ(base.getLetter(), letters[k]);
        EXPECT_EQ(base.textShape().getString().toAnsiString(), letters[k]);
        EXPECT_EQ(base.textShape().getFillColor(), colours[k]) << letters[k];
        EXPECT_EQ(baseKindOfLetter(letters[k][0]), k);
    }
    EXPECT_EQ(baseKindOfLetter('u'), BaseKind::U);
    EXPECT_EQ(baseKindOfLetter('x'), -1);

    // White means the kind's own colour; white with alpha 254 is a colour.
    BaseObject u(state, 0.f, 0.f, BaseKind::U);
    u.setColor(sf::Color(255, 255, 255, 254));
    EXPECT_EQ(u.textShape().getFillColor(), sf::Color(255, 255, 255, 254));
    u.setColor(sf::Color::Red);
    u.setKind(BaseKind::G); // a chosen colour survives a change of kind
    EXPECT_EQ(u.textShape().getFillColor(), sf::Color::Red);
    u.setColor(sf::Color::White);
    EXPECT_EQ(u.textShape().getFillColor(), sf::Color::Blue);

    // An unknown kind keeps the letter and colour and has no letter name.
    BaseObject t(state, 0.f, 0.f, BaseKind::T);
    t.setKind(7);
    EXPECT_EQ(t.getKind(), 7);
    EXPECT_EQ(t.getLetter(), "");
    EXPECT_EQ(t.textShape().getString().toAnsiString(), "T");
    EXPECT_EQ(t.textShape().getFillColor(), sf::Color::Green);
}

TEST_F(BaseObjectTest, CircleFitsTheLetterAndFollowsKindAndZoom) {
    BaseObject base(state, 120.f, 80.f, BaseKind::G);
    base.select();
    const sf::CircleShape circle = base.getSelectionCircle();
    const float gRadius = circle.getRadius();
    EXPECT_FLOAT_EQ(gRadius, expectedRadius(base));
    EXPECT_EQ(circle.getPointCount(), 30u);
    EXPECT_FLOAT_EQ(circle.getOutlineThickness(), 1.f);
    // Circle and letter share a centre.
    EXPECT_VEC_NEAR(circle.getPosition(), 120.f, 80.f, 0.f);
    EXPECT_VEC_NEAR(circle.getOrigin(), gRadius, gRadius, 1e-4);
    const sf::FloatRect b = base.getLocalBounds();
    EXPECT_VEC_NEAR(base.textShape().getOrigin(), b.left + b.width / 2.f, b.top + b.height / 2.f, 1e-4);

    // G to A: same place, magenta, circle refitted to the new letter.
    base.setKind(BaseKind::A);
    EXPECT_VEC_NEAR(base.getPosition(), 120.f, 80.f, 0.f);
    EXPECT_EQ(base.textShape().getFillColor(), sf::Color::Magenta);
    EXPECT_FLOAT_EQ(base.getSelectionCircle().getRadius(), expectedRadius(base));
    // Zooming to text size 35 recomputes the circle from the larger letter.
    const float at30 = base.getSelectionCircle().getRadius();
    state.textSize = 35;
    state.zoomSize = 35.f;
    base.rescale(base.getPosition());
    EXPECT_EQ(base.textShape().getCharacterSize(), 35u);
    EXPECT_GT(base.getSelectionCircle().getRadius(), at30);
    EXPECT_FLOAT_EQ(base.getSelectionCircle().getRadius(), expectedRadius(base));
}

TEST_F(BaseObjectTest, CircleOnlyOnScreenAndWhenSelected) {
    sf::RenderTexture screen, picture;
    if (!screen.create(200, 200) || !picture.create(200, 200))
        GTEST_SKIP() << "no display for render textures";
    BaseObject base(state, 100.f, 100.f, BaseKind::G);
    base.select();
    base.setColor(sf::Color(255, 255, 255, 254)); // nearly white letter: only the circle is dark
    state.screenTarget = &screen;
    // Counts the pixels drawn clearly dark.
    auto darkPixels = [&](sf::RenderTexture& target) {
        state.currentTarget = &target;
        target.clear(sf::Color::White);
        base.draw();
        target.display();
        const sf::Image image = target.getTexture().copyToImage();
        int count = 0;
        for (unsigned y = 0; y < 200; ++y)
            for (unsigned x = 0; x < 200; ++x)
                count += image.getPixel(x, y).r < 128 && image.getPixel(x, y).g < 128;
        return count;
    };
    EXPECT_GT(darkPixels(screen), 50);
    EXPECT_EQ(darkPixels(picture), 0);
    base.setSelected(false);
    EXPECT_EQ(darkPixels(screen), 0);
}

} // namespace

TEST(SlotPool, SlotsAreDistinctReusedAndTheirBlocksReleasedWithTheLast) {
    SlotPool pool(20);
    std::set<void*> slots;
    for (int i = 0; i < 10000; ++i) {
        void* slot = pool.take();
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(slot) % alignof(std::max_align_t), 0u);
        slots.insert(slot);
    }
    EXPECT_EQ(slots.size(), 10000u);
    // Slots never overlap: each starts at least a slot's size after the one before.
    for (auto it = std::next(slots.begin()); it != slots.end(); ++it)
        EXPECT_GE(static_cast<char*>(*it) - static_cast<char*>(*std::prev(it)), 20);
    EXPECT_EQ(pool.live(), 10000u);
    EXPECT_EQ(pool.blocks(), 3u) << "4,096 slots a block";
    // A slot given back is the next one taken.
    void* back = *slots.begin();
    pool.give(back);
    EXPECT_EQ(pool.take(), back);
    for (void* slot : slots)
        pool.give(slot);
    EXPECT_EQ(pool.live(), 0u);
    EXPECT_EQ(pool.blocks(), 0u) << "the last slot given back releases every block";
    // And the pool starts afresh.
    pool.give(pool.take());
    EXPECT_EQ(pool.blocks(), 0u);
}
