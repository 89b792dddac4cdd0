#include "model/selection.h"
#include "tests/unit/model/model_fixture.h"

#include <cmath>

namespace {

class StrandTest : public ModelTest {
  protected:
    // Every line's geometry, to compare two ways of fitting.
    static std::vector<float> lineGeometry(const Strand& s) {
        std::vector<float> out;
        auto add = [&](const LinkLine& r) {
            out.insert(out.end(),
                       {r.getPosition().x, r.getPosition().y, r.getRotation(), r.getSize().x, r.getSize().y});
        };
        for (const auto& link : s.getLinks())
            add(link);
        add(s.getFiveConnector());
        add(s.getThreeConnector());
        return out;
    }
    // Lines fitted lazily must equal a full refit.
    static void expectFullyFitted(Strand& s, const char* step) {
        const std::vector<float> lazy = lineGeometry(s);
        s.layoutAll();
        EXPECT_EQ(lazy, lineGeometry(s)) << step;
    }
};

TEST_F(StrandTest, EndLabelsFollowTheEndBases) {
    // The first base: labels 32 pixels beyond either side of the letter,
    // 5' on the left unless the base was added at the 3' end.
    for (const bool atThree : {false, true}) {
        Strand strand(state);
        strand.addBase(std::make_unique<BaseObject>(state, 200.f, 100.f, BaseKind::G), atThree);
        const sf::FloatRect b = base(strand, 0).getLocalBounds();
        const float off = b.left + b.width / 2.f + 32.f;
        EXPECT_VEC_NEAR(strand.getFiveLabel().getPosition(), 200.f + (atThree ? off : -off), 100.f, 1e-4);
        EXPECT_VEC_NEAR(strand.getThreeLabel().getPosition(), 200.f + (atThree ? -off : off), 100.f, 1e-4);
    }
    // Further bases push the label on by 2.5 letter sizes along the last link.
    Strand strand(state);
    strand.addBase(std::make_unique<BaseObject>(state, 100.f, 100.f, BaseKind::G), false);
    strand.addBase(std::make_unique<BaseObject>(state, 150.f, 100.f, BaseKind::C), true);
    EXPECT_VEC_NEAR(strand.getThreeLabel().getPosition(),
                    150.f + 2.5f * base(strand, 1).getLocalBounds().width, 100.f, 1e-3);
    strand.addBase(std::make_unique<BaseObject>(state, 100.f, 40.f, BaseKind::A), false);
    EXPECT_VEC_NEAR(strand.getFiveLabel().getPosition(), 100.f,
                    40.f - 2.5f * base(strand, 0).getLocalBounds().height, 1e-3);
    strand.addBase(std::make_unique<BaseObject>(state, 200.f, 150.f, BaseKind::T), true);
    const sf::FloatRect tb = base(strand, 3).getLocalBounds();
    const float d = std::sqrt(0.5f) * 2.5f;
    EXPECT_VEC_NEAR(strand.getThreeLabel().getPosition(), 200.f + d * tb.width, 150.f + d * tb.height, 1e-3);
    EXPECT_EQ(strand.getLinks().size(), 3u);
    EXPECT_EQ(strand.kindSequence(), (std::vector<int>{BaseKind::A, BaseKind::G, BaseKind::C, BaseKind::T}));
}

TEST_F(StrandTest, LinksFitBetweenLetters) {
    Strand& strand = addStrand("GC", {100.f, 100.f}, {100.f, 0.f});
    const sf::FloatRect g = base(strand, 0).getLocalBounds();
    const sf::FloatRect c = base(strand, 1).getLocalBounds();
    const LinkLine& link = strand.getLinks()[0];
    // theta points from C back to G: pi, which is 180.00015 degrees with 3.14159.
    EXPECT_NEAR(link.getRotation(), 180.f * 3.14159265f / 3.14159f, 1e-3);
    EXPECT_VEC_NEAR(link.getPosition(), 200.f - 0.6f * c.width, 100.f, 1e-3);
    EXPECT_NEAR(link.getSize().x, 100.f - 0.6f * c.width - 0.6f * g.width, 1e-3);
    EXPECT_FLOAT_EQ(link.getSize().y, 2.f);
    // Vertical: the ends sit 3/4 of the letter height off the centres.
    base(strand, 1).moveTo({100.f, 250.f});
    strand.layout();
    EXPECT_NEAR(link.getRotation(), 270.f - 0.0001f, 1e-3); // -90.00008 degrees, kept in [0, 360)
    EXPECT_VEC_NEAR(link.getPosition(), 100.f, 250.f - 0.75f * c.height, 1e-3);
    EXPECT_NEAR(link.getSize().x, 150.f - 0.75f * c.height - 0.75f * g.height, 1e-3);
    // Thickness follows the zoom, never below one pixel.
    for (const auto& [zoom, thickness] : {std::pair{10.f, 1.f}, std::pair{45.f, 3.f}}) {
        state.zoomSize = zoom;
        strand.layout();
        EXPECT_FLOAT_EQ(link.getSize().y, thickness);
        EXPECT_FLOAT_EQ(strand.getFiveConnector().getSize().y, thickness);
    }
}

TEST_F(StrandTest, ConnectorsMeetTheLabelOnTheFacingSide) {
    Strand& strand = addStrand("G");
    const sf::FloatRect fb = base(strand, 0).getLocalBounds();
    const sf::FloatRect nb = strand.getFiveLabel().getLocalBounds();
    const LinkLine& con = strand.getFiveConnector();
    const float w = nb.width, h = nb.height, dx = 50.f, dy = 50.f * std::sqrt(3.f);
    struct Case {
        sf::Vector2f label, expected;
        float rotation; // negative: not checked
    };
    const Case cases[] = {
        {{200.f, 100.f}, {200.f - w / 2.f - 3.f, 100.f}, 180.f}, // right: the left edge
        {{100.f, 200.f}, {100.f, 200.f - h / 2.f - 3.f}, 270.f}, // below: the top edge
        {{100.f, 0.f}, {100.f, h / 2.f + 3.f}, 90.f},            // above: the bottom edge
        {{0.f, 100.f}, {w / 2.f + 3.f, 100.f}, 0.f},             // left (phi 180): the right edge
        // Left and slightly up, phi about -174.29 degrees: the right edge moved
        // by sin|phi| cos|phi| w/2 = -0.0990 w/2.
        {{0.f, 90.f}, {w / 2.f + 3.f, 90.f + 0.0990099f * w / 2.f}, -1.f},
        // Below right at 60 degrees: along the top edge, left of centre.
        {{100.f + dx, 100.f + dy},
         {100.f + dx - h / (2.f * std::sqrt(3.f)), 100.f + dy - h / 2.f - 3.f},
         -1.f},
    };
    auto fitTo = [&](sf::Vector2f label) {
        strand.setEndPositions(label, {300.f, 300.f});
        strand.layout();
    };
    for (const Case& c : cases) {
        fitTo(c.label);
        EXPECT_VEC_NEAR(con.getPosition(), c.expected.x, c.expected.y, 1e-3) << c.label.x << "," << c.label.y;
        EXPECT_TRUE(c.rotation < 0.f || std::abs(con.getRotation() - c.rotation) < 1e-3f) << c.label.x;
    }
    fitTo(cases[1].label);
    EXPECT_NEAR(con.getSize().x, (200.f - h / 2.f - 3.f) - (100.f + 0.75f * fb.height), 1e-3);
    // Hidden end labels still get fitted connectors.
    strand.setEndLabelsVisible(false);
    fitTo(cases[0].label);
    EXPECT_VEC_NEAR(con.getPosition(), cases[0].expected.x, 100.f, 1e-3);
    EXPECT_NEAR(con.getSize().x, (200.f - w / 2.f - 3.f) - (100.f + 0.6f * fb.width), 1e-3);

    // An empty label has no height: the "below" case must not divide 0 by 0.
    strand.getFiveLabel().setText("");
    strand.setEndPositions({200.f, 100.f}, {0.f, 100.f});
    strand.layout();
    EXPECT_TRUE(std::isfinite(con.getPosition().x));
    EXPECT_TRUE(std::isfinite(con.getSize().x));
    // setEndTexts puts the defaults back for empty texts.
    strand.setEndTexts("", "out");
    EXPECT_EQ(strand.getFiveLabel().getText(), "5'");
    EXPECT_EQ(strand.getThreeLabel().getText(), "out");
}

TEST_F(StrandTest, ColourAndSequenceTexts) {
    Strand& strand = addStrand("GCAT");
    strand.setColor(sf::Color::Red);
    strand.addBase(std::make_unique<BaseObject>(state, 400.f, 100.f, BaseKind::U), true);
    for (const auto& b : strand.getBases()) // a base added later takes the strand's colour too
        EXPECT_EQ(b->textShape().getFillColor(), sf::Color::Red);
    strand.setColor(sf::Color::White);
    EXPECT_EQ(base(strand, 0).textShape().getFillColor(), sf::Color::Blue);
    EXPECT_EQ(base(strand, 4).textShape().getFillColor(), sf::Color(148, 0, 211));

    EXPECT_EQ(strand.sequenceText(true), "5' - GCATU- 3'");
    EXPECT_EQ(strand.sequenceText(false), "3' - UTACG - 5'");
    EXPECT_EQ(strand.selectedSequenceText(true), "");
    strand.setEndTexts("in", "out");
    EXPECT_EQ(strand.sequenceText(true), "in - GCATU- out");
    base(strand, 1).select();
    base(strand, 3).select();
    EXPECT_EQ(strand.selectedSequenceText(false), "out - TC - in");
    EXPECT_EQ(strand.selectedSequenceText(true), "in - CT - out");
}

TEST_F(StrandTest, DeletingBasesTakesTheirLinks) {
    // Links are told apart by where they were fitted; deletion does not refit.
    auto linkX = [](const Strand& s) {
        std::vector<float> x;
        for (const auto& l : s.getLinks())
            x.push_back(l.getPosition().x);
        return x;
    };
    Strand& first = addStrand("GCAT");
    const std::vector<float> x1 = linkX(first);
    base(first, 0).select();
    first.deleteSelectedBases();
    EXPECT_TRUE(state.unsavedChanges);
    EXPECT_EQ(linkX(first), (std::vector<float>{x1[1], x1[2]}));
    base(first, 2).select(); // T, the last
    first.deleteSelectedBases();
    EXPECT_EQ(linkX(first), (std::vector<float>{x1[1]}));
    EXPECT_EQ(first.sequenceText(true), "5' - CA- 3'");

    // Middle and last: C goes with the link C-A, T with the last remaining link.
    Strand& second = addStrand("GCAT", {100.f, 300.f});
    const std::vector<float> x2 = linkX(second);
    base(second, 1).select();
    base(second, 3).select();
    second.deleteSelectedBases();
    EXPECT_EQ(second.sequenceText(true), "5' - GA- 3'");
    EXPECT_EQ(linkX(second), (std::vector<float>{x2[0]}));
    second.layout(); // now fitted between G and A
    EXPECT_NEAR(linkX(second)[0], 200.f - 0.6f * base(second, 1).getLocalBounds().width, 1e-3);

    // Deleting everything leaves an empty strand; the end labels stay where they were.
    const sf::Vector2f fivePos = second.getFiveLabel().getPosition();
    second.setAllSelected(true);
    second.deleteSelectedBases();
    EXPECT_TRUE(second.isEmpty());
    EXPECT_TRUE(second.getLinks().empty());
    EXPECT_VEC_NEAR(second.getFiveLabel().getPosition(), fivePos.x, fivePos.y, 0.f);
    second.layout(); // nothing to fit, nothing to crash

    // Nothing selected: nothing goes, but the drawing is still marked.
    state.unsavedChanges = false;
    first.setAllSelected(false);
    first.deleteSelectedBases();
    EXPECT_EQ(first.getBases().size(), 2u);
    EXPECT_TRUE(state.unsavedChanges);
}

TEST_F(StrandTest, LetterKeys) {
    Strand& strand = addStrand("GC", {100.f, 100.f}, {100.f, 0.f});
    // One base selected: the key changes its kind; any other key still marks the change.
    base(strand, 0).select();
    strand.handleEvent(key(sf::Keyboard::A));
    EXPECT_EQ(base(strand, 0).getKind(), BaseKind::A);
    state.unsavedChanges = false;
    strand.handleEvent(key(sf::Keyboard::X));
    EXPECT_TRUE(state.unsavedChanges);
    // Control held, or two selected: nothing at all.
    state.unsavedChanges = false;
    input.control = true;
    strand.handleEvent(key(sf::Keyboard::G));
    input.control = false;
    base(strand, 1).select();
    strand.handleEvent(key(sf::Keyboard::T));
    EXPECT_EQ(strand.kindSequence(), (std::vector<int>{BaseKind::A, BaseKind::C}));
    EXPECT_FALSE(state.unsavedChanges);

    // None selected: add at the nearer end; a tie goes to the 3' end.
    strand.setAllSelected(false);
    pointerAt(150.f, 200.f);
    strand.handleEvent(key(sf::Keyboard::T));
    EXPECT_TRUE(state.unsavedChanges);
    EXPECT_VEC_NEAR(base(strand, 2).getPosition(), 150.f, 200.f, 0.f);
    pointerAt(40.f, 100.f);
    strand.handleEvent(key(sf::Keyboard::U));
    strand.handleEvent(key(sf::Keyboard::Num1)); // adds nothing
    EXPECT_EQ(strand.kindSequence(), (std::vector<int>{BaseKind::U, BaseKind::A, BaseKind::C, BaseKind::T}));
    EXPECT_EQ(strand.getLinks().size(), 3u);

    // With two active strands neither takes letters; with one, it does.
    Strand& other = addStrand("C", {100.f, 300.f});
    EXPECT_EQ(selectedStrand(state), nullptr);
    other.handleEvent(key(sf::Keyboard::A));
    EXPECT_EQ(other.getBases().size(), 1u);
    strand.setActive(false);
    EXPECT_EQ(selectedStrand(state), &other);
    other.handleEvent(key(sf::Keyboard::A));
    EXPECT_EQ(other.getBases().size(), 2u);
}

TEST_F(StrandTest, ActiveFollowsSelection) {
    Strand& a = addStrand("GC");
    Strand& b = addStrand("AT", {100.f, 300.f});
    // A press on a's base grabs it; b, with nothing selected, gives up the selection.
    pointerAt(100.f, 100.f);
    for (auto& s : state.strands)
        s->handleElementEvents(press());
    for (auto& s : state.strands)
        s->handleEvent(press());
    EXPECT_EQ(selectedStrand(state), &a);
    EXPECT_TRUE(a.isAnyDragging());
    // Deactivating deselects and stops the drag; with no grab the flag is kept.
    a.setActive(false);
    EXPECT_FALSE(base(a, 0).isSelected());
    EXPECT_FALSE(a.isAnyDragging());
    state.elementGrabbed = false;
    b.handleEvent(moved());
    EXPECT_FALSE(b.isActive());
    // A selection made from outside makes the strand active on its next event.
    base(b, 0).select();
    b.handleEvent(moved());
    EXPECT_TRUE(b.isActive());

    // Hidden end labels are deselected and ignore presses.
    NameLabel& five = a.getFiveLabel();
    five.select();
    a.toggleEndLabels();
    EXPECT_FALSE(five.isSelected());
    pointerAt(five.getPosition().x, five.getPosition().y);
    a.handleElementEvents(press());
    EXPECT_FALSE(five.isSelected());
    a.toggleEndLabels();
    a.handleElementEvents(press());
    EXPECT_TRUE(five.isSelected());
}

TEST_F(StrandTest, MovingAndRescalingTheWholeStrand) {
    Strand& strand = addStrand("GCA");
    const sf::Vector2f five = strand.getFiveLabel().getPosition();
    pointerAt(400.f, 300.f);
    strand.moveFrontToPointer();
    EXPECT_VEC_NEAR(base(strand, 0).getPosition(), 400.f, 300.f, 1e-4);
    EXPECT_VEC_NEAR(base(strand, 2).getPosition(), 500.f, 300.f, 1e-4);
    EXPECT_VEC_NEAR(strand.getFiveLabel().getPosition(), five.x + 300.f, five.y + 200.f, 1e-3);
    EXPECT_NEAR(strand.getLinks()[1].getPosition().x, 500.f - 0.6f * base(strand, 2).getLocalBounds().width,
                1e-3);

    state.previousZoomSize = 30.f;
    state.zoomSize = 60.f;
    state.textSize = 60;
    strand.rescale({0.f, 0.f});
    EXPECT_VEC_NEAR(base(strand, 0).getPosition(), 800.f, 600.f, 1e-3);
    EXPECT_EQ(base(strand, 1).textShape().getCharacterSize(), 60u);
    EXPECT_EQ(strand.getFiveLabel().textShape().getCharacterSize(), 60u);
    EXPECT_FLOAT_EQ(strand.getLinks()[0].getSize().y, 4.f);
}

TEST_F(StrandTest, LazyLayoutMatchesFullLayout) {
    // Build at both ends, then drag, key and move elements in every way the
    // program does; after each step the lines must equal a full refit.
    Strand& strand = addStrand("G", {300.f, 300.f});
    for (int i = 1; i <= 30; ++i) {
        const float x = 300.f + 37.f * static_cast<float>(i);
        strand.addBase(
            std::make_unique<BaseObject>(state, i % 2 ? x : 600.f - x, 300.f + ((i % 3) - 1) * 23.f, i % 5),
            i % 2 == 1);
    }
    expectFullyFitted(strand, "building");
    // A pointer move with nothing dragged leaves nothing to refit.
    pointerAt(5.f, 5.f);
    strand.handleElementEvents(moved());
    EXPECT_FALSE(strand.isLayoutPending());

    BaseObject& middle = base(strand, 15);
    pointerAt(middle.getPosition().x, middle.getPosition().y);
    strand.handleElementEvents(press());
    strand.handleEvent(press());
    pointerAt(middle.getPosition().x + 40.f, middle.getPosition().y - 70.f);
    strand.handleElementEvents(moved());
    EXPECT_TRUE(strand.isLayoutPending());
    strand.handleEvent(moved());
    EXPECT_FALSE(strand.isLayoutPending());
    expectFullyFitted(strand, "drag");
    strand.handleElementEvents(release());
    strand.handleEvent(key(sf::Keyboard::G)); // the letter's size changes
    expectFullyFitted(strand, "kind");

    base(strand, 0).moveTo({10.f, 10.f});
    base(strand, 30).shiftBack({-5.f, 5.f});
    strand.layout();
    expectFullyFitted(strand, "outside moves");

    strand.setAllSelected(false);
    base(strand, 3).select();
    base(strand, 9).select();
    pointerAt(400.f, 100.f);
    for (const auto code : {sf::Keyboard::E, sf::Keyboard::W, sf::Keyboard::Delete}) {
        strand.handleEvent(key(code));
        expectFullyFitted(strand, "spacing, curve, deletion");
    }
    strand.getFiveLabel().moveTo({0.f, 0.f});
    strand.setEndTexts("a long 5' name", "");
    strand.layout();
    expectFullyFitted(strand, "end labels");
    base(strand, 4).moveTo({20.f, 700.f});
    strand.addBase(std::make_unique<BaseObject>(state, 900.f, 900.f, 0), true);
    expectFullyFitted(strand, "add while pending");
    state.zoomSize = 50.f;
    strand.layout();
    expectFullyFitted(strand, "zoom");
}

TEST_F(StrandTest, PointerMovesReachEveryDraggedElementAndNoOther) {
    Strand& strand = addStrand("GCATG");
    // Group drag of bases 1 and 3 and the 5' label, started from outside.
    pointerAt(0.f, 0.f);
    NameLabel& five = strand.getFiveLabel();
    for (DraggableLabel* e :
         {static_cast<DraggableLabel*>(&base(strand, 1)), static_cast<DraggableLabel*>(&base(strand, 3)),
          static_cast<DraggableLabel*>(&five)}) {
        e->select();
        e->startDrag();
    }
    const sf::Vector2f fiveBefore = five.getPosition();
    pointerAt(10.f, 20.f);
    strand.handleElementEvents(moved());
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 160.f, 120.f, 1e-4);
    EXPECT_VEC_NEAR(base(strand, 3).getPosition(), 260.f, 120.f, 1e-4);
    EXPECT_VEC_NEAR(base(strand, 2).getPosition(), 200.f, 100.f, 0.f);
    EXPECT_VEC_NEAR(five.getPosition(), fiveBefore.x + 10.f, fiveBefore.y + 20.f, 1e-4);

    // A hidden end label that still drags (released over the menu bar) gets
    // no events, yet counts as dragging.
    state.pointerOverMenuBar = true;
    strand.setEndLabelsVisible(false);
    state.pointerOverMenuBar = false;
    EXPECT_TRUE(five.isDragging());
    pointerAt(30.f, 20.f);
    strand.handleElementEvents(moved());
    EXPECT_VEC_NEAR(five.getPosition(), fiveBefore.x + 10.f, fiveBefore.y + 20.f, 1e-4);
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 180.f, 120.f, 1e-4);
    five.stopDrag();

    // Deleting a dragged base leaves the strand consistent.
    base(strand, 1).setSelected(false);
    EXPECT_FALSE(base(strand, 1).isDragging());
    strand.deleteSelectedBases();
    EXPECT_EQ(strand.sequenceText(true), "5' - GCAG- 3'");
    EXPECT_FALSE(strand.isAnyDragging());
    base(strand, 2).select();
    base(strand, 2).startDrag();
    pointerAt(40.f, 20.f);
    strand.handleElementEvents(moved());
    strand.handleEvent(moved());
    expectFullyFitted(strand, "drag after deletion");
    strand.handleElementEvents(release());
    EXPECT_FALSE(strand.isAnyDragging());
}

} // namespace
