#include "dialogs/strand_color_window.h"
#include "tests/unit/dialogs/dialog_fixture.h"

namespace {

const char* const kName = "StrandColorWindow";

class StrandColorWindowTest : public DialogFixture {
  protected:
    // Checks that the sliders, the swatch and the strand all show `c`.
    void expectShown(const Strand& strand, sf::Color c) {
        auto value = [this](const char* name) {
            return static_cast<sf::Uint8>(widget<gui::Slider>(kName, name)->getValue());
        };
        EXPECT_EQ(sf::Color(value("RedSlider"), value("GreenSlider"), value("BlueSlider")), c);
        EXPECT_EQ(widget<gui::Panel>(kName, "ColorPanel")->getBackgroundColor(), c);
        EXPECT_EQ(strand.getColor(), c);
    }
    // Clicks the slider in the row at client y `top`, at its far left or right end.
    void slideTo(float top, bool right) {
        const sf::Vector2f size = widget<gui::Slider>(kName, "RedSlider")->getSize();
        clickInDialog(kName, right ? 140 + size.x - 1 : 141, top + size.y / 2);
    }
    void apply() { clickInDialog(kName, 130, 215); }
    void cancel() { clickInDialog(kName, 370, 215); }
};

TEST_F(StrandColorWindowTest, SlidersStartAtTheColourPreviewAndApply) {
    Strand& strand = addStrand(100, 200, "GA");
    strand.setColor(sf::Color(10, 200, 30));
    chooseMenuItem("Change Strand Color");
    auto* green = widget<gui::Slider>(kName, "GreenSlider");
    ASSERT_NE(green, nullptr);
    EXPECT_EQ(app->chosenColor, sf::Color(10, 200, 30));
    expectShown(strand, sf::Color(10, 200, 30));
    EXPECT_EQ(green->getMaximum(), 254u);
    EXPECT_EQ(green->getPosition(), sf::Vector2f(140, 70));
    EXPECT_FALSE(green->getVerticalScroll());
    EXPECT_EQ(widget<gui::Label>(kName, "BlueLabel")->getTextSize(), 28u);
    EXPECT_EQ(widget<gui::Checkbox>(kName, "Checkbox")->getText(), "Use default colors");
    EXPECT_FALSE(widget<gui::Checkbox>(kName, "Checkbox")->isChecked());
    OpenStrandColorWindow(*app); // opening again changes nothing
    EXPECT_EQ(app->chosenColor, sf::Color(10, 200, 30));

    // Red to the far right and blue to the far left preview at once, unsaved.
    slideTo(30, true);
    slideTo(110, false);
    expectShown(strand, sf::Color(254, 200, 0));
    EXPECT_EQ(app->chosenColor, sf::Color(10, 200, 30));
    EXPECT_FALSE(app->unsavedChanges);
    // Even all three at the top make (254, 254, 254), never the white of the default colours.
    slideTo(70, true);
    slideTo(110, true);
    apply();
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(strand.getColor(), sf::Color(254, 254, 254));
    EXPECT_TRUE(app->unsavedChanges);

    // The check box gives the default colours, whatever the sliders show.
    OpenStrandColorWindow(*app);
    clickWidget(kName, *widget<gui::Checkbox>(kName, "Checkbox"));
    EXPECT_TRUE(widget<gui::Checkbox>(kName, "Checkbox")->isChecked());
    apply();
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(strand.getColor(), sf::Color::White);
}

TEST_F(StrandColorWindowTest, DefaultColoursStartRandomAndCancelRestoresExactly) {
    Strand& strand = addStrand(100, 200, "GATC");
    OpenStrandColorWindow(*app);
    EXPECT_EQ(app->chosenColor, sf::Color::White);
    const sf::Color start = widget<gui::Panel>(kName, "ColorPanel")->getBackgroundColor();
    EXPECT_TRUE(start.r <= 254 && start.g <= 254 && start.b <= 254);
    expectShown(strand, start);
    cancel();
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(strand.getColor(), sf::Color::White);

    // Pure red shows as (254, 0, 0) until the close button restores (255, 0, 0) exactly.
    strand.setColor(sf::Color(255, 0, 0));
    OpenStrandColorWindow(*app);
    expectShown(strand, sf::Color(254, 0, 0));
    clickCloseButton(kName);
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(strand.getColor(), sf::Color(255, 0, 0));
    EXPECT_EQ(strand.getBases().front()->getColor(), sf::Color(255, 0, 0));
    EXPECT_FALSE(app->unsavedChanges);
    // Apply without moving anything keeps (254, 0, 0): a real change.
    OpenStrandColorWindow(*app);
    apply();
    EXPECT_EQ(strand.getColor(), sf::Color(254, 0, 0));
    EXPECT_TRUE(app->unsavedChanges);
}

TEST_F(StrandColorWindowTest, ShortcutsUnderTheWindowNeverRecolourAnotherStrand) {
    Strand& strand = addStrand(100, 200, "GA");
    strand.setColor(sf::Color(5, 6, 7));
    // Control+V pastes a strand while the preview shows: Cancel still gives
    // the window's strand its colour back, and leaves the new one alone.
    OpenStrandColorWindow(*app);
    slideTo(30, true);
    EXPECT_EQ(strand.getColor(), sf::Color(254, 6, 7));
    scripted.clipboard->text = "CCC";
    controlKey(sf::Keyboard::V);
    ASSERT_EQ(app->strands.size(), 2u);
    Strand& pasted = *app->strands.front();
    ASSERT_NE(&pasted, &strand);
    cancel();
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(strand.getColor(), sf::Color(5, 6, 7));
    EXPECT_EQ(pasted.getColor(), sf::Color::White);

    // Control+X cuts every base of the window's strand, which then goes:
    // Apply recolours nothing.
    strand.setActive(true);
    pasted.setActive(false);
    pasted.setAllSelected(false);
    OpenStrandColorWindow(*app);
    ASSERT_NE(window(kName), nullptr);
    strand.setAllSelected(true);
    controlKey(sf::Keyboard::X);
    ASSERT_EQ(app->strands.size(), 1u);
    pasted.setActive(true);
    slideTo(70, true);
    apply();
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(pasted.getColor(), sf::Color::White);
}

} // namespace
