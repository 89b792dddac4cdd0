#include "dialogs/strand_end_window.h"
#include "tests/unit/dialogs/dialog_fixture.h"

namespace {

const char* const kName = "StrandEndWindow";

class StrandEndWindowTest : public DialogFixture {};

TEST_F(StrandEndWindowTest, OpensWithTheStrandsTextsAndFiltersTheFocusedBox) {
    Strand& strand = addStrand(100, 200, "GA");
    strand.setEndTexts("in", "");
    chooseMenuItem("Edit End Labels");
    gui::ChildWindow* dialog = window(kName);
    auto* fiveLabel = widget<gui::Label>(kName, "FiveLabel");
    auto* threeLabel = widget<gui::Label>(kName, "ThreeLabel");
    auto* five = widget<gui::EditBox>(kName, "FiveEditBox");
    auto* three = widget<gui::EditBox>(kName, "ThreeEditBox");
    ASSERT_TRUE(fiveLabel && threeLabel && five && three);
    EXPECT_EQ(fiveLabel->getText() + " " + threeLabel->getText(), "5' End: 3' End:");
    EXPECT_EQ(fiveLabel->getTextSize(), 20u);
    EXPECT_EQ(threeLabel->getPosition(), sf::Vector2f(20, 72));
    EXPECT_EQ(three->getPosition(), sf::Vector2f(100, 72));
    EXPECT_EQ(three->getSize(), sf::Vector2f(128, 32));
    EXPECT_EQ(five->getText() + " " + three->getText(), "in 3'") << "an empty end shows its default";
    EXPECT_TRUE(five->isFocused());

    // The focused box opens with its text selected: "|" typed over it is refused and
    // keeps the text; after that letters go on at the end, bars dropped where typed.
    typeText("|");
    EXPECT_EQ(five->getText(), "in");
    typeText("p|ut");
    EXPECT_EQ(five->getText(), "input");
    OpenStrandEndWindow(*app); // a second opening keeps the window and what was typed
    EXPECT_EQ(window(kName), dialog);
    EXPECT_EQ(five->getText(), "input");
}

TEST_F(StrandEndWindowTest, ApplyReturnCancelAndClose) {
    Strand& strand = addStrand(100, 200, "GAT");
    auto ends = [&] { return strand.getFiveLabel().getText() + " " + strand.getThreeLabel().getText(); };
    // Cancel (x 196), the close button (0) and an Apply (72) that changes nothing keep the drawing clean.
    const struct {
        const char* typed;
        float x;
    } rows[] = {{"abc", 196}, {"abc", 0}, {"", 72}};
    for (const auto& r : rows) {
        OpenStrandEndWindow(*app);
        typeText(r.typed);
        r.x > 0 ? clickInDialog(kName, r.x, 140) : clickCloseButton(kName);
        EXPECT_EQ(window(kName), nullptr) << r.x;
        EXPECT_EQ(ends(), "5' 3'") << r.x;
        EXPECT_FALSE(app->unsavedChanges) << r.x;
    }

    // Return in the 3' box (clicked, so the cursor is at the end) applies both boxes.
    OpenStrandEndWindow(*app);
    widget<gui::EditBox>(kName, "FiveEditBox")->setText("in");
    auto* three = widget<gui::EditBox>(kName, "ThreeEditBox");
    clickWidget(kName, *three);
    typeText("|out");
    EXPECT_EQ(three->getText(), "3'out");
    key(sf::Keyboard::Enter);
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(ends(), "in 3'out");
    EXPECT_TRUE(app->unsavedChanges);

    // Emptied boxes give back the default texts through the Apply button.
    OpenStrandEndWindow(*app);
    widget<gui::EditBox>(kName, "FiveEditBox")->setText("");
    widget<gui::EditBox>(kName, "ThreeEditBox")->setText("");
    clickInDialog(kName, 72, 140);
    EXPECT_EQ(ends(), "5' 3'");

    // The strand stopped being the only active one while the window was open:
    // Apply changes nothing and still closes.
    OpenStrandEndWindow(*app);
    widget<gui::EditBox>(kName, "FiveEditBox")->setText("gone");
    strand.setActive(false);
    clickInDialog(kName, 72, 140);
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_EQ(ends(), "5' 3'");
}

} // namespace
