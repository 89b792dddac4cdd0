#include "dialogs/strand_color_window.h"
#include "tests/unit/dialogs/dialog_fixture.h"

namespace {

const char* const kName = "StrandColorWindow";

class StrandColorWindowTest : public DialogFixture {
  protected:
    sf::Color sliders() {
        auto value = [this](const char* name) {
            return static_cast<sf::Uint8>(widget<gui::Slider>(kName, name)->getValue());
        };
        return sf::Color(value("RedSlider"), value("GreenSlider"), value("BlueSlider"));
    }
    sf::Color swatch() { return widget<gui::Panel>(kName, "ColorPanel")->getBackgroundColor(); }
};

TEST_F(StrandColorWindowTest, OpensOnlyForOneActiveStrand) {
    chooseMenuItem("Change Strand Color");
    OpenStrandColorWindow(*app);
    EXPECT_EQ(window(kName), nullptr);
    Strand& first = addStrand(100, 200, "GA");
    first.setColor(sf::Color(10, 200, 30));
    addStrand(100, 400, "TT").setColor(sf::Color(1, 2, 3));
    OpenStrandColorWindow(*app);
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(first.getColor(), sf::Color(10, 200, 30));

    // One active strand: sliders and swatch start at its colour, which it keeps.
    app->strands.back()->setActive(false);
    chooseMenuItem("Change Strand Color");
    gui::ChildWindow* dialog = window(kName);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->getTitle(), "Set the color of a DNA strand");
    EXPECT_EQ(dialog->getSize(), sf::Vector2f(500, 250));
    EXPECT_EQ(app->chosenColor, sf::Color(10, 200, 30));
    EXPECT_EQ(sliders(), sf::Color(10, 200, 30));
    EXPECT_EQ(swatch(), sf::Color(10, 200, 30));
    EXPECT_EQ(first.getColor(), sf::Color(10, 200, 30));
    auto* green = widget<gui::Slider>(kName, "GreenSlider");
    ASSERT_NE(green, nullptr);
    EXPECT_EQ(green->getMaximum(), 254u);
    EXPECT_EQ(green->getPosition(), sf::Vector2f(140, 70));
    EXPECT_FALSE(green->getVerticalScroll());
    EXPECT_EQ(widget<gui::Label>(kName, "BlueLabel")->getTextSize(), 28u);
    EXPECT_EQ(widget<gui::Checkbox>(kName, "Checkbox")->getText(), "Use default colors");
    EXPECT_FALSE(widget<gui::Checkbox>(kName, "Checkbox")->isChecked());

    // Opening again changes nothing.
    OpenStrandColorWindow(*app);
    EXPECT_EQ(window(kName), dialog);
    EXPECT_EQ(app->chosenColor, sf::Color(10, 200, 30));
}

TEST_F(StrandColorWindowTest, DefaultColouredStrandStartsRandom) {
    Strand& strand = addStrand(100, 200, "GATC");
    ASSERT_EQ(strand.getColor(), sf::Color::White);
    OpenStrandColorWindow(*app);
    ASSERT_NE(window(kName), nullptr);
    EXPECT_EQ(app->chosenColor, sf::Color::White);
    const sf::Color start = sliders();
    EXPECT_LE(start.r, 254);
    EXPECT_LE(start.g, 254);
    EXPECT_LE(start.b, 254);
    EXPECT_EQ(swatch(), start);
    EXPECT_EQ(strand.getColor(), start);
    EXPECT_NE(strand.getColor(), sf::Color::White);

    // Cancel gives back the default letter colours exactly.
    clickInDialog(kName, 370, 215);
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(strand.getColor(), sf::Color::White);
    EXPECT_FALSE(app->unsavedChanges);
}

TEST_F(StrandColorWindowTest, PureRedShowsAs254UntilCancel) {
    Strand& strand = addStrand(100, 200, "GA");
    strand.setColor(sf::Color(255, 0, 0));
    OpenStrandColorWindow(*app);
    EXPECT_EQ(sliders(), sf::Color(254, 0, 0));
    EXPECT_EQ(strand.getColor(), sf::Color(254, 0, 0));
    clickCloseButton(kName);
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(strand.getColor(), sf::Color(255, 0, 0));
    EXPECT_EQ(strand.getBases().front()->getColor(), sf::Color(255, 0, 0));

    // Apply without moving anything keeps (254, 0, 0): a real change.
    OpenStrandColorWindow(*app);
    clickInDialog(kName, 130, 215);
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(strand.getColor(), sf::Color(254, 0, 0));
    EXPECT_TRUE(app->unsavedChanges);
}

TEST_F(StrandColorWindowTest, SlidersPreviewAndApply) {
    Strand& strand = addStrand(100, 200, "GA");
    strand.setColor(sf::Color(10, 200, 30));
    OpenStrandColorWindow(*app);
    auto* red = widget<gui::Slider>(kName, "RedSlider");
    auto* blue = widget<gui::Slider>(kName, "BlueSlider");
    ASSERT_TRUE(red && blue);
    // A click at the far right of the red slider and the far left of the blue.
    clickInDialog(kName, 140 + red->getSize().x - 1, 30 + red->getSize().y / 2);
    clickInDialog(kName, 141, 110 + blue->getSize().y / 2);
    EXPECT_EQ(sliders(), sf::Color(254, 200, 0));
    EXPECT_EQ(swatch(), sf::Color(254, 200, 0));
    EXPECT_EQ(strand.getColor(), sf::Color(254, 200, 0));
    EXPECT_EQ(app->chosenColor, sf::Color(10, 200, 30));
    EXPECT_FALSE(app->unsavedChanges);

    // Even all three at the top make (254, 254, 254), never the white of the
    // default colours.
    clickInDialog(kName, 140 + red->getSize().x - 1, 70 + red->getSize().y / 2);
    clickInDialog(kName, 140 + red->getSize().x - 1, 110 + red->getSize().y / 2);
    EXPECT_EQ(strand.getColor(), sf::Color(254, 254, 254));

    clickInDialog(kName, 130, 215); // Apply
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(strand.getColor(), sf::Color(254, 254, 254));
    EXPECT_TRUE(app->unsavedChanges);
}

TEST_F(StrandColorWindowTest, CheckBoxGivesDefaultColours) {
    Strand& strand = addStrand(100, 200, "GA");
    strand.setColor(sf::Color(10, 200, 30));
    OpenStrandColorWindow(*app);
    auto* useDefault = widget<gui::Checkbox>(kName, "Checkbox");
    ASSERT_NE(useDefault, nullptr);
    clickWidget(kName, *useDefault);
    EXPECT_TRUE(useDefault->isChecked());
    clickInDialog(kName, 130, 215); // Apply
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(strand.getColor(), sf::Color::White);
    EXPECT_TRUE(app->unsavedChanges);

    // With no single active strand left, Apply and Cancel still close and change nothing.
    strand.setColor(sf::Color(5, 6, 7));
    OpenStrandColorWindow(*app);
    strand.setActive(false);
    clickInDialog(kName, 370, 215); // Cancel
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(strand.getColor(), sf::Color(5, 6, 7));
}

} // namespace
