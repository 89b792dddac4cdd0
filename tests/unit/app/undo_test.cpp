// Undo and redo through the whole event pipeline: every kind of edit is one
// step that undoes and redoes exactly; pans and zooms are not steps; the
// saved-state marker, the bound, and the keys that must not do anything else.
#include "edit/drawing_ops.h"
#include "edit/history.h"
#include "tests/unit/app/editor_fixture.h"

#include <cstdio>

namespace {

// Everything a person can change, with screen positions to 0.01 pixel: two
// drawings with equal descriptions look the same on screen.
std::string describe(const AppState& app) {
    std::string out;
    auto put = [&](const std::string& text, sf::Vector2f p) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "(%.2f,%.2f) ", static_cast<double>(p.x),
                      static_cast<double>(p.y));
        out += text + buffer;
    };
    for (const auto& s : app.strands) {
        if (s->isEmpty()) continue;
        sf::Color c = s->getColor();
        out += "S " + std::to_string(c.toInteger()) + (s->areEndLabelsVisible() ? " shown " : " hidden ");
        put(s->getFiveLabel().getText(), s->getFiveLabel().getPosition());
        put(s->getThreeLabel().getText(), s->getThreeLabel().getPosition());
        for (const auto& b : s->getBases())
            put(b->getLetter(), b->getPosition());
        out += "\n";
    }
    for (const auto& l : app.labels)
        put("L " + l->getText(), l->getPosition());
    return out;
}

// A strand of `count` bases in a row at height y, added straight to the model.
Strand& addRow(DrawingState& state, float y, int count) {
    state.strands.push_back(std::make_unique<Strand>(state));
    for (int i = 0; i < count; ++i)
        state.strands.back()->addBase(
            std::make_unique<BaseObject>(state, 50.f * static_cast<float>(i), y, i % 4), true);
    return *state.strands.back();
}

} // namespace

class UndoTest : public EditorFixture {
  protected:
    void undo() { controlKey(sf::Keyboard::Z); }
    void redo() { controlKey(sf::Keyboard::Y); }
    std::size_t undoCount() { return app->history.undoCount(); }
    sf::Vector2f basePos(std::size_t strand, std::size_t i) {
        return EditorFixture::basePos(*app->strands[strand], i);
    }

    // Performs `edit`, then checks that it made exactly one step, that undo
    // gives back the drawing as it was before and redo the drawing after.
    template <class Edit> void expectOneStep(const char* what, Edit edit) {
        const std::string before = describe(*app);
        const std::size_t steps = undoCount();
        edit();
        const std::string after = describe(*app);
        EXPECT_NE(after, before) << what << " changed nothing";
        EXPECT_EQ(undoCount(), steps + 1) << what;
        undo();
        EXPECT_EQ(describe(*app), before) << what << " undone";
        redo();
        EXPECT_EQ(describe(*app), after) << what << " redone";
        EXPECT_EQ(undoCount(), steps + 1) << what;
    }
};

TEST_F(UndoTest, TypingAndDraggingUndoAndRedoStepByStep) {
    const std::string empty = describe(*app);
    typeStrand(200, 300, "GCA");
    const std::string typed = describe(*app);
    EXPECT_EQ(undoCount(), 3u) << "one step per typed base";
    sf::Vector2f start = basePos(0, 1);
    dragFromTo(start.x, start.y, start.x + 40, start.y + 60);
    EXPECT_EQ(undoCount(), 4u) << "a drag with several pointer moves is one step";
    const std::string dragged = describe(*app);

    undo();
    EXPECT_EQ(basePos(0, 1), start);
    EXPECT_EQ(describe(*app), typed);
    EXPECT_TRUE(app->strands[0]->getBases()[1]->isSelected()) << "a move undone in place keeps the selection";
    redo();
    EXPECT_EQ(describe(*app), dragged);
    chooseMenuItem("Undo");
    EXPECT_EQ(describe(*app), typed) << "the Edit menu undoes too";
    scripted.input->control = true;
    key(sf::Keyboard::Z, true, true);
    scripted.input->control = false;
    EXPECT_EQ(describe(*app), dragged) << "Control + Shift + Z redoes";

    for (int i = 0; i < 4; ++i)
        undo();
    EXPECT_EQ(describe(*app), empty);
    EXPECT_FALSE(app->unsavedChanges) << "back at the untouched, empty drawing";
    undo(); // nothing left: no change
    EXPECT_TRUE(app->strands.empty());
    chooseMenuItem("Redo");
    ASSERT_EQ(app->strands.size(), 1u);
    EXPECT_EQ(app->strands[0]->getBases().size(), 1u);
    EXPECT_TRUE(app->unsavedChanges);

    // A new edit drops what could have been redone.
    moveTo(200, 500);
    key(sf::Keyboard::T);
    EXPECT_EQ(app->history.redoCount(), 0u);
    redo();
    EXPECT_EQ(app->strands[0]->kindSequence(), (std::vector<int>{0, 3}));
}

TEST_F(UndoTest, KeyEditsAreOneStepEach) {
    typeStrand(100, 300, "GCATG");
    clickAt(basePos(0, 2).x, basePos(0, 2).y);
    expectOneStep("changing a base", [&] { key(sf::Keyboard::U); });
    // Bring the third base off the line, then space and curve.
    dragFromTo(basePos(0, 2).x, basePos(0, 2).y, basePos(0, 2).x + 7, basePos(0, 2).y + 50);
    // Undo and redo rebuild the drawing with nothing selected: select again.
    selectAllElements(*app, true);
    expectOneStep("equal spacing", [&] { key(sf::Keyboard::E); });
    selectAllElements(*app, true);
    moveTo(250, 150);
    expectOneStep("curve through the pointer", [&] { key(sf::Keyboard::W); });
    expectOneStep("centre", [&] { key(sf::Keyboard::R); });
    clickAt(basePos(0, 0).x, basePos(0, 0).y);
    expectOneStep("deleting a base", [&] { key(sf::Keyboard::Delete); });
    expectOneStep("pairing", [&] {
        addStrand(400, 600, "GCA").setActive(false);
        key(sf::Keyboard::P);
    });
}

TEST_F(UndoTest, MenuEditsAreOneStepEach) {
    typeStrand(100, 300, "GCAT");
    expectOneStep("toggling end labels", [&] { chooseMenuItem("Toggle End Labels"); });
    EXPECT_FALSE(app->strands[0]->areEndLabelsVisible());
    chooseMenuItem("Toggle End Labels");
    expectOneStep("moving the whole strand", [&] {
        chooseMenuItem("Move Entire Strand");
        moveTo(150, 420);
        clickAt(160, 430);
    });
    expectOneStep("Center", [&] { chooseMenuItem("Center"); });
    clickAt(basePos(0, 1).x, basePos(0, 1).y);
    scripted.input->control = true;
    clickAt(basePos(0, 2).x, basePos(0, 2).y);
    scripted.input->control = false;
    expectOneStep("cutting selected bases", [&] { chooseMenuItem("Cut Selected Bases"); });
    EXPECT_EQ(app->strands[0]->getBases().size(), 2u);
    scripted.clipboard->text = "5' - GGCC- 3'";
    moveTo(300, 600);
    // The pasted strand follows the pointer until a click places it: one step.
    expectOneStep("paste", [&] {
        controlKey(sf::Keyboard::V);
        moveTo(310, 620);
        clickAt(320, 640);
    });
    // Redo rebuilt two strands, neither active: make the pasted one the active strand.
    for (const auto& strand : app->strands)
        strand->setActive(strand->getBases().size() == 4);
    expectOneStep("deleting a whole strand", [&] { chooseMenuItem("Delete Entire Strand"); });
}

TEST_F(UndoTest, DialogEditsAreOneStepEach) {
    // A strand from the New strand window follows the pointer until a click places it.
    expectOneStep("new strand window", [&] {
        chooseMenuItem("New Strand");
        typeText("gat");
        key(sf::Keyboard::Enter);
        moveTo(320, 410);
        clickAt(330, 420);
    });
    ASSERT_EQ(app->strands.size(), 1u);
    expectOneStep("end label texts", [&] {
        chooseMenuItem("Edit End Labels");
        widget<gui::EditBox>("StrandEndWindow", "FiveEditBox")->setText("in");
        widget<gui::EditBox>("StrandEndWindow", "ThreeEditBox")->setText("out");
        clickInDialog("StrandEndWindow", 72, 140); // Apply
    });
    EXPECT_EQ(app->strands[0]->getFiveLabel().getText(), "in");
    expectOneStep("new label", [&] {
        moveTo(600, 200);
        chooseMenuItem("New Label");
        typeText("probe");
        key(sf::Keyboard::Enter);
        clickAt(610, 210);
    });
    ASSERT_EQ(app->labels.size(), 1u);
    app->labels[0]->select();
    expectOneStep("editing a label", [&] {
        chooseMenuItem("Edit Label");
        widget<gui::EditBox>("EditLabelWindow", "EditBox")->setText("probes");
        key(sf::Keyboard::Enter);
    });
    EXPECT_EQ(app->labels[0]->getText(), "probes");
    app->labels[0]->select();
    expectOneStep("deleting a label with Delete", [&] { key(sf::Keyboard::Delete); });
    EXPECT_TRUE(app->labels.empty());
    undo();
    app->labels[0]->select();
    expectOneStep("deleting a label from the menu", [&] { chooseMenuItem("Delete Label"); });
}

TEST_F(UndoTest, ColourSlidersAndApplyMakeOneStepCancelNone) {
    typeStrand(100, 300, "GA");
    // A coloured strand opens the window with "Use default colors" unticked.
    app->strands[0]->setColor(sf::Color(10, 20, 30));
    app->history.record(*app, app->view);
    const std::string original = describe(*app);
    const std::size_t steps = undoCount();
    // Opens the window and slides red to the right end, green and blue to the left.
    auto slideToRed = [&] {
        chooseMenuItem("Change Strand Color");
        auto* red = widget<gui::Slider>("StrandColorWindow", "RedSlider");
        ASSERT_NE(red, nullptr);
        const float half = red->getSize().y / 2;
        clickInDialog("StrandColorWindow", 140 + red->getSize().x - 1, 30 + half);
        clickInDialog("StrandColorWindow", 141, 70 + half);
        clickInDialog("StrandColorWindow", 141, 110 + half);
    };
    slideToRed();
    EXPECT_EQ(undoCount(), steps) << "slider moves under the open window are no steps";
    clickInDialog("StrandColorWindow", 370, 215); // Cancel
    EXPECT_EQ(undoCount(), steps) << "Cancel gives the colour back: nothing to undo";
    EXPECT_EQ(describe(*app), original);

    slideToRed();
    clickInDialog("StrandColorWindow", 130, 215); // Apply
    ASSERT_EQ(app->strands[0]->getColor(), sf::Color(254, 0, 0));
    EXPECT_EQ(undoCount(), steps + 1);
    undo();
    EXPECT_EQ(describe(*app), original);
    redo();
    EXPECT_EQ(app->strands[0]->getColor(), sf::Color(254, 0, 0));
    EXPECT_EQ(app->strands[0]->getBases()[0]->getColor(), sf::Color(254, 0, 0));
}

TEST_F(UndoTest, ZoomAndPanAreNoStepsAndUndoTouchesOnlyTheContent) {
    typeStrand(100, 300, "GCA");
    const std::size_t steps = undoCount();
    moveTo(130, 290);
    wheel(1.f);
    wheel(1.f);
    ASSERT_EQ(app->zoomSize, 40.f);
    scripted.input->rightButton = true;
    moveTo(150, 330);
    moveTo(170, 351);
    scripted.input->rightButton = false;
    key(sf::Keyboard::Subtract); // and one step back with the key: 35
    EXPECT_EQ(undoCount(), steps) << "zoom and pan change no content";

    // Undo the A: G and C stay exactly where the zoom and pan put them.
    const sf::Vector2f g = basePos(0, 0), c = basePos(0, 1);
    undo();
    ASSERT_EQ(app->strands[0]->getBases().size(), 2u);
    for (auto [now, was] : {std::pair{basePos(0, 0), g}, std::pair{basePos(0, 1), c}}) {
        EXPECT_NEAR(now.x, was.x, 1e-3);
        EXPECT_NEAR(now.y, was.y, 1e-3);
    }
    // Rebuilt at the current zoom: the letter measures as a G made now at size 35.
    ASSERT_EQ(app->textSize, 35);
    EXPECT_EQ(app->strands[0]->getBases()[0]->getLocalBounds(),
              BaseObject(*app, 0.f, 0.f, 0).getLocalBounds());
    EXPECT_EQ(app->zoomSize, 35.f) << "Control + Z no longer resets the zoom";

    // Redo brings the A back at its zoomed place: 48 pixels at zoom 30 from
    // the C are 48 * 35 / 30 = 56 pixels now.
    redo();
    ASSERT_EQ(app->strands[0]->getBases().size(), 3u);
    EXPECT_NEAR(basePos(0, 2).x - basePos(0, 1).x, 56.f, 1e-3);
    EXPECT_NEAR(basePos(0, 2).y, c.y, 1e-3);
    EXPECT_EQ(app->zoomSize, 35.f);

    // Under an open dialog nothing is undone: the window works on the drawing as it is.
    chooseMenuItem("Instructions");
    ASSERT_NE(app->gui.get("InstructionsWindow"), nullptr);
    undo();
    EXPECT_EQ(app->strands[0]->getBases().size(), 3u);
}

TEST_F(UndoTest, SavedStateMarkerAndNewAndOpenForgettingTheHistory) {
    typeStrand(100, 300, "GC");
    const std::string path = ::testing::TempDir() + "tavilon-undo-saved.dna";
    scripted.files->answers = {path};
    controlKey(sf::Keyboard::S);
    ASSERT_FALSE(app->unsavedChanges);
    moveTo(196, 300);
    key(sf::Keyboard::A);
    EXPECT_TRUE(app->unsavedChanges);
    undo();
    EXPECT_FALSE(app->unsavedChanges) << "the drawing is the saved one again";
    redo();
    EXPECT_TRUE(app->unsavedChanges);
    undo();
    undo();
    EXPECT_TRUE(app->unsavedChanges) << "before the saved state";
    redo();
    EXPECT_FALSE(app->unsavedChanges);

    controlKey(sf::Keyboard::N);
    EXPECT_EQ(undoCount(), 0u);
    undo();
    EXPECT_TRUE(app->strands.empty()) << "the old drawing is not one undo away";
    // Any key on an empty drawing marks it changed (the first-strand rule), so
    // Open would ask first.
    app->unsavedChanges = false;
    scripted.files->answers = {path};
    controlKey(sf::Keyboard::O);
    ASSERT_EQ(app->strands.size(), 1u);
    undo();
    ASSERT_EQ(app->strands.size(), 1u) << "the opened drawing is the first state";
    EXPECT_EQ(app->strands[0]->getBases().size(), 2u);
    EXPECT_FALSE(app->unsavedChanges);
    std::remove(path.c_str());
}

TEST_F(UndoTest, HistoryIsBoundedBySteps) {
    typeStrand(100, 300, "G");
    app->strands[0]->getBases()[0]->select();
    for (int i = 0; i < 260; ++i)
        key(i % 2 ? sf::Keyboard::A : sf::Keyboard::C);
    EXPECT_EQ(undoCount(), 200u) << "the 200 latest steps are kept";
    for (int i = 0; i < 300; ++i)
        undo();
    EXPECT_EQ(app->history.redoCount(), 200u);
    ASSERT_EQ(app->strands.size(), 1u);
    // 200 steps back from the last of C, A, C, A, ... (the 260th key, an A)
    // is the 60th key, an A too.
    EXPECT_EQ(app->strands[0]->getBases()[0]->getLetter(), "A");
}

TEST(HistoryTest, ByteBudgetDropsTheOldestStepsAndUnchangedIsNoStep) {
    DrawingState state;
    ViewTransform view;
    History history(1000, 20000);
    Strand& s = addRow(state, 50.f, 0);
    for (int i = 0; i < 100; ++i) {
        s.addBase(std::make_unique<BaseObject>(state, 10.f * static_cast<float>(i), 50.f, i % 4), true);
        EXPECT_TRUE(history.record(state, view));
        EXPECT_LE(history.byteSize(), 20000u + byteSize(history.currentSnapshot()));
    }
    // Each snapshot holds i bases; far fewer than 100 of them fit in 20000 bytes.
    EXPECT_LT(history.undoCount(), 60u);
    EXPECT_GT(history.undoCount(), 5u);
    EXPECT_FALSE(history.record(state, view)) << "an unchanged drawing is no step";
}

TEST(HistoryTest, UnchangedStrandsAreKeptAndChangedOnesRebuilt) {
    DrawingState state;
    ViewTransform view;
    History history;
    const Strand* first = &addRow(state, 0.f, 3);
    BaseObject* moved = addRow(state, 100.f, 3).getBases()[2].get();
    history.record(state, view);
    moved->shiftBack({0.f, -30.f});
    state.strands[0]->addBase(std::make_unique<BaseObject>(state, 150.f, 0.f, 3), true);
    ASSERT_TRUE(history.record(state, view));
    ASSERT_TRUE(history.undo(state, view));
    ASSERT_EQ(state.strands.size(), 2u);
    EXPECT_NE(state.strands[0].get(), first) << "the strand that lost a base is built again";
    EXPECT_EQ(state.strands[0]->getBases().size(), 3u);
    EXPECT_EQ(state.strands[1]->getBases()[2].get(), moved) << "the other is updated in place";
    EXPECT_EQ(moved->getPosition(), sf::Vector2f(100.f, 100.f));
    ASSERT_TRUE(history.redo(state, view));
    EXPECT_EQ(state.strands[0]->getBases().size(), 4u);
    EXPECT_EQ(moved->getPosition(), sf::Vector2f(100.f, 130.f));
    EXPECT_FALSE(history.redo(state, view));
}

TEST(HistoryTest, SnapshotsAreInDocumentSpaceAndExact) {
    DrawingState state;
    ViewTransform view;
    Strand& strand = addRow(state, 0.f, 0);
    strand.addBase(std::make_unique<BaseObject>(state, 100.25f, 200.5f, 1), true);
    strand.setEndTexts("a&b", "");
    strand.setColor(sf::Color(1, 2, 3, 4));
    strand.setEndLabelsVisible(false);
    state.labels.push_back(std::make_unique<Label>(state, 7.f, 9.f, "x"));

    DrawingSnapshot plain = captureDrawing(state, view);
    view.zoom(2.f, {10.f, 20.f}); // screen = 2 doc + (-10, -20)
    view.panBack({5.f, -5.f});    // screen = 2 doc + (-15, -15)
    EXPECT_EQ(view.toScreen({100.25f, 200.5f}), sf::Vector2f(185.5f, 386.f));
    EXPECT_EQ(view.toDocument({185.5f, 386.f}), sf::Vector2f(100.25f, 200.5f));

    restoreDrawing(state, view, plain);
    ASSERT_EQ(state.strands.size(), 1u);
    const Strand& back = *state.strands[0];
    EXPECT_EQ(back.getBases()[0]->getPosition(), sf::Vector2f(185.5f, 386.f));
    EXPECT_EQ(back.getColor(), sf::Color(1, 2, 3, 4)) << "all four components";
    EXPECT_EQ(back.getFiveLabel().getText(), "a&b");
    EXPECT_EQ(back.getThreeLabel().getText(), "3'");
    EXPECT_FALSE(back.areEndLabelsVisible());
    EXPECT_EQ(state.labels[0]->getPosition(), sf::Vector2f(-1.f, 3.f));
    EXPECT_TRUE(sameContent(captureDrawing(state, view), plain));

    // Tolerance: a thousandth of a pixel is rounding; a tenth is an edit.
    auto same = [&](auto change) {
        DrawingSnapshot changed = plain;
        change(changed);
        return sameContent(changed, plain);
    };
    EXPECT_TRUE(same([](DrawingSnapshot& d) { d.strands[0].bases[0].position.x += 0.0005f; }));
    EXPECT_FALSE(same([](DrawingSnapshot& d) { d.strands[0].bases[0].position.x += 0.1f; }));
    EXPECT_FALSE(same([](DrawingSnapshot& d) { d.strands[0].color.a = 255; }));
    EXPECT_FALSE(same([](DrawingSnapshot& d) { d.labels[0].text = "y"; }));
}
