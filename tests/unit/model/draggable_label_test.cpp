#include "model/draggable_label.h"
#include "model/name_label.h"
#include "tests/unit/model/model_fixture.h"

namespace {

using DraggableLabelTest = ModelTest;

TEST_F(DraggableLabelTest, HitMarginIsThreePixelsInclusive) {
    BaseObject base(state, 100.f, 100.f, 0);
    const sf::FloatRect b = base.getLocalBounds();
    const float right = 100.f + b.width / 2.f, left = 100.f - b.width / 2.f, bottom = 100.f + b.height / 2.f;
    struct Case {
        float x, y;
        bool hit;
    };
    for (const Case& c : {Case{right + 3.f, 100.f, true}, Case{right + 3.01f, 100.f, false},
                          Case{left - 3.f, 100.f, true}, Case{left - 3.01f, 100.f, false},
                          Case{100.f, bottom + 3.f, true}, Case{100.f, bottom + 3.01f, false}}) {
        pointerAt(c.x, c.y);
        EXPECT_EQ(base.isUnderPointer(), c.hit) << c.x << "," << c.y;
    }
    // An empty text has a 6-pixel square.
    NameLabel empty(state, 50.f, 50.f, "");
    pointerAt(53.f, 47.f);
    EXPECT_TRUE(empty.isUnderPointer());
    pointerAt(53.5f, 50.f);
    EXPECT_FALSE(empty.isUnderPointer());

    // A press 3.01 beyond the edge grabs nothing; exactly 3 grabs and marks the drawing changed.
    pointerAt(right + 3.01f, 100.f);
    base.onPress();
    EXPECT_FALSE(base.isSelected() || state.elementGrabbed || state.unsavedChanges);
    pointerAt(right + 3.f, 100.f);
    base.onPress();
    EXPECT_TRUE(base.isSelected() && base.isDragging() && state.elementGrabbed && state.unsavedChanges);
    EXPECT_FALSE(state.groupDragRequested);
    EXPECT_VEC_NEAR(base.getDragOffset(), b.width / 2.f + 3.f, 0.f, 1e-4);
}

TEST_F(DraggableLabelTest, DragFollowsThePointerAndGuardsTheSelection) {
    BaseObject base(state, 100.f, 100.f, 1);
    pointerAt(102.f, 101.f);
    base.handleEvent(press());
    pointerAt(152.f, 201.f);
    base.handleEvent(moved());
    // Keeps the offset at which it was grabbed; the circle comes along.
    EXPECT_VEC_NEAR(base.getPosition(), 150.f, 200.f, 1e-4);
    EXPECT_VEC_NEAR(base.getSelectionCircle().getPosition(), 150.f, 200.f, 1e-4);
    // Release over the menu bar keeps dragging, also through a deselection.
    state.pointerOverMenuBar = true;
    base.handleEvent(release());
    base.setSelected(false);
    EXPECT_TRUE(base.isDragging());
    state.pointerOverMenuBar = false;
    base.handleEvent(release());
    EXPECT_FALSE(base.isDragging());
    EXPECT_VEC_NEAR(base.getDragOffset(), 0.f, 0.f, 0.f);
    // Moving without dragging does not move; a right-button press is not a grab.
    pointerAt(0.f, 0.f);
    base.handleEvent(moved());
    EXPECT_VEC_NEAR(base.getPosition(), 150.f, 200.f, 1e-4);
    pointerAt(150.f, 200.f);
    base.handleEvent(press(sf::Mouse::Right));
    EXPECT_FALSE(base.isSelected());

    // Over the menu bar a press neither grabs nor deselects, on or off the element.
    base.select();
    state.elementGrabbed = false;
    state.pointerOverMenuBar = true;
    base.onPress();
    EXPECT_FALSE(base.isDragging() || state.elementGrabbed);
    pointerAt(500.f, 500.f);
    base.onPress();
    EXPECT_TRUE(base.isSelected());
    state.pointerOverMenuBar = false;
    // Control-press on empty canvas keeps the selection; on the element it asks for a group drag.
    input.control = true;
    base.onPress();
    EXPECT_TRUE(base.isSelected());
    EXPECT_FALSE(state.groupDragRequested);
    pointerAt(150.f, 200.f);
    base.onPress();
    EXPECT_TRUE(state.groupDragRequested);
    input.control = false;
    // A plain press elsewhere deselects.
    pointerAt(500.f, 500.f);
    base.onPress();
    EXPECT_FALSE(base.isSelected());
}

TEST_F(DraggableLabelTest, RescaleAboutCentre) {
    NameLabel label(state, 30.f, 60.f, "");
    state.zoomSize = 35.f;
    state.previousZoomSize = 30.f;
    state.textSize = 35;
    label.rescale({0.f, 0.f});
    EXPECT_VEC_NEAR(label.getPosition(), 35.f, 70.f, 1e-4);
    EXPECT_EQ(label.textShape().getCharacterSize(), 35u);
    // About its own position only the size changes.
    state.textSize = 40;
    label.rescale(label.getPosition());
    EXPECT_VEC_NEAR(label.getPosition(), 35.f, 70.f, 1e-4);
    EXPECT_EQ(label.textShape().getCharacterSize(), 40u);
    // A dragged element lands on the scaled point minus its drag offset.
    NameLabel dragged(state, 30.f, 60.f, "");
    pointerAt(40.f, 65.f);
    dragged.startDrag();
    dragged.rescale({0.f, 0.f});
    EXPECT_VEC_NEAR(dragged.getPosition(), 35.f - 10.f, 70.f - 5.f, 1e-4);
}

TEST_F(DraggableLabelTest, ShiftBackInRectAndMoveReports) {
    NameLabel label(state, 10.f, 20.f, "");
    label.shiftBack({5.f, -5.f});
    EXPECT_VEC_NEAR(label.getPosition(), 5.f, 25.f, 0.f);
    EXPECT_TRUE(label.isInRect(5.f, 25.f, 5.f, 25.f));
    EXPECT_FALSE(label.isInRect(5.01f, 0.f, 10.f, 30.f));
    EXPECT_FALSE(label.isInRect(0.f, 0.f, 10.f, 24.99f));

    // The owner hears of the first move since it last cleared the mark, and
    // of every change of the selected and dragging flags.
    struct Recorder : ElementObserver {
        int moves = 0, selections = 0, deselections = 0, dragStarts = 0, dragStops = 0;
        void elementMoved(DraggableLabel&) override { ++moves; }
        void selectionChanged(DraggableLabel&, bool s) override { ++(s ? selections : deselections); }
        void draggingChanged(DraggableLabel&, bool d) override { ++(d ? dragStarts : dragStops); }
    } recorder;
    label.setObserver(&recorder);
    EXPECT_TRUE(label.hasMovedSinceFit());
    label.clearMoved();
    label.select();
    label.select();
    label.moveTo({1.f, 1.f});
    label.moveTo({2.f, 1.f});
    EXPECT_EQ(recorder.selections, 1);
    EXPECT_EQ(recorder.moves, 1);
    EXPECT_TRUE(label.hasMovedSinceFit());
    label.clearMoved();
    label.rescale(label.getPosition());
    EXPECT_EQ(recorder.moves, 2);
    label.startDrag();
    label.startDrag();
    label.setSelected(false);
    label.stopDrag();
    EXPECT_EQ(recorder.dragStarts, 1);
    EXPECT_EQ(recorder.deselections, 1);
    EXPECT_EQ(recorder.dragStops, 1);
}

} // namespace
