#include "model/base_kind.h"
#include "model/strand.h"
#include "tests/unit/model/model_fixture.h"

#include <cmath>

namespace {

class StrandLayoutTest : public ModelTest {
  protected:
    // A strand with one G at each point, 5' to 3'.
    Strand& strandAt(const std::vector<sf::Vector2f>& points) {
        state.strands.push_back(std::make_unique<Strand>(state));
        Strand& strand = *state.strands.back();
        for (std::size_t i = 0; i < points.size(); ++i)
            strand.addBase(std::make_unique<BaseObject>(state, points[i].x, points[i].y, BaseKind::G),
                           i != 0);
        return strand;
    }
    static BaseObject& base(Strand& s, std::size_t i) { return *s.getBases()[i]; }
};

TEST_F(StrandLayoutTest, SpaceHorizontally) {
    Strand& strand = strandAt({{100.f, 100.f}, {130.f, 140.f}, {220.f, 90.f}});
    strand.setAllSelected(true);
    strand.spaceHorizontally(false);
    EXPECT_TRUE(state.unsavedChanges);
    EXPECT_VEC_NEAR(base(strand, 0).getPosition(), 100.f, 100.f, 0.f);
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 160.f, 100.f, 1e-4);
    EXPECT_VEC_NEAR(base(strand, 2).getPosition(), 220.f, 100.f, 1e-4);
    EXPECT_VEC_NEAR(strand.getFiveLabel().getPosition(), 40.f, 100.f, 1e-4);
    EXPECT_VEC_NEAR(strand.getThreeLabel().getPosition(), 280.f, 100.f, 1e-4);
}

TEST_F(StrandLayoutTest, SpaceVertically) {
    Strand& strand = strandAt({{100.f, 100.f}, {130.f, 140.f}, {220.f, 90.f}});
    strand.setAllSelected(true);
    strand.spaceVertically(false);
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 100.f, 95.f, 1e-4);
    EXPECT_VEC_NEAR(base(strand, 2).getPosition(), 100.f, 90.f, 1e-4);
    EXPECT_VEC_NEAR(strand.getFiveLabel().getPosition(), 100.f, 105.f, 1e-4);
    EXPECT_VEC_NEAR(strand.getThreeLabel().getPosition(), 100.f, 85.f, 1e-4);
}

TEST_F(StrandLayoutTest, RunIncludesUnselectedBasesAndLabelsOnlyAtStrandEnds) {
    Strand& strand = strandAt({{0.f, 0.f},
                               {100.f, 50.f},
                               {130.f, -20.f},
                               {150.f, 30.f},
                               {170.f, 10.f},
                               {400.f, 80.f},
                               {500.f, 0.f}});
    const sf::Vector2f five = strand.getFiveLabel().getPosition();
    const sf::Vector2f three = strand.getThreeLabel().getPosition();
    base(strand, 1).select();
    base(strand, 5).select();
    strand.spaceHorizontally(false);
    // Five bases from (100, 50) to x = 400: 75 apart, all on y = 50.
    for (std::size_t k = 0; k < 5; ++k)
        EXPECT_VEC_NEAR(base(strand, 1 + k).getPosition(), 100.f + 75.f * static_cast<float>(k), 50.f, 1e-4);
    EXPECT_VEC_NEAR(base(strand, 0).getPosition(), 0.f, 0.f, 0.f);
    EXPECT_VEC_NEAR(base(strand, 6).getPosition(), 500.f, 0.f, 0.f);
    // The run touches neither end, so the end labels stay.
    EXPECT_VEC_NEAR(strand.getFiveLabel().getPosition(), five.x, five.y, 0.f);
    EXPECT_VEC_NEAR(strand.getThreeLabel().getPosition(), three.x, three.y, 0.f);

    // The whole strand, selection or not.
    strand.setAllSelected(false);
    strand.spaceHorizontally(true);
    for (std::size_t k = 0; k < 7; ++k)
        EXPECT_VEC_NEAR(base(strand, k).getPosition(), 500.f / 6.f * static_cast<float>(k), 0.f, 1e-3);
}

TEST_F(StrandLayoutTest, ShortRunsOnlyMarkTheChange) {
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
}

TEST_F(StrandLayoutTest, DraggedLastBaseKeepsItsPlaceInSpacing) {
    Strand& strand = strandAt({{0.f, 0.f}, {40.f, 10.f}, {90.f, 20.f}});
    strand.setAllSelected(true);
    pointerAt(95.f, 27.f);
    base(strand, 2).startDrag(); // offset (5, 7)
    strand.spaceHorizontally(false);
    // The step takes L's x plus its offset; moveTo removes the offset again.
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 47.5f, 0.f, 1e-4);
    EXPECT_VEC_NEAR(base(strand, 2).getPosition(), 95.f - 5.f, -7.f, 1e-4);
}

TEST_F(StrandLayoutTest, CurveThroughPointer) {
    Strand& strand = strandAt({{0.f, 0.f}, {10.f, 5.f}, {20.f, 5.f}, {30.f, 5.f}, {200.f, 0.f}});
    strand.setAllSelected(true);
    pointerAt(100.f, -100.f);
    strand.curveThroughPointer(false);
    const float s = 70.7107f;
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 100.f - s, -s, 1e-2);
    EXPECT_VEC_NEAR(base(strand, 2).getPosition(), 100.f, -100.f, 1e-2);
    EXPECT_VEC_NEAR(base(strand, 3).getPosition(), 100.f + s, -s, 1e-2);
    EXPECT_VEC_NEAR(base(strand, 0).getPosition(), 0.f, 0.f, 0.f);
    EXPECT_VEC_NEAR(base(strand, 4).getPosition(), 200.f, 0.f, 0.f);
    // The end labels continue the arc by one step beyond each end.
    EXPECT_VEC_NEAR(strand.getFiveLabel().getPosition(), 100.f - s, s, 1e-2);
    EXPECT_VEC_NEAR(strand.getThreeLabel().getPosition(), 100.f + s, s, 1e-2);

    // Pointer below the chord: the lower half-circle.
    pointerAt(100.f, 100.f);
    strand.curveThroughPointer(false);
    EXPECT_VEC_NEAR(base(strand, 2).getPosition(), 100.f, 100.f, 1e-2);
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 100.f - s, s, 1e-2);
}

TEST_F(StrandLayoutTest, CurveWithCollinearPointsLeavesTheRunAlone) {
    Strand& strand = strandAt({{0.f, 0.f}, {50.f, 20.f}, {100.f, 40.f}, {200.f, 0.f}});
    strand.setAllSelected(true);
    pointerAt(300.f, 0.f); // on the line through F and L
    strand.curveThroughPointer(false);
    EXPECT_TRUE(state.unsavedChanges);
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 50.f, 20.f, 0.f);
    EXPECT_VEC_NEAR(base(strand, 2).getPosition(), 100.f, 40.f, 0.f);
    for (const auto& b : strand.getBases()) {
        EXPECT_TRUE(std::isfinite(b->getPosition().x));
        EXPECT_TRUE(std::isfinite(b->getPosition().y));
    }
    pointerAt(100.f, 0.f); // between them
    strand.curveThroughPointer(false);
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 50.f, 20.f, 0.f);
    // A slanted line, pointer beyond L.
    Strand& slanted = strandAt({{0.f, 0.f}, {5.f, 50.f}, {30.f, 60.f}, {100.f, 50.f}});
    slanted.setAllSelected(true);
    pointerAt(300.f, 150.f);
    slanted.curveThroughPointer(false);
    EXPECT_VEC_NEAR(base(slanted, 1).getPosition(), 5.f, 50.f, 0.f);
    // F and L in one place: no circle either.
    Strand& closed = strandAt({{0.f, 0.f}, {50.f, 20.f}, {0.f, 0.f}});
    closed.setAllSelected(true);
    pointerAt(40.f, 70.f);
    closed.curveThroughPointer(false);
    EXPECT_VEC_NEAR(base(closed, 1).getPosition(), 50.f, 20.f, 0.f);
    EXPECT_TRUE(std::isfinite(closed.getFiveLabel().getPosition().x));
}

TEST_F(StrandLayoutTest, AlignToNeighbourRowOrColumn) {
    BaseObject reference(state, 100.f, 100.f, BaseKind::G);
    // 30 degrees off the horizontal: onto the reference's row.
    BaseObject moving(state, 100.f + 100.f * std::cos(0.5235988f), 100.f + 100.f * std::sin(0.5235988f), 0);
    const float x = moving.getPosition().x;
    alignToNeighbour(reference, moving);
    EXPECT_VEC_NEAR(moving.getPosition(), x, 100.f, 1e-4);
    // Exactly 45 degrees as seen from the element (reference up-right or down-right): the column.
    for (const sf::Vector2f d : {sf::Vector2f{-50.f, 50.f}, sf::Vector2f{-50.f, -50.f}}) {
        moving.moveTo(reference.getPosition() + d);
        alignToNeighbour(reference, moving);
        EXPECT_VEC_NEAR(moving.getPosition(), 100.f, 100.f + d.y, 1e-4);
    }
    // Degrees come from 3.14159, so the 135-degree diagonals measure 135.0002
    // and fall on the row side.
    for (const sf::Vector2f d : {sf::Vector2f{50.f, 50.f}, sf::Vector2f{50.f, -50.f}}) {
        moving.moveTo(reference.getPosition() + d);
        alignToNeighbour(reference, moving);
        EXPECT_VEC_NEAR(moving.getPosition(), 100.f + d.x, 100.f, 1e-4);
    }
    // Left of the reference, 10 degrees off: row.
    moving.moveTo({0.f, 100.f - 17.6f});
    alignToNeighbour(reference, moving);
    EXPECT_VEC_NEAR(moving.getPosition(), 0.f, 100.f, 1e-4);
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
    // Grab the middle base and drag it 30 degrees below its predecessor.
    pointerAt(200.f, 100.f);
    strand.handleElementEvents(press());
    strand.handleEvent(press());
    ASSERT_TRUE(base(strand, 1).isDragging());
    input.leftShift = true;
    pointerAt(100.f + 80.f, 100.f + 46.188f);
    strand.handleElementEvents(moved());
    strand.handleEvent(moved());
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 180.f, 100.f, 1e-3);
    // Steeper than 45 degrees: the column through the predecessor.
    pointerAt(130.f, 200.f);
    strand.handleElementEvents(moved());
    strand.handleEvent(moved());
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 100.f, 200.f, 1e-3);
    // The links follow.
    const LinkLine& link = strand.getLinks()[0];
    EXPECT_NEAR(link.getPosition().x, 100.f, 1e-3);

    // Left Shift only aligns an active strand; right Shift aligns any.
    strand.setActive(false);
    base(strand, 1).startDrag();
    pointerAt(250.f, 260.f);
    strand.handleElementEvents(moved());
    state.elementGrabbed = false;
    strand.handleEvent(moved());
    // Dragged with an offset of (30, 0) from where it was picked up.
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 220.f, 260.f, 1e-3);
    input.leftShift = false;
    input.rightShift = true;
    strand.handleEvent(moved());
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 100.f, 260.f, 1e-3);
    input.rightShift = false;

    // A dragged first base lines up with the second; a dragged end label with its end base.
    base(strand, 1).stopDrag();
    base(strand, 0).moveTo({40.f, 250.f});
    pointerAt(40.f, 250.f);
    base(strand, 0).startDrag();
    strand.getThreeLabel().moveTo({340.f, 130.f});
    pointerAt(340.f, 130.f);
    strand.getThreeLabel().startDrag();
    input.rightShift = true;
    strand.handleEvent(moved());
    EXPECT_VEC_NEAR(base(strand, 0).getPosition(), 40.f, 260.f, 1e-3);
    EXPECT_VEC_NEAR(strand.getThreeLabel().getPosition(), 340.f, 100.f, 1e-3);
}

} // namespace
