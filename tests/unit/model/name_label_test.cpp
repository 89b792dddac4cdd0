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
    // One left click (press and release) with the pointer on the element.
    void clickOn(DraggableLabel& element) {
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
    EXPECT_EQ(label.getText(), "ab");
    label.setText("a much longer text");
    const sf::FloatRect b = label.getLocalBounds();
    const sf::RectangleShape& box = label.getOutlineBox();
    EXPECT_FLOAT_EQ(box.getSize().x, 1.1f * b.width);
    EXPECT_FLOAT_EQ(box.getSize().y, 1.1f * b.height);
    EXPECT_VEC_NEAR(box.getOrigin(), box.getSize().x / 2.f, box.getSize().y / 2.f, 1e-4);
    EXPECT_VEC_NEAR(box.getPosition(), 300.f, 200.f, 0.f);
    EXPECT_VEC_NEAR(label.getPosition(), 300.f, 200.f, 0.f);
    EXPECT_EQ(box.getOutlineColor(), sf::Color::Black);
    EXPECT_FLOAT_EQ(box.getOutlineThickness(), 1.f);
    EXPECT_EQ(label.textShape().getFillColor(), sf::Color::Black);

    // Non-ASCII text survives the round trip.
    label.setText("Ünïcode – 5′");
    EXPECT_EQ(label.getText(), "Ünïcode – 5′");
    EXPECT_EQ(label.textShape().getString().getSize(), 12u);

    // The box moves with the label.
    label.moveTo({10.f, 20.f});
    EXPECT_VEC_NEAR(box.getPosition(), 10.f, 20.f, 0.f);
}

TEST_F(NameLabelTest, DoubleClickTiming) {
    Label label(state, 100.f, 100.f, "free");
    clock.advance(1.0);
    clickOn(label);
    clock.advance(0.3);
    clickOn(label);
    EXPECT_EQ(labelOpens, 1);
    // The double click does not restart the interval: a third click soon after counts again.
    clock.advance(0.1);
    clickOn(label);
    EXPECT_EQ(labelOpens, 2);

    // 0.6 s apart: no; the second click restarts the interval, so a third 0.3 s later opens.
    clock.advance(2.0);
    clickOn(label);
    clock.advance(0.6);
    clickOn(label);
    EXPECT_EQ(labelOpens, 2);
    clock.advance(0.3);
    clickOn(label);
    EXPECT_EQ(labelOpens, 3);

    // A release over the menu bar or off the label does not count.
    clock.advance(2.0);
    clickOn(label);
    clock.advance(0.1);
    state.pointerOverMenuBar = true;
    label.handleEvent(release());
    state.pointerOverMenuBar = false;
    EXPECT_EQ(labelOpens, 3);
    state.pointerPosition = {500.f, 500.f};
    label.handleEvent(release());
    EXPECT_EQ(labelOpens, 3);
    EXPECT_EQ(endOpens, 0);
}

TEST_F(NameLabelTest, YoungLabelIgnoresDoubleClicks) {
    Label label(state, 100.f, 100.f, "new");
    clock.advance(0.3);
    clickOn(label);
    clock.advance(0.2);
    clickOn(label);
    clock.advance(0.2); // 0.7 s old
    clickOn(label);
    EXPECT_EQ(labelOpens, 0);
    clock.advance(0.2); // 0.9 s old, last click 0.2 s ago
    clickOn(label);
    EXPECT_EQ(labelOpens, 1);
}

TEST_F(NameLabelTest, EndLabelDoubleClickTellsWhichEnd) {
    NameLabel five(state, 100.f, 100.f, "5'");
    NameLabel three(state, 300.f, 100.f, "3'");
    three.setThreePrimeEnd(true);
    EXPECT_FALSE(five.isThreePrimeEnd());
    clock.advance(1.0);
    clickOn(three);
    clock.advance(0.3);
    clickOn(three);
    EXPECT_EQ(endOpens, 1);
    EXPECT_TRUE(lastThreePrime);
    clock.advance(1.0);
    clickOn(five);
    clock.advance(0.3);
    clickOn(five);
    EXPECT_EQ(endOpens, 2);
    EXPECT_FALSE(lastThreePrime);
    EXPECT_EQ(labelOpens, 0);

    // Without a bound action nothing happens (and nothing crashes).
    state.onEndLabelDoubleClick = nullptr;
    clock.advance(0.1);
    clickOn(five);
}

TEST_F(NameLabelTest, DeleteEmptiesOnlySelectedFreeLabels) {
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
}

TEST_F(NameLabelTest, SelectedLabelNeedsExactlyOne) {
    EXPECT_EQ(selectedLabel(state), nullptr);
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
    Label label(state, 100.f, 50.f, "");
    label.setText(".");
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
                if (image.getPixel(x, y).r < 128) ++dark;
        return dark;
    };
    const int picture = countDark();
    state.screenTarget = &target;
    const int screen = countDark();
    EXPECT_GT(screen, picture);
}

} // namespace
