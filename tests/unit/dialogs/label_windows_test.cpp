#include "dialogs/label_windows.h"
#include "tests/unit/dialogs/dialog_fixture.h"

namespace {

const char* const kNew = "NewLabelWindow";
const char* const kEdit = "EditLabelWindow";

class LabelWindowsTest : public DialogFixture {};

TEST_F(LabelWindowsTest, CreateHelloFollowsThePointerAndEmptyCancelOrCloseAddNothing) {
    // Return with an empty box, Cancel (at 220) and the close button (0) leave no label.
    for (float x : {-1.f, 220.f, 0.f}) {
        chooseMenuItem("New Label");
        typeText(x < 0 ? "" : "Hi");
        x<0 ? key(sf::Keyboard::Enter) : x> 0 ? clickInDialog(kNew, x, 86) : clickCloseButton(kNew);
        EXPECT_EQ(window(kNew), nullptr) << x;
        EXPECT_TRUE(app->labels.empty()) << x;
        // (Return then reaches the empty drawing, whose first-strand rule marks it changed.)
        app->unsavedChanges = false;
    }

    Strand& strand = addStrand(100, 100, "GA");
    strand.setAllSelected(true);
    chooseMenuItem("New Label");
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
    const sf::Vector2f before = label.getPosition();
    moveTo(app->pointerPosition.x + 30, app->pointerPosition.y + 10);
    EXPECT_EQ(label.getPosition(), before + sf::Vector2f(30, 10));
}

TEST_F(LabelWindowsTest, EditChangesTheOneSelectedLabelOnApplyOrReturn) {
    Label& first = addLabel(100, 100, "One", true);
    addLabel(200, 200, "Drop", false);
    chooseMenuItem("Edit Label");
    gui::ChildWindow* dialog = window(kEdit);
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

    // Apply after clearing the box removes the label.
    first.setSelected(false);
    app->labels.back()->setSelected(true);
    OpenLabelEditWindow(*app);
    widget<gui::EditBox>(kEdit, "EditBox")->setText("");
    clickInDialog(kEdit, 80, 86); // Apply
    EXPECT_EQ(window(kEdit), nullptr);
    ASSERT_EQ(app->labels.size(), 1u);
    EXPECT_EQ(app->labels.front()->getText(), "Ones");
}

} // namespace
