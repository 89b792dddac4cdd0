// The event pipeline driven with scripted events and scripted live input:
// the binding table, the selection box, pan, group drag, and the order in
// which the widget layer and the canvas see an event.
#include "edit/drawing_ops.h"
#include "gui/child_window.h"
#include "gui/menu_bar.h"
#include "model/base_kind.h"
#include "model/label.h"
#include "model/strand.h"
#include "tests/unit/app_fixture.h"

#include <cmath>

namespace {

std::vector<std::string> letters(const Strand& s) {
    std::vector<std::string> out;
    for (const auto& b : s.getBases()) out.push_back(b->getLetter());
    return out;
}

} // namespace

class PipelineTest : public AppFixture {
protected:
    // Types a strand G, C, A, T on an empty drawing, one letter to the right of the last.
    Strand& typeStrand(float x, float y, const std::string& keys = "GCAT") {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            moveTo(x + 48.f * static_cast<float>(i), y);
            key(static_cast<sf::Keyboard::Key>(sf::Keyboard::A + (keys[i] - 'A')));
        }
        return *app->strands.back();
    }
    sf::Vector2f basePos(const Strand& s, std::size_t i) { return s.getBases()[i]->getPosition(); }
};

TEST_F(PipelineTest, StartsWithTheDocumentedState) {
    EXPECT_EQ(app->zoomSize, 30.f);
    EXPECT_EQ(app->previousZoomSize, 30.f);
    EXPECT_EQ(app->textSize, 30);
    EXPECT_TRUE(app->clipboardFiveToThree);
    auto* menu = app->gui.get<gui::MenuBar>("menu");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->getMenus(), (std::vector<std::string>{"File", "Edit", "View", "Strand", "Label", "Help"}));
    EXPECT_EQ(menu->getMenuItems("Edit").back(), "Cut/Copy/Paste 3' to 5'");
    EXPECT_EQ(menu->getMenuItems("File"),
              (std::vector<std::string>{"New", "Save", "Save As...", "Open", "Export", "Exit"}));
}

TEST_F(PipelineTest, FirstKeyOnAnEmptyDrawing) {
    // T starts a strand whose one base stands at the pointer.
    moveTo(300, 200);
    key(sf::Keyboard::T);
    ASSERT_EQ(app->strands.size(), 1u);
    EXPECT_EQ(letters(*app->strands[0]), std::vector<std::string>{"T"});
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
    EXPECT_EQ(letters(*app->strands[0]), std::vector<std::string>{"A"});
}

TEST_F(PipelineTest, TypedLettersGrowTheNearerEndAndChangeASelectedBase) {
    Strand& s = typeStrand(100, 300, "GC");
    EXPECT_EQ(letters(s), (std::vector<std::string>{"G", "C"}));
    moveTo(0, 300); // nearer the 5' end
    key(sf::Keyboard::A);
    EXPECT_EQ(letters(s), (std::vector<std::string>{"A", "G", "C"}));

    clickAt(basePos(s, 1).x, basePos(s, 1).y);
    ASSERT_TRUE(s.getBases()[1]->isSelected());
    key(sf::Keyboard::U);
    EXPECT_EQ(letters(s), (std::vector<std::string>{"A", "U", "C"}));

    // Control + letter does not change the selected base.
    controlKey(sf::Keyboard::G);
    EXPECT_EQ(letters(s), (std::vector<std::string>{"A", "U", "C"}));
}

TEST_F(PipelineTest, ClickSelectsAndDragMovesABase) {
    Strand& s = typeStrand(200, 300, "GCA");
    sf::Vector2f start = basePos(s, 1);
    dragFromTo(start.x, start.y, start.x + 40, start.y + 60);
    EXPECT_TRUE(s.getBases()[1]->isSelected());
    EXPECT_FALSE(s.getBases()[0]->isSelected());
    EXPECT_EQ(basePos(s, 1), start + sf::Vector2f(40, 60));
    EXPECT_FALSE(s.getBases()[1]->isDragging());

    // Delete removes the selected base; the strand keeps the other two.
    key(sf::Keyboard::Delete);
    EXPECT_EQ(letters(s), (std::vector<std::string>{"G", "A"}));
}

TEST_F(PipelineTest, SelectionBoxSelectsTheSameInEitherDirectionWithEdgesIncluded) {
    Strand& s = typeStrand(100, 300, "GCAT");
    // A box from the second base's exact position to beyond the third.
    sf::Vector2f b1 = basePos(s, 1), b2 = basePos(s, 2);
    auto selectedSet = [&] {
        std::vector<bool> out;
        for (const auto& b : s.getBases()) out.push_back(b->isSelected());
        return out;
    };
    // The box starts away from every element and has the second base's x on its edge.
    dragFromTo(b1.x, b1.y - 40, b2.x + 5, b1.y + 40);
    auto leftToRight = selectedSet();
    EXPECT_EQ(leftToRight, (std::vector<bool>{false, true, true, false}));
    EXPECT_FALSE(app->boxActive);

    clickAt(600, 600); // deselects everything
    EXPECT_EQ(selectedSet(), (std::vector<bool>{false, false, false, false}));
    dragFromTo(b2.x + 5, b1.y + 40, b1.x, b1.y - 40);
    EXPECT_EQ(selectedSet(), leftToRight);

    // With Control held, a second box adds to the selection.
    scripted.input->control = true;
    sf::Vector2f b0 = basePos(s, 0);
    dragFromTo(b0.x - 5, b0.y - 40, b0.x + 5, b0.y + 40);
    scripted.input->control = false;
    EXPECT_EQ(selectedSet(), (std::vector<bool>{true, true, true, false}));
}

TEST_F(PipelineTest, RightDragPansWithoutMarkingChangesButNotUnderADialog) {
    Strand& s = typeStrand(100, 300, "GC");
    app->unsavedChanges = false;
    sf::Vector2f before = basePos(s, 0);
    sf::Vector2f label = s.getFiveLabel().getPosition();
    moveTo(500, 500);
    scripted.input->rightButton = true;
    moveTo(530, 480);
    moveTo(560, 470);
    scripted.input->rightButton = false;
    EXPECT_EQ(basePos(s, 0), before + sf::Vector2f(60, -30));
    EXPECT_EQ(s.getFiveLabel().getPosition(), label + sf::Vector2f(60, -30));
    EXPECT_FALSE(app->unsavedChanges);

    chooseMenuItem("Instructions");
    ASSERT_TRUE(app->gui.get("InstructionsWindow") != nullptr);
    scripted.input->rightButton = true;
    moveTo(600, 500);
    scripted.input->rightButton = false;
    EXPECT_EQ(basePos(s, 0), before + sf::Vector2f(60, -30));
}

TEST_F(PipelineTest, ControlPressDragsTheWholeSelection) {
    Strand& s = typeStrand(100, 300, "GCA");
    clickAt(basePos(s, 0).x, basePos(s, 0).y);
    scripted.input->control = true;
    clickAt(basePos(s, 2).x, basePos(s, 2).y);
    EXPECT_TRUE(s.getBases()[0]->isSelected());
    EXPECT_TRUE(s.getBases()[2]->isSelected());
    sf::Vector2f a = basePos(s, 0), c = basePos(s, 2), middle = basePos(s, 1);
    moveTo(c.x, c.y);
    press();
    scripted.input->control = false;
    moveTo(c.x + 10, c.y + 20);
    release();
    EXPECT_EQ(basePos(s, 0), a + sf::Vector2f(10, 20));
    EXPECT_EQ(basePos(s, 2), c + sf::Vector2f(10, 20));
    EXPECT_EQ(basePos(s, 1), middle);
}

TEST_F(PipelineTest, PointerOverTheMenuBarNeitherGrabsNorDeselectsNorStartsABox) {
    Strand& s = typeStrand(100, 300, "GC");
    clickAt(basePos(s, 0).x, basePos(s, 0).y);
    ASSERT_TRUE(s.getBases()[0]->isSelected());
    app->pointerOverMenuBar = true;
    press();
    EXPECT_FALSE(app->boxActive);
    EXPECT_TRUE(s.getBases()[0]->isSelected());
    release();
    app->pointerOverMenuBar = false;
}

TEST_F(PipelineTest, WheelZoomsAboutThePointer) {
    Strand& s = typeStrand(100, 300, "GCA");
    sf::Vector2f pivot = basePos(s, 1), other = basePos(s, 2);
    moveTo(pivot.x, pivot.y);
    sf::Event wheel;
    wheel.type = sf::Event::MouseWheelScrolled;
    wheel.mouseWheelScroll.wheel = sf::Mouse::VerticalWheel;
    wheel.mouseWheelScroll.delta = 1.f;
    wheel.mouseWheelScroll.x = static_cast<int>(pivot.x);
    wheel.mouseWheelScroll.y = static_cast<int>(pivot.y);
    app->unsavedChanges = false;
    send(wheel);
    EXPECT_EQ(app->zoomSize, 35.f);
    EXPECT_EQ(app->textSize, 35);
    EXPECT_NEAR(basePos(s, 1).x, pivot.x, 1e-3);
    EXPECT_NEAR(basePos(s, 2).x, pivot.x + (other.x - pivot.x) * 35.f / 30.f, 1e-3);
    EXPECT_FALSE(app->unsavedChanges);

    wheel.mouseWheelScroll.delta = -1.f;
    for (int i = 0; i < 10; ++i) send(wheel);
    EXPECT_EQ(app->zoomSize, 5.f) << "30, 25, ..., 5 and no further";
    key(sf::Keyboard::Z);
    EXPECT_EQ(app->zoomSize, 30.f);
    EXPECT_EQ(app->previousZoomSize, 5.f);
    for (int i = 0; i < 40; ++i) key(sf::Keyboard::Add);
    EXPECT_EQ(app->zoomSize, 160.f);
    chooseMenuItem("Zoom In");
    EXPECT_EQ(app->zoomSize, 160.f);
}

TEST_F(PipelineTest, CenterPutsTheBoundsCentreOnTheWindowCentre) {
    typeStrand(100, 200, "GCAT");
    key(sf::Keyboard::R);
    sf::FloatRect b = drawingBounds(*app);
    EXPECT_NEAR(b.left + b.width / 2.f, 512.f, 1e-3);
    EXPECT_NEAR(b.top + b.height / 2.f, 384.f, 1e-3);
    sf::Vector2f before = app->strands[0]->getBases()[0]->getPosition();
    chooseMenuItem("Center");
    EXPECT_NEAR(app->strands[0]->getBases()[0]->getPosition().x, before.x, 1e-3);
}

TEST_F(PipelineTest, ControlShortcutsActWhileADialogIsOpenOtherKeysDoNot) {
    Strand& s = typeStrand(100, 300, "GC");
    chooseMenuItem("Instructions");
    ASSERT_TRUE(app->gui.get("InstructionsWindow") != nullptr);
    key(sf::Keyboard::A);
    EXPECT_EQ(s.getBases().size(), 2u);
    controlKey(sf::Keyboard::A);
    EXPECT_TRUE(s.getBases()[0]->isSelected());
    controlKey(sf::Keyboard::S);
    EXPECT_EQ(scripted.files->saveCalls, 1) << "Control + S asks for a path even with a dialog open";
    controlKey(sf::Keyboard::K);
    EXPECT_EQ(scripted.links->opened.size(), 1u);
    // Menu clicks are dropped while the dialog is open.
    chooseMenuItem("Delete Entire Strand");
    EXPECT_EQ(app->strands.size(), 1u);
}

TEST_F(PipelineTest, ASaveThroughAModalDialogLeavesTheDrawingSaved) {
    typeStrand(100, 300, "GC");
    ASSERT_TRUE(app->unsavedChanges);
    // By the time the file dialog returns, Control has been let go; only the
    // key event still says it was held.
    scripted.files->answers = {::testing::TempDir() + "tavilon-modal-save.dna"};
    key(sf::Keyboard::S, true);
    EXPECT_EQ(scripted.files->saveCalls, 1);
    EXPECT_FALSE(app->unsavedChanges) << "the S of Control + S is no strand key";
    EXPECT_EQ(app->strands[0]->getBases().size(), 2u);
}

TEST_F(PipelineTest, WidgetsSeeAnEventBeforeTheCanvas) {
    Strand& s = typeStrand(100, 300, "GC");
    clickAt(basePos(s, 0).x, basePos(s, 0).y);
    // The menu command that this event completes opens a dialog; the canvas
    // steps of the same event then see the dialog and leave the drawing alone.
    moveTo(600, 600);
    app->gui.queueCallback({0, "New Label"});
    press();
    EXPECT_TRUE(app->gui.get("NewLabelWindow") != nullptr);
    EXPECT_FALSE(app->boxActive);
    EXPECT_TRUE(s.getBases()[0]->isSelected()) << "the press did not deselect";
}

TEST_F(PipelineTest, MenuCommandsCheckTheirPreconditions) {
    Strand& first = typeStrand(100, 300, "GCA");
    // A strand typed on a non-empty drawing needs a selected strand; build a
    // second one through the model.
    app->strands.push_back(std::make_unique<Strand>(*app));
    Strand& second = *app->strands.back();
    second.addBase(std::make_unique<BaseObject>(*app, 100.f, 500.f, 0), false);
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

TEST_F(PipelineTest, DeletingTheLastBaseSweepsTheStrand) {
    Strand& s = typeStrand(100, 300, "G");
    clickAt(basePos(s, 0).x, basePos(s, 0).y);
    chooseMenuItem("Delete Selected Bases");
    EXPECT_TRUE(app->strands.empty()) << "the menu's deletion is swept in the same event";

    Strand& t = typeStrand(100, 300, "G");
    clickAt(basePos(t, 0).x, basePos(t, 0).y);
    key(sf::Keyboard::Delete);
    EXPECT_TRUE(app->strands.empty()) << "the key release that follows sweeps it";
}

TEST_F(PipelineTest, EscapeWithUnsavedChangesAsksFirst) {
    typeStrand(100, 300, "G");
    ASSERT_TRUE(app->unsavedChanges);
    key(sf::Keyboard::Escape);
    EXPECT_TRUE(app->gui.get("UnsavedChangesWindow") != nullptr);
    chooseMenuItem("Exit");
    EXPECT_TRUE(app->gui.get("UnsavedChangesWindow") != nullptr);
}

TEST_F(PipelineTest, PairsTheFirstAndLastStrands) {
    key(sf::Keyboard::P); // nothing to pair
    EXPECT_TRUE(app->strands.empty());
    Strand& a = typeStrand(100, 200, "ACGT");
    app->strands.push_back(std::make_unique<Strand>(*app));
    Strand& b = *app->strands.back();
    for (int i = 0; i < 4; ++i)
        b.addBase(std::make_unique<BaseObject>(*app, 400.f + 48.f * static_cast<float>(i), 500.f,
                                               baseKindOfLetter("ACGT"[i])),
                  true);
    sf::Vector2f origin = basePos(a, 0);
    key(sf::Keyboard::P);
    // ACGT over ACGT pairs whole at offset 0: the rows 36 apart, the second
    // strand's 3' end under the first strand's 5' end.
    for (int i = 0; i < 4; ++i) {
        float x = 48.f * static_cast<float>(i);
        EXPECT_EQ(basePos(a, static_cast<std::size_t>(i)), origin + sf::Vector2f(x, 18.f));
        EXPECT_EQ(basePos(b, static_cast<std::size_t>(3 - i)), origin + sf::Vector2f(x, 72.f - 18.f));
    }
}
