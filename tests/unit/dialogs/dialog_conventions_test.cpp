#include "app/main_loop.h"
#include "dialogs/label_windows.h"
#include "dialogs/new_strand_window.h"
#include "dialogs/strand_color_window.h"
#include "dialogs/strand_end_window.h"
#include "tests/unit/dialogs/dialog_fixture.h"

namespace {

class DialogConventionsTest : public DialogFixture {};

// Every window opens from its menu command centred on a 1000 x 700 window, blocks the
// other menu commands while open, and goes with its title-bar close button.
TEST_F(DialogConventionsTest, EveryWindowOpensCentredBlocksMenusAndCloses) {
    app->headlessWindowSize = {1000, 700};
    addStrand(40, 700, "G");          // the one active strand
    addLabel(900, 700, "Note", true); // the one selected label
    const struct {
        const char* item;
        const char* name;
        const char* title;
        sf::Vector2f size, at;
    } rows[] = {
        {"New Strand", "NewStrandWindow", "Add a new DNA strand", {600, 120}, {200, 290}},
        {"Edit End Labels", "StrandEndWindow", "Edit DNA end labels", {268, 186}, {366, 257}},
        {"Change Strand Color", "StrandColorWindow", "Set the color of a DNA strand", {500, 250}, {250, 225}},
        {"New Label", "NewLabelWindow", "Add a new Label", {300, 120}, {350, 290}},
        {"Edit Label", "EditLabelWindow", "Change a Label", {300, 120}, {350, 290}},
        {"Instructions", "InstructionsWindow", "Instructions", {600, 380}, {200, 160}},
        {"About", "AboutWindow", "About the Software", {416, 476}, {292, 112}}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& r = rows[i];
        SCOPED_TRACE(r.name);
        chooseMenuItem(r.item);
        gui::ChildWindow* dialog = window(r.name);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->getTitle(), r.title);
        EXPECT_EQ(dialog->getSize(), r.size);
        EXPECT_EQ(dialog->getPosition(), r.at);
        EXPECT_TRUE(anyDialogOpen(*app));
        const auto& next = rows[(i + 1) % std::size(rows)];
        chooseMenuItem(next.item);
        EXPECT_EQ(window(next.name), nullptr) << "menu commands wait for the open dialog";
        moveTo(10, 10);
        EXPECT_EQ(dialog->getPosition(), r.at) << "not centred again";
        clickCloseButton(r.name);
        EXPECT_EQ(window(r.name), nullptr);
    }
    EXPECT_FALSE(app->unsavedChanges);

    // An odd size is halved downwards first: 1001 x 701 gives the same place.
    app->headlessWindowSize = {1001, 701};
    OpenNewStrandWindow(*app);
    EXPECT_EQ(window("NewStrandWindow")->getPosition(), sf::Vector2f(200, 290));
    // Letters go to the box, not to the drawing.
    typeText("ga");
    EXPECT_EQ(app->strands.size(), 1u);
    EXPECT_EQ(app->strands.front()->getBases().size(), 1u);
    EXPECT_EQ(widget<gui::EditBox>("NewStrandWindow", "EditBox")->getText(), "GA");
}

TEST_F(DialogConventionsTest, SelectionWindowsNeedExactlyOneActiveStrandOrSelectedLabel) {
    const struct {
        const char* item;
        const char* name;
        void (*open)(AppState&);
    } rows[] = {{"Edit End Labels", "StrandEndWindow", OpenStrandEndWindow},
                {"Change Strand Color", "StrandColorWindow", OpenStrandColorWindow},
                {"Edit Label", "EditLabelWindow", OpenLabelEditWindow}};
    auto noneOpens = [&] {
        for (const auto& r : rows) {
            chooseMenuItem(r.item);
            r.open(*app);
            EXPECT_EQ(window(r.name), nullptr) << r.name;
        }
    };
    noneOpens(); // an empty drawing
    addStrand(100, 200, "GA").setColor(sf::Color(10, 200, 30));
    addStrand(100, 400, "TT");
    addLabel(100, 600, "One", true);
    addLabel(300, 600, "Two", true);
    noneOpens(); // two of each
    EXPECT_EQ(app->strands.front()->getColor(), sf::Color(10, 200, 30));
}

TEST_F(DialogConventionsTest, DoubleClicksOnLabelsOpenTheirEditWindows) {
    Strand& strand = addStrand(300, 300, "GAT");
    Label& label = addLabel(400, 500, "Note", false);
    auto doubleClick = [&](sf::Vector2f at, double gap) {
        scripted.clock->advance(1.0); // older than 0.8 s
        clickAt(at.x, at.y);
        scripted.clock->advance(gap);
        clickAt(at.x, at.y);
        moveTo(at.x, at.y);
    };
    // The 3' label focuses the 3' box, whose selected text typing replaces.
    doubleClick(strand.getThreeLabel().getPosition(), 0.3);
    auto* fiveBox = widget<gui::EditBox>("StrandEndWindow", "FiveEditBox");
    auto* threeBox = widget<gui::EditBox>("StrandEndWindow", "ThreeEditBox");
    ASSERT_TRUE(fiveBox && threeBox);
    EXPECT_TRUE(threeBox->isFocused());
    EXPECT_FALSE(fiveBox->isFocused());
    typeText("out");
    EXPECT_EQ(threeBox->getText(), "out");
    EXPECT_EQ(fiveBox->getText(), "5'");
    closeDialog(*app, "StrandEndWindow");
    // The 5' label: the window keeps its own focus in the 5' box.
    doubleClick(strand.getFiveLabel().getPosition(), 0.3);
    ASSERT_NE(window("StrandEndWindow"), nullptr);
    EXPECT_TRUE(widget<gui::EditBox>("StrandEndWindow", "FiveEditBox")->isFocused());
    EXPECT_FALSE(widget<gui::EditBox>("StrandEndWindow", "ThreeEditBox")->isFocused());
    closeDialog(*app, "StrandEndWindow");

    doubleClick({400, 500}, 0.6); // too slow: no double click
    EXPECT_EQ(window("EditLabelWindow"), nullptr);
    scripted.clock->advance(0.3);
    clickAt(400, 500);
    ASSERT_NE(window("EditLabelWindow"), nullptr);
    EXPECT_EQ(widget<gui::EditBox>("EditLabelWindow", "EditBox")->getText(), "Note");
    EXPECT_TRUE(label.isSelected());
}

} // namespace
