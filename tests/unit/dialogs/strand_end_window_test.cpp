#include "dialogs/strand_end_window.h"
#include "tests/unit/dialogs/dialog_fixture.h"

namespace {

const char* const kName = "StrandEndWindow";

class StrandEndWindowTest : public DialogFixture {};

TEST_F(StrandEndWindowTest, OpensOnlyForOneActiveStrand) {
    // No strand at all.
    chooseMenuItem("Edit End Labels");
    OpenStrandEndWindow(*app);
    EXPECT_EQ(window(kName), nullptr);

    // Two active strands: still none.
    Strand& first = addStrand(100, 200, "GA");
    Strand& second = addStrand(100, 400, "TT");
    chooseMenuItem("Edit End Labels");
    OpenStrandEndWindow(*app);
    EXPECT_EQ(window(kName), nullptr);

    // One active strand: its current texts fill the boxes.
    second.setActive(false);
    first.setEndTexts("in", "");
    chooseMenuItem("Edit End Labels");
    gui::ChildWindow* dialog = window(kName);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->getTitle(), "Edit DNA end labels");
    EXPECT_EQ(dialog->getSize(), sf::Vector2f(268, 186));
    auto* fiveLabel = widget<gui::Label>(kName, "FiveLabel");
    auto* threeLabel = widget<gui::Label>(kName, "ThreeLabel");
    auto* five = widget<gui::EditBox>(kName, "FiveEditBox");
    auto* three = widget<gui::EditBox>(kName, "ThreeEditBox");
    ASSERT_TRUE(fiveLabel && threeLabel && five && three);
    EXPECT_EQ(fiveLabel->getText(), "5' End:");
    EXPECT_EQ(fiveLabel->getTextSize(), 20u);
    EXPECT_EQ(threeLabel->getText(), "3' End:");
    EXPECT_EQ(threeLabel->getPosition(), sf::Vector2f(20, 72));
    EXPECT_EQ(five->getText(), "in");
    EXPECT_EQ(three->getText(), "3'");
    EXPECT_EQ(three->getPosition(), sf::Vector2f(100, 72));
    EXPECT_EQ(three->getSize(), sf::Vector2f(128, 32));
    EXPECT_TRUE(five->isFocused());

    // The focused box opens with its text selected: "|" typed over it is
    // refused and keeps the text; a letter replaces it.
    typeText("|");
    EXPECT_EQ(five->getText(), "in");
    typeText("put");
    EXPECT_EQ(five->getText(), "input");

    // Calling the opener again keeps the window and what was typed.
    OpenStrandEndWindow(*app);
    EXPECT_EQ(window(kName), dialog);
    EXPECT_EQ(five->getText(), "input");
}

TEST_F(StrandEndWindowTest, FilterApplyAndDefaults) {
    Strand& strand = addStrand(100, 200, "GAT");
    OpenStrandEndWindow(*app);
    auto* five = widget<gui::EditBox>(kName, "FiveEditBox");
    ASSERT_NE(five, nullptr);
    // Typed key by key over the selected 5' text, A|B ends as AB.
    typeText("A|B");
    EXPECT_EQ(five->getText(), "AB");

    // Emptied boxes give back the default texts; the Apply button applies both.
    five->setText("");
    widget<gui::EditBox>(kName, "ThreeEditBox")->setText("");
    strand.setEndTexts("x", "y");
    clickInDialog(kName, 72, 140);
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(strand.getFiveLabel().getText(), "5'");
    EXPECT_EQ(strand.getThreeLabel().getText(), "3'");
    EXPECT_TRUE(app->unsavedChanges);
}

TEST_F(StrandEndWindowTest, ReturnInThreeBoxAppliesBoth) {
    Strand& strand = addStrand(100, 200, "GAT");
    OpenStrandEndWindow(*app);
    auto* five = widget<gui::EditBox>(kName, "FiveEditBox");
    auto* three = widget<gui::EditBox>(kName, "ThreeEditBox");
    ASSERT_TRUE(five && three);
    five->setText("in");
    clickWidget(kName, *three);
    typeText("|out");
    EXPECT_EQ(three->getText(), "3'out");
    key(sf::Keyboard::Enter);
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(strand.getFiveLabel().getText(), "in");
    EXPECT_EQ(strand.getThreeLabel().getText(), "3'out");
    EXPECT_TRUE(app->unsavedChanges);
}

TEST_F(StrandEndWindowTest, CancelCloseAndApplyWithoutChangeKeepTheDrawing) {
    Strand& strand = addStrand(100, 200, "GAT");
    OpenStrandEndWindow(*app);
    typeText("abc");
    clickInDialog(kName, 196, 140); // Cancel
    EXPECT_EQ(window(kName), nullptr);
    OpenStrandEndWindow(*app);
    typeText("abc");
    clickCloseButton(kName);
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(strand.getFiveLabel().getText(), "5'");
    EXPECT_EQ(strand.getThreeLabel().getText(), "3'");

    EXPECT_FALSE(app->unsavedChanges);

    // Apply that changes nothing leaves the drawing clean.
    OpenStrandEndWindow(*app);
    clickInDialog(kName, 72, 140);
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_FALSE(app->unsavedChanges);

    // The strand stopped being the only active one while the window was open:
    // Apply changes nothing and still closes.
    OpenStrandEndWindow(*app);
    widget<gui::EditBox>(kName, "FiveEditBox")->setText("gone");
    strand.setActive(false);
    clickInDialog(kName, 72, 140);
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(strand.getFiveLabel().getText(), "5'");
}

} // namespace
