// The event pipeline driven with scripted events and scripted live input:
// the binding table, the selection box, pan, group drag, and the order in
// which the widget layer and the canvas see an event.
#include "edit/clipboard_exchange.h"
#include "edit/drawing_ops.h"
#include "gui/menu_bar.h"
#include "tests/unit/app/editor_fixture.h"

using Letters = std::vector<std::string>;

class PipelineTest : public EditorFixture {};

TEST_F(PipelineTest, MenuBarHasTheDocumentedMenusAndItems) {
    auto* menu = app->gui.get<gui::MenuBar>("menu");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->getMenus(), (Letters{"File", "Edit", "View", "Strand", "Label", "Help"}));
    EXPECT_EQ(menu->getMenuItems("File"), (Letters{"New", "Save", "Save As...", "Open", "Export", "Exit"}));
    Letters edit = menu->getMenuItems("Edit");
    ASSERT_GE(edit.size(), 3u);
    EXPECT_EQ(edit[0], "Undo");
    EXPECT_EQ(edit[1], "Redo");
    EXPECT_EQ(edit.back(), "Cut/Copy/Paste 3' to 5'");
}

TEST_F(PipelineTest, FirstKeyOnAnEmptyDrawing) {
    // T starts a strand whose one base stands at the pointer.
    moveTo(300, 200);
    key(sf::Keyboard::T);
    ASSERT_EQ(app->strands.size(), 1u);
    EXPECT_EQ(letters(*app->strands[0]), Letters{"T"});
    EXPECT_EQ(basePos(*app->strands[0], 0), sf::Vector2f(300, 200));
    EXPECT_TRUE(app->unsavedChanges);

    // Another key: marks changed, the empty strand goes with the next event.
    app->strands.clear();
    app->unsavedChanges = false;
    key(sf::Keyboard::LShift);
    EXPECT_TRUE(app->unsavedChanges);
    moveTo(301, 200);
    EXPECT_TRUE(app->strands.empty());

    // Control + A selects nothing, then the first-base rule makes an A.
    controlKey(sf::Keyboard::A);
    ASSERT_EQ(app->strands.size(), 1u);
    EXPECT_EQ(letters(*app->strands[0]), Letters{"A"});
}

TEST_F(PipelineTest, TypedLettersGrowTheNearerEndAndChangeASelectedBase) {
    Strand& s = typeStrand(100, 300, "GC");
    moveTo(0, 300); // nearer the 5' end
    key(sf::Keyboard::A);
    EXPECT_EQ(letters(s), (Letters{"A", "G", "C"}));

    clickAt(basePos(s, 1).x, basePos(s, 1).y);
    key(sf::Keyboard::U);
    EXPECT_EQ(letters(s), (Letters{"A", "U", "C"}));
    controlKey(sf::Keyboard::G); // Control + letter does not change the selected base
    EXPECT_EQ(letters(s), (Letters{"A", "U", "C"}));
}

TEST_F(PipelineTest, ClickSelectsAndDragMovesABaseOrWithControlTheWholeSelection) {
    Strand& s = typeStrand(200, 300, "GCAT");
    sf::Vector2f start = basePos(s, 1);
    dragFromTo(start.x, start.y, start.x + 40, start.y + 60);
    EXPECT_TRUE(s.getBases()[1]->isSelected());
    EXPECT_FALSE(s.getBases()[0]->isSelected());
    EXPECT_EQ(basePos(s, 1), start + sf::Vector2f(40, 60));
    EXPECT_FALSE(s.getBases()[1]->isDragging());
    key(sf::Keyboard::Delete);
    EXPECT_EQ(letters(s), (Letters{"G", "A", "T"}));

    // Control + click adds to the selection; a press with Control drags it all.
    const sf::Vector2f g = basePos(s, 0), a = basePos(s, 1), t = basePos(s, 2);
    clickAt(g.x, g.y);
    scripted.input->control = true;
    clickAt(a.x, a.y);
    EXPECT_TRUE(s.getBases()[0]->isSelected() && s.getBases()[1]->isSelected());
    press();
    scripted.input->control = false;
    moveTo(a.x + 10, a.y + 20);
    release();
    EXPECT_EQ(basePos(s, 0), g + sf::Vector2f(10, 20));
    EXPECT_EQ(basePos(s, 1), a + sf::Vector2f(10, 20));
    EXPECT_EQ(basePos(s, 2), t);
}

TEST_F(PipelineTest, SelectionBoxSelectsTheSameInEitherDirectionWithEdgesIncluded) {
    Strand& s = typeStrand(100, 300, "GCAT");
    sf::Vector2f b0 = basePos(s, 0), b1 = basePos(s, 1), b2 = basePos(s, 2);
    auto selected = [&] {
        std::vector<bool> out;
        for (const auto& b : s.getBases())
            out.push_back(b->isSelected());
        return out;
    };
    // The box starts away from every element and has the second base's x on its edge.
    dragFromTo(b1.x, b1.y - 40, b2.x + 5, b1.y + 40);
    EXPECT_EQ(selected(), (std::vector<bool>{false, true, true, false}));
    EXPECT_FALSE(app->boxActive);
    clickAt(600, 600); // deselects everything
    EXPECT_EQ(selected(), (std::vector<bool>{false, false, false, false}));
    dragFromTo(b2.x + 5, b1.y + 40, b1.x, b1.y - 40);
    EXPECT_EQ(selected(), (std::vector<bool>{false, true, true, false}));

    // With Control held, a second box adds to the selection.
    scripted.input->control = true;
    dragFromTo(b0.x - 5, b0.y - 40, b0.x + 5, b0.y + 40);
    scripted.input->control = false;
    EXPECT_EQ(selected(), (std::vector<bool>{true, true, true, false}));
}

TEST_F(PipelineTest, RightDragPansWithoutMarkingChangesButNotUnderADialog) {
    Strand& s = typeStrand(100, 300, "GC");
    app->unsavedChanges = false;
    sf::Vector2f before = basePos(s, 0), label = s.getFiveLabel().getPosition();
    moveTo(500, 500);
    scripted.input->rightButton = true;
    moveTo(530, 480);
    moveTo(560, 470);
    EXPECT_EQ(basePos(s, 0), before + sf::Vector2f(60, -30));
    EXPECT_EQ(s.getFiveLabel().getPosition(), label + sf::Vector2f(60, -30));
    EXPECT_FALSE(app->unsavedChanges);

    scripted.input->rightButton = false;
    chooseMenuItem("Instructions");
    ASSERT_NE(app->gui.get("InstructionsWindow"), nullptr);
    scripted.input->rightButton = true;
    moveTo(600, 500);
    scripted.input->rightButton = false;
    EXPECT_EQ(basePos(s, 0), before + sf::Vector2f(60, -30));
}

TEST_F(PipelineTest, WidgetsAndTheMenuBarSeeAPressBeforeTheCanvas) {
    Strand& s = typeStrand(100, 300, "GC");
    clickAt(basePos(s, 0).x, basePos(s, 0).y);
    // Over the menu bar a press neither grabs, deselects nor starts a box.
    app->pointerOverMenuBar = true;
    press();
    EXPECT_FALSE(app->boxActive);
    EXPECT_TRUE(s.getBases()[0]->isSelected());
    release();
    app->pointerOverMenuBar = false;

    // The menu command that this event completes opens a dialog; the canvas
    // steps of the same event then see the dialog and leave the drawing alone.
    moveTo(600, 600);
    app->gui.queueCallback({0, "New Label"});
    press();
    EXPECT_NE(app->gui.get("NewLabelWindow"), nullptr);
    EXPECT_FALSE(app->boxActive);
    EXPECT_TRUE(s.getBases()[0]->isSelected()) << "the press did not deselect";
}

TEST_F(PipelineTest, WheelZoomsAboutThePointer) {
    Strand& s = typeStrand(100, 300, "GCA");
    sf::Vector2f pivot = basePos(s, 1), other = basePos(s, 2);
    moveTo(pivot.x, pivot.y);
    app->unsavedChanges = false;
    wheel(1.f);
    EXPECT_EQ(app->zoomSize, 35.f);
    EXPECT_EQ(app->textSize, 35);
    EXPECT_NEAR(basePos(s, 1).x, pivot.x, 1e-3);
    EXPECT_NEAR(basePos(s, 2).x, pivot.x + (other.x - pivot.x) * 35.f / 30.f, 1e-3);
    EXPECT_FALSE(app->unsavedChanges);

    for (int i = 0; i < 10; ++i)
        wheel(-1.f);
    EXPECT_EQ(app->zoomSize, 5.f) << "30, 25, ..., 5 and no further";
    key(sf::Keyboard::Z);
    EXPECT_EQ(app->zoomSize, 30.f);
    EXPECT_EQ(app->previousZoomSize, 5.f);
    for (int i = 0; i < 40; ++i)
        key(sf::Keyboard::Add);
    EXPECT_EQ(app->zoomSize, 160.f);
    chooseMenuItem("Zoom In");
    EXPECT_EQ(app->zoomSize, 160.f);
}

TEST_F(PipelineTest, CenterPutsTheBoundsCentreOnTheWindowCentre) {
    Strand& s = typeStrand(100, 200, "GCAT");
    key(sf::Keyboard::R);
    sf::FloatRect b = drawingBounds(*app);
    EXPECT_NEAR(b.left + b.width / 2.f, 512.f, 1e-3);
    EXPECT_NEAR(b.top + b.height / 2.f, 384.f, 1e-3);
    sf::Vector2f before = basePos(s, 0);
    chooseMenuItem("Center");
    EXPECT_NEAR(basePos(s, 0).x, before.x, 1e-3) << "already centred";
}

TEST_F(PipelineTest, ControlShortcutsActWhileADialogIsOpenOtherKeysDoNot) {
    Strand& s = typeStrand(100, 300, "GC");
    chooseMenuItem("Instructions");
    ASSERT_NE(app->gui.get("InstructionsWindow"), nullptr);
    key(sf::Keyboard::A);
    EXPECT_EQ(s.getBases().size(), 2u);
    controlKey(sf::Keyboard::A);
    EXPECT_TRUE(s.getBases()[0]->isSelected());
    controlKey(sf::Keyboard::S);
    EXPECT_EQ(scripted.files->saveCalls, 1) << "Control + S asks for a path even with a dialog open";
    controlKey(sf::Keyboard::K);
    EXPECT_EQ(scripted.links->opened.size(), 1u);
    chooseMenuItem("Delete Entire Strand"); // menu clicks are dropped under the dialog
    EXPECT_EQ(app->strands.size(), 1u);

    // By the time a save dialog returns, Control has been let go; only the
    // key event still says it was held.
    app->gui.remove("InstructionsWindow");
    scripted.files->answers = {::testing::TempDir() + "tavilon-modal-save.dna"};
    key(sf::Keyboard::S, true);
    EXPECT_EQ(scripted.files->saveCalls, 2);
    EXPECT_FALSE(app->unsavedChanges) << "the S of Control + S is no strand key";
    EXPECT_EQ(s.getBases().size(), 2u);
}

TEST_F(PipelineTest, MenuCommandsCheckTheirPreconditions) {
    Strand& first = typeStrand(100, 300, "GCA");
    // A strand typed on a non-empty drawing needs a selected strand; build a
    // second one through the model.
    Strand& second = addStrand(100, 500, "G");
    first.setActive(true);
    second.setActive(true);
    chooseMenuItem("Copy Entire Strand");
    EXPECT_EQ(scripted.clipboard->writes, 0) << "two active strands: nothing runs";

    second.setActive(false);
    chooseMenuItem("Copy Entire Strand");
    EXPECT_EQ(scripted.clipboard->text, "5' - GCA- 3'");
    chooseMenuItem("Cut/Copy/Paste 3' to 5'");
    EXPECT_FALSE(app->clipboardFiveToThree);
    EXPECT_EQ(app->gui.get<gui::MenuBar>("menu")->getMenuItems("Edit").back(), "Cut/Copy/Paste 5' to 3'");
    chooseMenuItem("Copy Entire Strand");
    EXPECT_EQ(scripted.clipboard->text, "3' - ACG - 5'");

    chooseMenuItem("Edit Label");
    EXPECT_EQ(app->gui.get("EditLabelWindow"), nullptr) << "no label selected";
    chooseMenuItem("Not a menu item");
    chooseMenuItem("Delete Entire Strand");
    ASSERT_EQ(app->strands.size(), 1u);
    EXPECT_EQ(app->strands[0].get(), &second);
}

TEST_F(PipelineTest, DeletingTheLastBaseSweepsTheStrandAndEscapeAsksFirst) {
    Strand& s = typeStrand(100, 300, "G");
    clickAt(basePos(s, 0).x, basePos(s, 0).y);
    chooseMenuItem("Delete Selected Bases");
    EXPECT_TRUE(app->strands.empty()) << "the menu's deletion is swept in the same event";

    Strand& t = typeStrand(100, 300, "G");
    clickAt(basePos(t, 0).x, basePos(t, 0).y);
    key(sf::Keyboard::Delete);
    EXPECT_TRUE(app->strands.empty()) << "the key release that follows sweeps it";

    // Escape with unsaved changes asks first, and Exit then too.
    ASSERT_TRUE(app->unsavedChanges);
    key(sf::Keyboard::Escape);
    EXPECT_NE(app->gui.get("UnsavedChangesWindow"), nullptr);
    chooseMenuItem("Exit");
    EXPECT_NE(app->gui.get("UnsavedChangesWindow"), nullptr);
}

TEST_F(PipelineTest, PairsTheFirstAndLastStrands) {
    key(sf::Keyboard::P); // nothing to pair
    EXPECT_TRUE(app->strands.empty());
    Strand& a = typeStrand(100, 200, "ACGT");
    Strand& b = addStrand(400, 500, "ACGT");
    sf::Vector2f origin = basePos(a, 0);
    key(sf::Keyboard::P);
    // ACGT over ACGT pairs whole at offset 0: the rows 36 apart, the second
    // strand's 3' end under the first strand's 5' end.
    for (std::size_t i = 0; i < 4; ++i) {
        float x = 48.f * static_cast<float>(i);
        EXPECT_EQ(basePos(a, i), origin + sf::Vector2f(x, 18.f));
        EXPECT_EQ(basePos(b, 3 - i), origin + sf::Vector2f(x, 72.f - 18.f));
    }
}

TEST_F(PipelineTest, APasteLongerThanAllowedChangesNothing) {
    scripted.clipboard->text = "5' - GC AT - 3'";
    moveTo(300, 300);
    EXPECT_FALSE(pasteStrandText(*app, 3));
    EXPECT_TRUE(app->strands.empty());
    EXPECT_FALSE(app->unsavedChanges);
    EXPECT_TRUE(pasteStrandText(*app, 4)) << "the end labels' digits and spaces are no bases";
    ASSERT_EQ(app->strands.size(), 1u);
    EXPECT_EQ(app->strands[0]->getBases().size(), 4u);
    EXPECT_GT(longestPaste(), 1000000u) << "a million letters fit on any machine this runs on";
}
