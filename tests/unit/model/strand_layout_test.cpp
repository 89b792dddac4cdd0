#include "tests/unit/model/model_fixture.h"

#include <cmath>

namespace {

using StrandLayoutTest = ModelTest;

TEST_F(StrandLayoutTest, SpacingEvensOutTheSelectedRun) {
    // Horizontally: from the first base's row, evenly between the ends' x;
    // the end labels one step beyond.
    Strand& row = strandAt({{100.f, 100.f}, {130.f, 140.f}, {220.f, 90.f}});
    row.setAllSelected(true);
    row.spaceHorizontally(false);
    EXPECT_TRUE(state.unsavedChanges);
    const float rowX[] = {40.f, 100.f, 160.f, 220.f, 280.f};
    // Vertically: on the first base's column, evenly between the ends' y.
    Strand& column = strandAt({{100.f, 100.f}, {130.f, 140.f}, {220.f, 90.f}});
    column.setAllSelected(true);
    column.spaceVertically(false);
    const float columnY[] = {105.f, 100.f, 95.f, 90.f, 85.f};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_VEC_NEAR(base(row, k).getPosition(), rowX[k + 1], 100.f, 1e-4) << k;
        EXPECT_VEC_NEAR(base(column, k).getPosition(), 100.f, columnY[k + 1], 1e-4) << k;
    }
    EXPECT_VEC_NEAR(row.getFiveLabel().getPosition(), rowX[0], 100.f, 1e-4);
    EXPECT_VEC_NEAR(row.getThreeLabel().getPosition(), rowX[4], 100.f, 1e-4);
    EXPECT_VEC_NEAR(column.getFiveLabel().getPosition(), 100.f, columnY[0], 1e-4);
    EXPECT_VEC_NEAR(column.getThreeLabel().getPosition(), 100.f, columnY[4], 1e-4);

    // The run reaches from the first to the last selected base, unselected
    // ones included; labels only move when it touches a strand end.
    Strand& strand = strandAt({{0.f, 0.f},
                               {100.f, 50.f},
                               {130.f, -20.f},
                               {150.f, 30.f},
                               {170.f, 10.f},
                               {400.f, 80.f},
                               {500.f, 0.f}});
    const sf::Vector2f five = strand.getFiveLabel().getPosition();
    base(strand, 1).select();
    base(strand, 5).select();
    strand.spaceHorizontally(false);
    for (std::size_t k = 0; k < 5; ++k) // 75 apart on y = 50
        EXPECT_VEC_NEAR(base(strand, 1 + k).getPosition(), 100.f + 75.f * static_cast<float>(k), 50.f, 1e-4);
    EXPECT_VEC_NEAR(base(strand, 0).getPosition(), 0.f, 0.f, 0.f);
    EXPECT_VEC_NEAR(base(strand, 6).getPosition(), 500.f, 0.f, 0.f);
    EXPECT_VEC_NEAR(strand.getFiveLabel().getPosition(), five.x, five.y, 0.f);
    // The whole strand, selection or not.
    strand.setAllSelected(false);
    strand.spaceHorizontally(true);
    for (std::size_t k = 0; k < 7; ++k)
        EXPECT_VEC_NEAR(base(strand, k).getPosition(), 500.f / 6.f * static_cast<float>(k), 0.f, 1e-3);

    // A dragged last base: the step takes its x plus its drag offset, and
    // moveTo takes the offset off again.
    Strand& dragged = strandAt({{0.f, 0.f}, {40.f, 10.f}, {90.f, 20.f}});
    dragged.setAllSelected(true);
    pointerAt(95.f, 27.f);
    base(dragged, 2).startDrag(); // offset (5, 7)
    dragged.spaceHorizontally(false);
    EXPECT_VEC_NEAR(base(dragged, 1).getPosition(), 47.5f, 0.f, 1e-4);
    EXPECT_VEC_NEAR(base(dragged, 2).getPosition(), 90.f, -7.f, 1e-4);
}

TEST_F(StrandLayoutTest, RunsTooShortOrCollinearOnlyMarkTheChange) {
    // Two selected bases, or none: every action just marks the drawing changed.
    Strand& strand = strandAt({{0.f, 0.f}, {10.f, 30.f}, {20.f, 70.f}});
    base(strand, 0).select();
    base(strand, 1).select();
    strand.spaceHorizontally(false);
    strand.spaceVertically(false);
    pointerAt(50.f, -50.f);
    strand.curveThroughPointer(false);
    EXPECT_TRUE(state.unsavedChanges);
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 10.f, 30.f, 0.f);
    strand.setAllSelected(false);
    state.unsavedChanges = false;
    strand.spaceHorizontally(false);
    EXPECT_TRUE(state.unsavedChanges);
    EXPECT_VEC_NEAR(base(strand, 2).getPosition(), 20.f, 70.f, 0.f);

    // No circle through the pointer and the run's ends: the run stays put, finite.
    struct Case {
        std::vector<sf::Vector2f> points;
        sf::Vector2f pointer;
    };
    const Case cases[] = {
        {{{0.f, 0.f}, {50.f, 20.f}, {100.f, 40.f}, {200.f, 0.f}}, {300.f, 0.f}},  // on the line, beyond L
        {{{0.f, 0.f}, {50.f, 20.f}, {100.f, 40.f}, {200.f, 0.f}}, {100.f, 0.f}},  // between F and L
        {{{0.f, 0.f}, {5.f, 50.f}, {30.f, 60.f}, {100.f, 50.f}}, {300.f, 150.f}}, // slanted line
        {{{0.f, 0.f}, {50.f, 20.f}, {0.f, 0.f}}, {40.f, 70.f}},                   // F and L in one place
    };
    for (const Case& c : cases) {
        Strand& run = strandAt(c.points);
        run.setAllSelected(true);
        pointerAt(c.pointer.x, c.pointer.y);
        run.curveThroughPointer(false);
        EXPECT_VEC_NEAR(base(run, 1).getPosition(), c.points[1].x, c.points[1].y, 0.f) << c.pointer.x;
        EXPECT_TRUE(std::isfinite(run.getFiveLabel().getPosition().x) &&
                    std::isfinite(run.getThreeLabel().getPosition().y));
    }
}

TEST_F(StrandLayoutTest, CurveThroughPointer) {
    Strand& strand = strandAt({{0.f, 0.f}, {10.f, 5.f}, {20.f, 5.f}, {30.f, 5.f}, {200.f, 0.f}});
    strand.setAllSelected(true);
    const float s = 70.7107f;
    // Above the chord the upper half-circle, below it the lower one; the end
    // labels continue the arc one step beyond each end.
    for (const float side : {-1.f, 1.f}) {
        pointerAt(100.f, 100.f * side);
        strand.curveThroughPointer(false);
        EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 100.f - s, side * s, 1e-2);
        EXPECT_VEC_NEAR(base(strand, 2).getPosition(), 100.f, 100.f * side, 1e-2);
        EXPECT_VEC_NEAR(base(strand, 3).getPosition(), 100.f + s, side * s, 1e-2);
        EXPECT_VEC_NEAR(base(strand, 0).getPosition(), 0.f, 0.f, 0.f);
        EXPECT_VEC_NEAR(base(strand, 4).getPosition(), 200.f, 0.f, 0.f);
    }
    pointerAt(100.f, -100.f);
    strand.curveThroughPointer(false);
    EXPECT_VEC_NEAR(strand.getFiveLabel().getPosition(), 100.f - s, s, 1e-2);
    EXPECT_VEC_NEAR(strand.getThreeLabel().getPosition(), 100.f + s, s, 1e-2);
}

TEST_F(StrandLayoutTest, AlignToNeighbourRowOrColumn) {
    BaseObject reference(state, 100.f, 100.f, BaseKind::G);
    BaseObject moving(state, 0.f, 0.f, 0);
    // Offsets from the reference and where the element lands: 30 and 10
    // degrees off the row go onto the row; exactly 45 seen from the element
    // (reference up-right or down-right) onto the column. Degrees come from
    // 3.14159, so the 135-degree diagonals measure 135.0002: the row side.
    struct Case {
        sf::Vector2f offset, landing;
    };
    const Case cases[] = {
        {{86.60254f, 50.f}, {186.60254f, 100.f}}, {{-100.f, -17.6f}, {0.f, 100.f}},
        {{-50.f, 50.f}, {100.f, 150.f}},          {{-50.f, -50.f}, {100.f, 50.f}},
        {{50.f, 50.f}, {150.f, 100.f}},           {{50.f, -50.f}, {150.f, 100.f}},
    };
    for (const Case& c : cases) {
        moving.moveTo(reference.getPosition() + c.offset);
        alignToNeighbour(reference, moving);
        EXPECT_VEC_NEAR(moving.getPosition(), c.landing.x, c.landing.y, 1e-3)
            << c.offset.x << "," << c.offset.y;
    }
    // While dragged the element lands on the row and keeps its offset.
    pointerAt(203.f, 162.f);
    moving.moveTo({200.f, 160.f});
    moving.startDrag();
    alignToNeighbour(reference, moving);
    EXPECT_VEC_NEAR(moving.getPosition(), 200.f, 100.f, 1e-4);
    EXPECT_VEC_NEAR(moving.getDragOffset(), 3.f, 2.f, 1e-4);
}

TEST_F(StrandLayoutTest, ShiftDragAlignsThroughTheStrandHandler) {
    Strand& strand = strandAt({{100.f, 100.f}, {200.f, 100.f}, {300.f, 100.f}});
    auto dragTo = [&](float x, float y) {
        pointerAt(x, y);
        strand.handleElementEvents(moved());
        strand.handleEvent(moved());
    };
    pointerAt(200.f, 100.f);
    strand.handleElementEvents(press());
    strand.handleEvent(press());
    input.leftShift = true;
    dragTo(180.f, 146.188f); // 30 degrees below the predecessor: its row
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 180.f, 100.f, 1e-3);
    dragTo(130.f, 200.f); // steeper than 45 degrees: its column, and the link follows
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 100.f, 200.f, 1e-3);
    EXPECT_NEAR(strand.getLinks()[0].getPosition().x, 100.f, 1e-3);

    // Left Shift only aligns an active strand; right Shift aligns any.
    strand.setActive(false);
    base(strand, 1).startDrag(); // offset (30, 0)
    pointerAt(250.f, 260.f);
    strand.handleElementEvents(moved());
    state.elementGrabbed = false;
    strand.handleEvent(moved());
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 220.f, 260.f, 1e-3);
    input.leftShift = false;
    input.rightShift = true;
    strand.handleEvent(moved());
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 100.f, 260.f, 1e-3);

    // A dragged first base lines up with the second; a dragged end label with its end base.
    base(strand, 1).stopDrag();
    base(strand, 0).moveTo({40.f, 250.f});
    pointerAt(40.f, 250.f);
    base(strand, 0).startDrag();
    strand.getThreeLabel().moveTo({340.f, 130.f});
    pointerAt(340.f, 130.f);
    strand.getThreeLabel().startDrag();
    strand.handleEvent(moved());
    EXPECT_VEC_NEAR(base(strand, 0).getPosition(), 40.f, 260.f, 1e-3);
    EXPECT_VEC_NEAR(strand.getThreeLabel().getPosition(), 340.f, 100.f, 1e-3);
}

} // namespace
