#include "dialogs/new_strand_window.h"
#include "tests/unit/dialogs/dialog_fixture.h"

namespace {

const char* const kName = "NewStrandWindow";

class NewStrandWindowTest : public DialogFixture {};

TEST_F(NewStrandWindowTest, LayoutAndOpenedOnlyOnce) {
    chooseMenuItem("New Strand");
    gui::ChildWindow* dialog = window(kName);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->getTitle(), "Add a new DNA strand");
    EXPECT_EQ(dialog->getSize(), sf::Vector2f(600, 120));
    // Two labels, the box and two anonymous buttons.
    EXPECT_EQ(dialog->size(), 5u);
    auto* five = widget<gui::Label>(kName, "FiveLabel");
    auto* three = widget<gui::Label>(kName, "ThreeLabel");
    auto* box = widget<gui::EditBox>(kName, "EditBox");
    ASSERT_TRUE(five && three && box);
    EXPECT_EQ(five->getText(), "5' -");
    EXPECT_EQ(five->getPosition(), sf::Vector2f(20, 15));
    EXPECT_EQ(three->getText(), "- 3'");
    EXPECT_EQ(three->getPosition(), sf::Vector2f(530, 15));
    EXPECT_EQ(box->getPosition(), sf::Vector2f(80, 20));
    EXPECT_EQ(box->getSize(), sf::Vector2f(440, 32));
    EXPECT_TRUE(box->isFocused());

    // A second opening leaves the same window in place, text and all.
    typeText("gc");
    OpenNewStrandWindow(*app);
    EXPECT_EQ(window(kName), dialog);
    EXPECT_EQ(box->getText(), "GC");
}

TEST_F(NewStrandWindowTest, ReturnBuildsFilteredStrandFollowingThePointer) {
    addLabel(100, 100, "Other", true);
    chooseMenuItem("New Strand");
    typeText("gat|x");
    auto* box = widget<gui::EditBox>(kName, "EditBox");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->getText(), "GAT");
    typeText("5 ");
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
    // 5' G leftmost at the pointer, the others 48 pixels apart.
    EXPECT_EQ(strand.getBases().front()->getPosition(), sf::Vector2f(300, 400));
    EXPECT_EQ(strand.getBases().back()->getPosition(), sf::Vector2f(396, 400));
    EXPECT_TRUE(app->unsavedChanges);

    // It follows the pointer until the next click.
    moveTo(350, 420);
    EXPECT_EQ(strand.getBases().front()->getPosition(), sf::Vector2f(350, 420));
    EXPECT_EQ(strand.getBases().back()->getPosition(), sf::Vector2f(446, 420));
}

TEST_F(NewStrandWindowTest, CreateButtonEmptyBoxAndCancel) {
    // Create clicked with an empty box: no strand, window closed.
    chooseMenuItem("New Strand");
    clickInDialog(kName, 175, 86);
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_TRUE(app->strands.empty());
    EXPECT_FALSE(app->unsavedChanges);

    // Cancel after typing adds nothing.
    moveTo(300, 400);
    chooseMenuItem("New Strand");
    typeText("gatc");
    clickInDialog(kName, 425, 86);
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_TRUE(app->strands.empty());

    // The close button is Cancel too.
    chooseMenuItem("New Strand");
    typeText("gatc");
    clickCloseButton(kName);
    EXPECT_EQ(window(kName), nullptr);
    EXPECT_TRUE(app->strands.empty());

    // The Create button builds the same strand as Return.
    moveTo(200, 300);
    chooseMenuItem("New Strand");
    typeText("GATC");
    clickInDialog(kName, 175, 86);
    EXPECT_EQ(window(kName), nullptr);
    ASSERT_EQ(app->strands.size(), 1u);
    EXPECT_EQ(app->strands.front()->kindSequence(), (std::vector<int>{0, 2, 3, 1}));
}

} // namespace
