#include "model/label.h"
#include "model/name_label.h"
#include "model/selection.h"
#include "tests/unit/model/model_fixture.h"

#include <SFML/Graphics/RenderTexture.hpp>

namespace {

class NameLabelTest : public ModelTest {
  protected:
    NameLabelTest() {
        state.onLabelDoubleClick = [this] { ++labelOpens; };
        state.onEndLabelDoubleClick = [this](bool threePrime) {
            ++endOpens;
            lastThreePrime = threePrime;
        };
    }
    // Waits `seconds`, then one left click (press and release) on the element.
    void clickOn(DraggableLabel& element, double seconds) {
        clock.advance(seconds);
        state.pointerPosition = element.getPosition();
        element.handleEvent(press());
        element.handleEvent(release());
    }
    int labelOpens = 0;
    int endOpens = 0;
    bool lastThreePrime = false;
};

TEST_F(NameLabelTest, OutlineBoxFitsTextAndStaysCentred) {
    Label label(state, 300.f, 200.f, "ab");
    label.setText("a much longer text");
    const sf::FloatRect b = label.getLocalBounds();
    const sf::RectangleShape& box = label.getOutlineBox();
    EXPECT_FLOAT_EQ(box.getSize().x, 1.1f * b.width);
    EXPECT_FLOAT_EQ(box.getSize().y, 1.1f * b.height);
    EXPECT_VEC_NEAR(box.getOrigin(), box.getSize().x / 2.f, box.getSize().y / 2.f, 1e-4);
    EXPECT_VEC_NEAR(box.getPosition(), 300.f, 200.f, 0.f);
    label.moveTo({10.f, 20.f});
    EXPECT_VEC_NEAR(box.getPosition(), 10.f, 20.f, 0.f);
    // Non-ASCII text survives the round trip.
    label.setText("Ünïcode – 5′");
    EXPECT_EQ(label.getText(), "Ünïcode – 5′");
    EXPECT_EQ(label.textShape().getString().getSize(), 12u);
}

TEST_F(NameLabelTest, DoubleClickTiming) {
    Label label(state, 100.f, 100.f, "free");
    // Clicks (seconds since the one before) and the opens counted after each.
    // Within 0.5 s a second click opens; the double click does not restart
    // the interval, a click too late does.
    const std::pair<double, int> clicks[] = {{1.0, 0}, {0.3, 1}, {0.1, 2}, {2.0, 2}, {0.6, 2}, {0.3, 3}};
    for (const auto& [wait, opens] : clicks) {
        clickOn(label, wait);
        EXPECT_EQ(labelOpens, opens) << wait;
    }
    // A release over the menu bar or off the label does not count.
    clickOn(label, 2.0);
    clock.advance(0.1);
    state.pointerOverMenuBar = true;
    label.handleEvent(release());
    state.pointerOverMenuBar = false;
    state.pointerPosition = {500.f, 500.f};
    label.handleEvent(release());
    EXPECT_EQ(labelOpens, 3);
    EXPECT_EQ(endOpens, 0);

    // A label younger than 0.9 s ignores double clicks.
    Label young(state, 100.f, 100.f, "new");
    for (const double wait : {0.3, 0.2, 0.2})
        clickOn(young, wait);
    EXPECT_EQ(labelOpens, 3);
    clickOn(young, 0.2);
    EXPECT_EQ(labelOpens, 4);
}

TEST_F(NameLabelTest, EndLabelDoubleClickTellsWhichEnd) {
    NameLabel five(state, 100.f, 100.f, "5'");
    NameLabel three(state, 300.f, 100.f, "3'");
    three.setThreePrimeEnd(true);
    clickOn(three, 1.0);
    clickOn(three, 0.3);
    EXPECT_EQ(endOpens, 1);
    EXPECT_TRUE(lastThreePrime);
    clickOn(five, 1.0);
    clickOn(five, 0.3);
    EXPECT_EQ(endOpens, 2);
    EXPECT_FALSE(lastThreePrime);
    EXPECT_EQ(labelOpens, 0);
    // Without a bound action nothing happens (and nothing crashes).
    state.onEndLabelDoubleClick = nullptr;
    clickOn(five, 0.1);
}

TEST_F(NameLabelTest, DeleteAndSelectedLabel) {
    // Delete empties only selected free labels, never end labels.
    Label label(state, 100.f, 100.f, "free");
    NameLabel end(state, 200.f, 100.f, "in");
    label.handleEvent(key(sf::Keyboard::Delete));
    EXPECT_EQ(label.getText(), "free");
    label.select();
    end.select();
    label.handleEvent(key(sf::Keyboard::Delete));
    end.handleEvent(key(sf::Keyboard::Delete));
    EXPECT_EQ(label.getText(), "");
    EXPECT_EQ(end.getText(), "in");

    // The selected label is the one selected, when exactly one is.
    state.labels.push_back(std::make_unique<Label>(state, 0.f, 0.f, "a"));
    state.labels.push_back(std::make_unique<Label>(state, 50.f, 0.f, "b"));
    EXPECT_EQ(selectedLabel(state), nullptr);
    state.labels[1]->select();
    EXPECT_EQ(selectedLabel(state), state.labels[1].get());
    state.labels[0]->select();
    EXPECT_EQ(selectedLabel(state), nullptr);
}

TEST_F(NameLabelTest, BoxOnlyOnScreen) {
    sf::RenderTexture target;
    if (!target.create(200, 100)) GTEST_SKIP() << "no display for render textures";
    Label label(state, 100.f, 50.f, ".");
    label.select();
    state.currentTarget = &target;
    auto countDark = [&] {
        target.clear(sf::Color::White);
        label.draw();
        target.display();
        const sf::Image image = target.getTexture().copyToImage();
        int dark = 0;
        for (unsigned y = 0; y < 100; ++y)
            for (unsigned x = 0; x < 200; ++x)
                dark += image.getPixel(x, y).r < 128;
        return dark;
    };
    const int picture = countDark();
    state.screenTarget = &target;
    EXPECT_GT(countDark(), picture);
}

} // namespace
