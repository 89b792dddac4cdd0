#include "app/main_loop.h"
#include "dialogs/label_windows.h"
#include "dialogs/new_strand_window.h"
#include "dialogs/strand_end_window.h"
#include "tests/unit/dialogs/dialog_fixture.h"

namespace {

class DialogConventionsTest : public DialogFixture {};

TEST_F(DialogConventionsTest, CentredByIntegerHalves) {
    app->headlessWindowSize = {1000, 700};
    OpenNewStrandWindow(*app);
    gui::ChildWindow* dialog = window("NewStrandWindow");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->getPosition(), sf::Vector2f(200, 290));
    moveTo(10, 10);
    EXPECT_EQ(dialog->getPosition(), sf::Vector2f(200, 290));
    closeDialog(*app, "NewStrandWindow");

    // An odd width is halved downwards first: 1001 gives the same x.
    app->headlessWindowSize = {1001, 701};
    OpenNewStrandWindow(*app);
    EXPECT_EQ(window("NewStrandWindow")->getPosition(), sf::Vector2f(200, 290));
    closeDialog(*app, "NewStrandWindow");

    // The end labels window, 268 x 186: 500 - 134, 350 - 93.
    app->headlessWindowSize = {1000, 700};
    addStrand(100, 100, "G");
    OpenStrandEndWindow(*app);
    EXPECT_EQ(window("StrandEndWindow")->getPosition(), sf::Vector2f(366, 257));
}

TEST_F(DialogConventionsTest, OpenDialogBlocksMenusAndCanvas) {
    chooseMenuItem("New Label");
    ASSERT_NE(window("NewLabelWindow"), nullptr);
    EXPECT_TRUE(anyDialogOpen(*app));
    chooseMenuItem("New Strand");
    EXPECT_EQ(window("NewStrandWindow"), nullptr);
    // Letters go to the box, not to the (empty) drawing.
    typeText("gat");
    EXPECT_TRUE(app->strands.empty());
    EXPECT_EQ(widget<gui::EditBox>("NewLabelWindow", "EditBox")->getText(), "gat");
}

TEST_F(DialogConventionsTest, DoubleClickOnEndLabels) {
    Strand& strand = addStrand(300, 300, "GAT");
    scripted.clock->advance(1.0); // older than 0.8 s
    const sf::Vector2f three = strand.getThreeLabel().getPosition();
    clickAt(three.x, three.y);
    scripted.clock->advance(0.3);
    clickAt(three.x, three.y);
    ASSERT_NE(window("StrandEndWindow"), nullptr);
    auto* fiveBox = widget<gui::EditBox>("StrandEndWindow", "FiveEditBox");
    auto* threeBox = widget<gui::EditBox>("StrandEndWindow", "ThreeEditBox");
    moveTo(three.x, three.y);
    EXPECT_TRUE(threeBox->isFocused());
    EXPECT_FALSE(fiveBox->isFocused());
    // Typing goes to the 3' box (its text selected, so replaced).
    typeText("out");
    EXPECT_EQ(threeBox->getText(), "out");
    EXPECT_EQ(fiveBox->getText(), "5'");
    closeDialog(*app, "StrandEndWindow");

    // The 5' label: the window keeps its own focus in the 5' box.
    scripted.clock->advance(1.0);
    const sf::Vector2f five = strand.getFiveLabel().getPosition();
    clickAt(five.x, five.y);
    scripted.clock->advance(0.3);
    clickAt(five.x, five.y);
    ASSERT_NE(window("StrandEndWindow"), nullptr);
    moveTo(five.x, five.y);
    EXPECT_TRUE(widget<gui::EditBox>("StrandEndWindow", "FiveEditBox")->isFocused());
    EXPECT_FALSE(widget<gui::EditBox>("StrandEndWindow", "ThreeEditBox")->isFocused());
}

TEST_F(DialogConventionsTest, DoubleClickOnFreeLabel) {
    Label& label = addLabel(400, 300, "Note", false);
    scripted.clock->advance(1.0);
    clickAt(400, 300);
    scripted.clock->advance(0.6); // too slow: no double click
    clickAt(400, 300);
    EXPECT_EQ(window("EditLabelWindow"), nullptr);
    scripted.clock->advance(0.3);
    clickAt(400, 300);
    ASSERT_NE(window("EditLabelWindow"), nullptr);
    EXPECT_EQ(widget<gui::EditBox>("EditLabelWindow", "EditBox")->getText(), "Note");
    EXPECT_TRUE(label.isSelected());
}

} // namespace
