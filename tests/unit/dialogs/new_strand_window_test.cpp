#include "dialogs/new_strand_window.h"
#include "tests/unit/dialogs/dialog_fixture.h"

namespace {

const char* const kName = "NewStrandWindow";

class NewStrandWindowTest : public DialogFixture {};

TEST_F(NewStrandWindowTest, LayoutFilterAndReturnBuildAStrandThatFollowsThePointer) {
    addLabel(100, 100, "Other", true);
    chooseMenuItem("New Strand");
    ASSERT_NE(window(kName), nullptr);
    EXPECT_EQ(window(kName)->size(), 5u) << "two labels, the box and two anonymous buttons";
    auto* five = widget<gui::Label>(kName, "FiveLabel");
    auto* three = widget<gui::Label>(kName, "ThreeLabel");
    auto* box = widget<gui::EditBox>(kName, "EditBox");
    ASSERT_TRUE(five && three && box);
    EXPECT_EQ(five->getText() + " " + three->getText(), "5' - - 3'");
    EXPECT_EQ(five->getPosition(), sf::Vector2f(20, 15));
    EXPECT_EQ(three->getPosition(), sf::Vector2f(530, 15));
    EXPECT_EQ(box->getPosition(), sf::Vector2f(80, 20));
    EXPECT_EQ(box->getSize(), sf::Vector2f(440, 32));
    EXPECT_TRUE(box->isFocused());

    typeText("gat|x5 ");
    EXPECT_EQ(box->getText(), "GAT");
    OpenNewStrandWindow(*app); // a second opening keeps the window and its text
    EXPECT_EQ(box->getText(), "GAT");
    key(sf::Keyboard::Enter);
    EXPECT_EQ(window(kName), nullptr);
    ASSERT_EQ(app->strands.size(), 1u);
    Strand& strand = *app->strands.front();
    EXPECT_EQ(strand.kindSequence(), (std::vector<int>{0, 2, 3}));
    EXPECT_TRUE(strand.isActive());
    for (const auto& base : strand.getBases())
        EXPECT_TRUE(base->isSelected());
    EXPECT_FALSE(app->labels.front()->isSelected());
    EXPECT_TRUE(app->unsavedChanges);
    // 5' G leftmost at the pointer, the others 48 pixels apart, following the pointer.
    EXPECT_EQ(strand.getBases().front()->getPosition(), sf::Vector2f(300, 400));
    EXPECT_EQ(strand.getBases().back()->getPosition(), sf::Vector2f(396, 400));
    moveTo(350, 420);
    EXPECT_EQ(strand.getBases().front()->getPosition(), sf::Vector2f(350, 420));
    EXPECT_EQ(strand.getBases().back()->getPosition(), sf::Vector2f(446, 420));
}

TEST_F(NewStrandWindowTest, EmptyCreateCancelAndCloseAddNothingWhileCreateBuilds) {
    // x is the client-area x of the button clicked: Create at 175, Cancel at 425; 0: close button.
    const struct {
        const char* typed;
        float x;
    } rows[] = {{"", 175}, {"gatc", 425}, {"gatc", 0}};
    for (const auto& r : rows) {
        chooseMenuItem("New Strand");
        typeText(r.typed);
        r.x > 0 ? clickInDialog(kName, r.x, 86) : clickCloseButton(kName);
        EXPECT_EQ(window(kName), nullptr) << r.x;
        EXPECT_TRUE(app->strands.empty()) << r.x;
    }
    EXPECT_FALSE(app->unsavedChanges);

    // The Create button builds the same strand as Return.
    chooseMenuItem("New Strand");
    typeText("GATC");
    clickInDialog(kName, 175, 86);
    EXPECT_EQ(window(kName), nullptr);
    ASSERT_EQ(app->strands.size(), 1u);
    EXPECT_EQ(app->strands.front()->kindSequence(), (std::vector<int>{0, 2, 3, 1}));
}

} // namespace
