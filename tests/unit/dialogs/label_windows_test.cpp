#include "dialogs/label_windows.h"
#include "tests/unit/dialogs/dialog_fixture.h"

namespace {

const char* const kNew = "NewLabelWindow";
const char* const kEdit = "EditLabelWindow";

class LabelWindowsTest : public DialogFixture {};

TEST_F(LabelWindowsTest, CreateHelloFollowsThePointer) {
    Strand& strand = addStrand(100, 100, "GA");
    strand.setAllSelected(true);
    chooseMenuItem("New Label");
    gui::ChildWindow* dialog = window(kNew);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->getTitle(), "Add a new Label");
    EXPECT_EQ(dialog->getSize(), sf::Vector2f(300, 120));
    auto* box = widget<gui::EditBox>(kNew, "EditBox");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->getPosition(), sf::Vector2f(20, 20));
    EXPECT_EQ(box->getSize(), sf::Vector2f(260, 32));

    typeText("Hel|lo");
    EXPECT_EQ(box->getText(), "Hello");
    clickInDialog(kNew, 80, 86); // Create
    EXPECT_EQ(window(kNew), nullptr);
    ASSERT_EQ(app->labels.size(), 1u);
    Label& label = *app->labels.front();
    EXPECT_EQ(label.getText(), "Hello");
    EXPECT_TRUE(label.isSelected());
    for (const auto& base : strand.getBases())
        EXPECT_FALSE(base->isSelected());
    EXPECT_TRUE(app->unsavedChanges);

    // The Create click happened elsewhere; the label follows every later move.
    sf::Vector2f before = label.getPosition();
    moveTo(app->pointerPosition.x + 30, app->pointerPosition.y + 10);
    EXPECT_EQ(label.getPosition(), before + sf::Vector2f(30, 10));
}

TEST_F(LabelWindowsTest, EmptyCreateAndCancelLeaveNoLabel) {
    chooseMenuItem("New Label");
    key(sf::Keyboard::Enter);
    EXPECT_EQ(window(kNew), nullptr);
    EXPECT_TRUE(app->labels.empty());
    // (The Return key then reaches the empty drawing, whose first-strand rule
    // marks it changed; that is the canvas's doing, not the window's.)
    app->unsavedChanges = false;

    chooseMenuItem("New Label");
    typeText("Hi");
    clickInDialog(kNew, 220, 86); // Cancel
    EXPECT_EQ(window(kNew), nullptr);
    chooseMenuItem("New Label");
    typeText("Hi");
    clickCloseButton(kNew);
    EXPECT_EQ(window(kNew), nullptr);
    EXPECT_TRUE(app->labels.empty());
    EXPECT_FALSE(app->unsavedChanges);
}

TEST_F(LabelWindowsTest, EditOpensOnlyForOneSelectedLabel) {
    chooseMenuItem("Edit Label");
    OpenLabelEditWindow(*app);
    EXPECT_EQ(window(kEdit), nullptr);

    Label& first = addLabel(100, 100, "One", true);
    Label& second = addLabel(200, 200, "Two", true);
    OpenLabelEditWindow(*app);
    EXPECT_EQ(window(kEdit), nullptr);

    second.setSelected(false);
    chooseMenuItem("Edit Label");
    gui::ChildWindow* dialog = window(kEdit);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->getTitle(), "Change a Label");
    auto* box = widget<gui::EditBox>(kEdit, "EditBox");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->getText(), "One");
    typeText("|s");
    EXPECT_EQ(box->getText(), "Ones");
    OpenLabelEditWindow(*app);
    EXPECT_EQ(window(kEdit), dialog);

    clickInDialog(kEdit, 220, 86); // Cancel
    EXPECT_EQ(first.getText(), "One");
    EXPECT_FALSE(app->unsavedChanges);

    OpenLabelEditWindow(*app);
    typeText("|s");
    key(sf::Keyboard::Enter);
    EXPECT_EQ(window(kEdit), nullptr);
    EXPECT_EQ(first.getText(), "Ones");
    EXPECT_TRUE(app->unsavedChanges);
}

TEST_F(LabelWindowsTest, ApplyAfterClearingRemovesTheLabel) {
    addLabel(100, 100, "Keep", false);
    addLabel(200, 200, "Drop", true);
    OpenLabelEditWindow(*app);
    widget<gui::EditBox>(kEdit, "EditBox")->setText("");
    clickInDialog(kEdit, 80, 86); // Apply
    EXPECT_EQ(window(kEdit), nullptr);
    ASSERT_EQ(app->labels.size(), 1u);
    EXPECT_EQ(app->labels.front()->getText(), "Keep");
    EXPECT_TRUE(app->unsavedChanges);
}

} // namespace
