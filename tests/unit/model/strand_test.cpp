#include "model/base_kind.h"
#include "model/selection.h"
#include "model/strand.h"
#include "tests/unit/model/model_fixture.h"

#include <cmath>

namespace {

class StrandTest : public ModelTest {
  protected:
    // A strand built 5' to 3' from `letters`, one base every `dx` pixels from (x, y).
    Strand& makeStrand(const std::string& letters, float x = 100.f, float y = 100.f, float dx = 50.f) {
        state.strands.push_back(std::make_unique<Strand>(state));
        Strand& strand = *state.strands.back();
        for (std::size_t i = 0; i < letters.size(); ++i)
            strand.addBase(std::make_unique<BaseObject>(state, x + dx * static_cast<float>(i), y,
                                                        baseKindOfLetter(letters[i])),
                           i != 0);
        return strand;
    }
    static BaseObject& base(Strand& s, std::size_t i) { return *s.getBases()[i]; }

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
};

TEST_F(StrandTest, FirstBasePlacesEndLabelsOnEitherSide) {
    Strand strand(state);
    EXPECT_TRUE(strand.isEmpty());
    EXPECT_TRUE(strand.isActive());
    EXPECT_TRUE(strand.areEndLabelsVisible());
    EXPECT_EQ(strand.getFiveLabel().getText(), "5'");
    EXPECT_EQ(strand.getThreeLabel().getText(), "3'");
    EXPECT_TRUE(strand.getThreeLabel().isThreePrimeEnd());
    EXPECT_FALSE(strand.getFiveLabel().isThreePrimeEnd());
    EXPECT_VEC_NEAR(strand.getFiveLabel().getPosition(), -100.f, -100.f, 0.f);

    strand.addBase(std::make_unique<BaseObject>(state, 200.f, 100.f, BaseKind::G), false);
    const sf::FloatRect b = base(strand, 0).getLocalBounds();
    const float c = b.left + b.width / 2.f;
    EXPECT_VEC_NEAR(strand.getFiveLabel().getPosition(), 200.f - c - 32.f, 100.f, 1e-4);
    EXPECT_VEC_NEAR(strand.getThreeLabel().getPosition(), 200.f + c + 32.f, 100.f, 1e-4);
    EXPECT_TRUE(strand.getLinks().empty());

    Strand swapped(state);
    swapped.addBase(std::make_unique<BaseObject>(state, 200.f, 100.f, BaseKind::G), true);
    EXPECT_VEC_NEAR(swapped.getFiveLabel().getPosition(), 200.f + c + 32.f, 100.f, 1e-4);
    EXPECT_VEC_NEAR(swapped.getThreeLabel().getPosition(), 200.f - c - 32.f, 100.f, 1e-4);
}

TEST_F(StrandTest, FurtherBasesPushTheEndLabelOn) {
    Strand strand(state);
    strand.addBase(std::make_unique<BaseObject>(state, 100.f, 100.f, BaseKind::G), false);
    // Straight to the right at the 3' end: the 3' label 2.5 letter widths further right.
    strand.addBase(std::make_unique<BaseObject>(state, 150.f, 100.f, BaseKind::C), true);
    const sf::FloatRect cb = base(strand, 1).getLocalBounds();
    EXPECT_VEC_NEAR(strand.getThreeLabel().getPosition(), 150.f + 2.5f * cb.width, 100.f, 1e-3);
    // Straight up at the 5' end: the 5' label 2.5 letter heights above.
    strand.addBase(std::make_unique<BaseObject>(state, 100.f, 40.f, BaseKind::A), false);
    const sf::FloatRect ab = base(strand, 0).getLocalBounds();
    EXPECT_VEC_NEAR(strand.getFiveLabel().getPosition(), 100.f, 40.f - 2.5f * ab.height, 1e-3);
    // Diagonal at the 3' end: 45 degrees down-right from its neighbour.
    strand.addBase(std::make_unique<BaseObject>(state, 200.f, 150.f, BaseKind::T), true);
    const sf::FloatRect tb = base(strand, 3).getLocalBounds();
    const float d = std::sqrt(0.5f);
    EXPECT_VEC_NEAR(strand.getThreeLabel().getPosition(), 200.f + d * tb.width * 2.5f,
                    150.f + d * tb.height * 2.5f, 1e-3);

    EXPECT_EQ(strand.getBases().size(), 4u);
    EXPECT_EQ(strand.getLinks().size(), 3u);
    EXPECT_EQ(strand.kindSequence(), (std::vector<int>{BaseKind::A, BaseKind::G, BaseKind::C, BaseKind::T}));
    // A new link is black, two pixels thick with its origin on its axis.
    EXPECT_EQ(strand.getLinks()[0].getFillColor(), sf::Color::Black);
    EXPECT_VEC_NEAR(strand.getLinks()[0].getOrigin(), 0.f, 1.f, 0.f);
}

TEST_F(StrandTest, LinksFitBetweenLetters) {
    Strand& strand = makeStrand("GC", 100.f, 100.f, 100.f);
    const sf::FloatRect g = base(strand, 0).getLocalBounds();
    const sf::FloatRect c = base(strand, 1).getLocalBounds();
    const LinkLine& link = strand.getLinks()[0];
    // theta points from C back to P: pi, which is 180.00015 degrees with 3.14159.
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
    state.zoomSize = 10.f;
    strand.layout();
    EXPECT_FLOAT_EQ(link.getSize().y, 1.f);
    state.zoomSize = 45.f;
    strand.layout();
    EXPECT_FLOAT_EQ(link.getSize().y, 3.f);
    EXPECT_FLOAT_EQ(strand.getFiveConnector().getSize().y, 3.f);
}

TEST_F(StrandTest, ConnectorsMeetTheLabelOnTheFacingSide) {
    Strand& strand = makeStrand("G", 100.f, 100.f);
    const sf::FloatRect fb = base(strand, 0).getLocalBounds();
    const NameLabel& five = strand.getFiveLabel();
    const sf::FloatRect nb = five.getLocalBounds();
    const LinkLine& con = strand.getFiveConnector();
    const float w = nb.width, h = nb.height;

    // Label right of the base.
    strand.setEndPositions({200.f, 100.f}, {300.f, 300.f});
    strand.layout();
    EXPECT_VEC_NEAR(con.getPosition(), 200.f - w / 2.f - 3.f, 100.f, 1e-3);
    EXPECT_NEAR(con.getRotation(), 180.f, 1e-3);
    EXPECT_NEAR(con.getSize().x, (200.f - w / 2.f - 3.f) - (100.f + 0.6f * fb.width), 1e-3);
    EXPECT_FLOAT_EQ(con.getSize().y, 2.f);

    // Label below the base: straight down, the connector meets the top edge.
    strand.setEndPositions({100.f, 200.f}, {300.f, 300.f});
    strand.layout();
    EXPECT_VEC_NEAR(con.getPosition(), 100.f, 200.f - h / 2.f - 3.f, 1e-3);
    EXPECT_NEAR(con.getRotation(), 270.f, 1e-3);
    EXPECT_NEAR(con.getSize().x, (200.f - h / 2.f - 3.f) - (100.f + 0.75f * fb.height), 1e-3);

    // Label above: the bottom edge.
    strand.setEndPositions({100.f, 0.f}, {300.f, 300.f});
    strand.layout();
    EXPECT_VEC_NEAR(con.getPosition(), 100.f, h / 2.f + 3.f, 1e-3);
    EXPECT_NEAR(con.getRotation(), 90.f, 1e-3);

    // Label left, lower half (phi = 180): the right edge.
    strand.setEndPositions({0.f, 100.f}, {300.f, 300.f});
    strand.layout();
    EXPECT_VEC_NEAR(con.getPosition(), w / 2.f + 3.f, 100.f, 1e-3);
    EXPECT_NEAR(con.getRotation(), 0.f, 1e-3);

    // Label left, upper half: slightly above, phi about -174.29 degrees; the
    // right edge, raised by sin|phi| cos|phi| w/2 = -0.0990 w/2 (so lowered).
    strand.setEndPositions({0.f, 90.f}, {300.f, 300.f});
    strand.layout();
    EXPECT_VEC_NEAR(con.getPosition(), w / 2.f + 3.f, 90.f + 0.0990099f * w / 2.f, 1e-3);

    // Label below and to the right at 60 degrees: along the top edge, left of centre.
    const float dx = 100.f * 0.5f, dy = 100.f * std::sqrt(3.f) / 2.f;
    strand.setEndPositions({100.f + dx, 100.f + dy}, {300.f, 300.f});
    strand.layout();
    EXPECT_VEC_NEAR(con.getPosition(), 100.f + dx - h / (2.f * std::sqrt(3.f)), 100.f + dy - h / 2.f - 3.f,
                    1e-3);

    // Hidden end labels: connectors are still fitted.
    strand.setEndLabelsVisible(false);
    strand.setEndPositions({200.f, 100.f}, {300.f, 300.f});
    strand.layout();
    EXPECT_VEC_NEAR(con.getPosition(), 200.f - w / 2.f - 3.f, 100.f, 1e-3);
}

TEST_F(StrandTest, EmptyLabelTextGivesFiniteConnector) {
    Strand& strand = makeStrand("G", 100.f, 100.f);
    strand.getFiveLabel().setText("");
    // Straight right of the base: with no height the "below" case matches and must not divide 0 by 0.
    strand.setEndPositions({200.f, 100.f}, {0.f, 100.f});
    strand.layout();
    EXPECT_TRUE(std::isfinite(strand.getFiveConnector().getPosition().x));
    EXPECT_TRUE(std::isfinite(strand.getFiveConnector().getSize().x));
    // setEndTexts puts the defaults back for empty texts.
    strand.setEndTexts("", "");
    EXPECT_EQ(strand.getFiveLabel().getText(), "5'");
    EXPECT_EQ(strand.getThreeLabel().getText(), "3'");
    strand.setEndTexts("in", "out");
    EXPECT_EQ(strand.getFiveLabel().getText(), "in");
    EXPECT_EQ(strand.getThreeLabel().getText(), "out");
}

TEST_F(StrandTest, ColourAppliesToEveryBase) {
    Strand& strand = makeStrand("GCATU");
    EXPECT_EQ(base(strand, 4).textShape().getFillColor(), sf::Color(148, 0, 211));
    strand.setColor(sf::Color::Red);
    EXPECT_EQ(strand.getColor(), sf::Color::Red);
    for (const auto& b : strand.getBases())
        EXPECT_EQ(b->textShape().getFillColor(), sf::Color::Red);
    // A base added later takes the strand's colour.
    strand.addBase(std::make_unique<BaseObject>(state, 400.f, 100.f, BaseKind::G), true);
    EXPECT_EQ(base(strand, 5).textShape().getFillColor(), sf::Color::Red);
    strand.setColor(sf::Color::White);
    EXPECT_EQ(base(strand, 0).textShape().getFillColor(), sf::Color::Blue);
    EXPECT_EQ(base(strand, 1).textShape().getFillColor(), sf::Color::Red);
    EXPECT_EQ(base(strand, 2).textShape().getFillColor(), sf::Color::Magenta);
    EXPECT_EQ(base(strand, 3).textShape().getFillColor(), sf::Color::Green);
    EXPECT_EQ(base(strand, 4).textShape().getFillColor(), sf::Color(148, 0, 211));
    strand.setColor(sf::Color(255, 255, 255, 254));
    EXPECT_EQ(base(strand, 4).textShape().getFillColor(), sf::Color(255, 255, 255, 254));
}

TEST_F(StrandTest, SequenceTexts) {
    Strand& strand = makeStrand("GCAT");
    EXPECT_EQ(strand.sequenceText(true), "5' - GCAT- 3'");
    EXPECT_EQ(strand.sequenceText(false), "3' - TACG - 5'");
    EXPECT_EQ(strand.selectedSequenceText(true), "");
    EXPECT_EQ(strand.selectedSequenceText(false), "");
    strand.setEndTexts("in", "out");
    EXPECT_EQ(strand.sequenceText(true), "in - GCAT- out");
    base(strand, 1).select();
    base(strand, 3).select();
    EXPECT_EQ(strand.selectedSequenceText(false), "out - TC - in");
    EXPECT_EQ(strand.selectedSequenceText(true), "in - CT - out");
}

TEST_F(StrandTest, DeletingBasesTakesTheirLinks) {
    // Links are told apart by where they were fitted; deletion does not refit.
    Strand& first = makeStrand("GCAT", 100.f, 100.f, 50.f);
    std::vector<float> linkX;
    for (const auto& l : first.getLinks())
        linkX.push_back(l.getPosition().x);
    base(first, 0).select();
    first.deleteSelectedBases();
    EXPECT_TRUE(state.unsavedChanges);
    ASSERT_EQ(first.getBases().size(), 3u);
    ASSERT_EQ(first.getLinks().size(), 2u);
    EXPECT_EQ(first.getLinks()[0].getPosition().x, linkX[1]);
    EXPECT_EQ(first.getLinks()[1].getPosition().x, linkX[2]);
    EXPECT_EQ(first.sequenceText(true), "5' - CAT- 3'");

    base(first, 2).select(); // T, the last
    first.deleteSelectedBases();
    ASSERT_EQ(first.getLinks().size(), 1u);
    EXPECT_EQ(first.getLinks()[0].getPosition().x, linkX[1]);
    EXPECT_EQ(first.sequenceText(true), "5' - CA- 3'");

    // Middle and last: C goes with the link C-A, T with the last remaining link.
    Strand& second = makeStrand("GCAT", 100.f, 300.f, 50.f);
    std::vector<float> x2;
    for (const auto& l : second.getLinks())
        x2.push_back(l.getPosition().x);
    base(second, 1).select();
    base(second, 3).select();
    second.deleteSelectedBases();
    EXPECT_EQ(second.sequenceText(true), "5' - GA- 3'");
    ASSERT_EQ(second.getLinks().size(), 1u);
    EXPECT_EQ(second.getLinks()[0].getPosition().x, x2[0]);
    // The next layout fits the surviving link between G and A.
    second.layout();
    const sf::FloatRect a = base(second, 1).getLocalBounds();
    EXPECT_NEAR(second.getLinks()[0].getPosition().x, 200.f - 0.6f * a.width, 1e-3);

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
    Strand& strand = makeStrand("GC", 100.f, 100.f, 100.f);
    // One base selected: the key changes its kind.
    base(strand, 0).select();
    strand.handleEvent(key(sf::Keyboard::A));
    EXPECT_EQ(base(strand, 0).getKind(), BaseKind::A);
    EXPECT_TRUE(state.unsavedChanges);
    // Any other key still marks the drawing changed.
    state.unsavedChanges = false;
    strand.handleEvent(key(sf::Keyboard::X));
    EXPECT_TRUE(state.unsavedChanges);
    EXPECT_EQ(strand.kindSequence(), (std::vector<int>{BaseKind::A, BaseKind::C}));

    // Control held: nothing at all.
    state.unsavedChanges = false;
    input.control = true;
    strand.handleEvent(key(sf::Keyboard::G));
    input.control = false;
    EXPECT_EQ(base(strand, 0).getKind(), BaseKind::A);
    EXPECT_FALSE(state.unsavedChanges);

    // Two selected: nothing, and the drawing stays unchanged.
    base(strand, 1).select();
    strand.handleEvent(key(sf::Keyboard::T));
    EXPECT_EQ(strand.kindSequence(), (std::vector<int>{BaseKind::A, BaseKind::C}));
    EXPECT_FALSE(state.unsavedChanges);

    // None selected: add at the nearer end; a tie goes to the 3' end.
    strand.setAllSelected(false);
    pointerAt(150.f, 200.f);
    strand.handleEvent(key(sf::Keyboard::T));
    EXPECT_TRUE(state.unsavedChanges);
    ASSERT_EQ(strand.getBases().size(), 3u);
    EXPECT_EQ(base(strand, 2).getKind(), BaseKind::T);
    EXPECT_VEC_NEAR(base(strand, 2).getPosition(), 150.f, 200.f, 0.f);
    pointerAt(40.f, 100.f);
    strand.handleEvent(key(sf::Keyboard::U));
    EXPECT_EQ(strand.kindSequence(), (std::vector<int>{BaseKind::U, BaseKind::A, BaseKind::C, BaseKind::T}));
    EXPECT_EQ(strand.getLinks().size(), 3u);
    // A non-letter key adds nothing but marks the change.
    strand.handleEvent(key(sf::Keyboard::Num1));
    EXPECT_EQ(strand.getBases().size(), 4u);
}

TEST_F(StrandTest, LetterKeysNeedTheOneSelectedStrand) {
    Strand& a = makeStrand("G", 100.f, 100.f);
    Strand& b = makeStrand("C", 100.f, 300.f);
    EXPECT_EQ(selectedStrand(state), nullptr); // both active
    pointerAt(100.f, 120.f);
    a.handleEvent(key(sf::Keyboard::A));
    b.handleEvent(key(sf::Keyboard::A));
    EXPECT_EQ(a.getBases().size(), 1u);
    EXPECT_EQ(b.getBases().size(), 1u);
    b.setActive(false);
    EXPECT_EQ(selectedStrand(state), &a);
    a.handleEvent(key(sf::Keyboard::A));
    EXPECT_EQ(a.getBases().size(), 2u);
}

TEST_F(StrandTest, ActiveFollowsSelection) {
    Strand& a = makeStrand("GC", 100.f, 100.f);
    Strand& b = makeStrand("AT", 100.f, 300.f);
    // A press on a's base grabs it; b, with nothing selected, gives up the selection.
    pointerAt(100.f, 100.f);
    state.elementGrabbed = false;
    for (auto& s : state.strands)
        s->handleElementEvents(press());
    for (auto& s : state.strands)
        s->handleEvent(press());
    EXPECT_TRUE(a.isActive());
    EXPECT_FALSE(b.isActive());
    EXPECT_EQ(selectedStrand(state), &a);
    EXPECT_TRUE(a.isAnyDragging());
    EXPECT_FALSE(b.isAnyDragging());
    // Deactivating deselects.
    a.setActive(false);
    EXPECT_FALSE(base(a, 0).isSelected());
    EXPECT_FALSE(a.isAnyDragging());
    // With no grab the flag is kept.
    state.elementGrabbed = false;
    b.handleEvent(moved());
    EXPECT_FALSE(b.isActive());
}

TEST_F(StrandTest, HiddenEndLabelsAreDeselectedAndIgnorePresses) {
    Strand& strand = makeStrand("GC");
    NameLabel& five = strand.getFiveLabel();
    five.select();
    strand.toggleEndLabels();
    EXPECT_FALSE(strand.areEndLabelsVisible());
    EXPECT_FALSE(five.isSelected());
    pointerAt(five.getPosition().x, five.getPosition().y);
    strand.handleElementEvents(press());
    EXPECT_FALSE(five.isSelected());
    strand.toggleEndLabels();
    strand.handleElementEvents(press());
    EXPECT_TRUE(five.isSelected());
}

TEST_F(StrandTest, MovingAndRescalingTheWholeStrand) {
    Strand& strand = makeStrand("GCA", 100.f, 100.f, 50.f);
    const sf::Vector2f five = strand.getFiveLabel().getPosition();
    pointerAt(400.f, 300.f);
    strand.moveFrontToPointer();
    EXPECT_VEC_NEAR(base(strand, 0).getPosition(), 400.f, 300.f, 1e-4);
    EXPECT_VEC_NEAR(base(strand, 2).getPosition(), 500.f, 300.f, 1e-4);
    EXPECT_VEC_NEAR(strand.getFiveLabel().getPosition(), five.x + 300.f, five.y + 200.f, 1e-3);
    EXPECT_FALSE(strand.isLayoutPending());
    const sf::FloatRect c = base(strand, 2).getLocalBounds();
    EXPECT_NEAR(strand.getLinks()[1].getPosition().x, 500.f - 0.6f * c.width, 1e-3);

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
    Strand& strand = makeStrand("G", 300.f, 300.f);
    for (int i = 1; i <= 30; ++i) {
        const float x = 300.f + 37.f * static_cast<float>(i);
        const float y = 300.f + ((i % 3) - 1) * 23.f;
        strand.addBase(std::make_unique<BaseObject>(state, i % 2 ? x : 600.f - x, y, i % 5), i % 2 == 1);
    }
    auto checkAgainstFull = [&](const char* step) {
        const std::vector<float> lazy = lineGeometry(strand);
        strand.layoutAll();
        EXPECT_EQ(lazy, lineGeometry(strand)) << step;
    };
    checkAgainstFull("building");
    EXPECT_FALSE(strand.isLayoutPending());

    // A pointer move with nothing dragged leaves nothing to refit.
    pointerAt(5.f, 5.f);
    strand.handleElementEvents(moved());
    EXPECT_FALSE(strand.isLayoutPending());

    // Drag a base in the middle.
    BaseObject& middle = base(strand, 15);
    pointerAt(middle.getPosition().x, middle.getPosition().y);
    strand.handleElementEvents(press());
    strand.handleEvent(press());
    pointerAt(middle.getPosition().x + 40.f, middle.getPosition().y - 70.f);
    strand.handleElementEvents(moved());
    EXPECT_TRUE(strand.isLayoutPending());
    strand.handleEvent(moved());
    EXPECT_FALSE(strand.isLayoutPending());
    checkAgainstFull("drag");
    strand.handleElementEvents(release());

    // Change the kind of the selected base (the letter's size changes).
    strand.handleEvent(key(sf::Keyboard::G));
    checkAgainstFull("kind");

    // Moves made from outside through the read access.
    base(strand, 0).moveTo({10.f, 10.f});
    base(strand, 30).shiftBack({-5.f, 5.f});
    strand.layout();
    checkAgainstFull("outside moves");

    // Spacing, curve and deletion.
    strand.setAllSelected(false);
    base(strand, 3).select();
    base(strand, 9).select();
    strand.handleEvent(key(sf::Keyboard::E));
    checkAgainstFull("E");
    pointerAt(400.f, 100.f);
    strand.handleEvent(key(sf::Keyboard::W));
    checkAgainstFull("W");
    strand.handleEvent(key(sf::Keyboard::Delete));
    checkAgainstFull("Delete");
    strand.getFiveLabel().moveTo({0.f, 0.f});
    strand.setEndTexts("a long 5' name", "");
    strand.layout();
    checkAgainstFull("end labels");
    // Adding to a strand whose lines are out of date.
    base(strand, 4).moveTo({20.f, 700.f});
    strand.addBase(std::make_unique<BaseObject>(state, 900.f, 900.f, 0), true);
    checkAgainstFull("add while pending");
    state.zoomSize = 50.f;
    strand.layout();
    checkAgainstFull("zoom");
}

TEST_F(StrandTest, PointerMovesReachEveryDraggedElementAndNoOther) {
    Strand& strand = makeStrand("GCATG", 100.f, 100.f, 50.f);
    // Group drag of bases 1 and 3 and the 5' label, started from outside.
    pointerAt(0.f, 0.f);
    base(strand, 1).select();
    base(strand, 3).select();
    strand.getFiveLabel().select();
    base(strand, 1).startDrag();
    base(strand, 3).startDrag();
    strand.getFiveLabel().startDrag();
    EXPECT_TRUE(strand.isAnyDragging());
    const sf::Vector2f fiveBefore = strand.getFiveLabel().getPosition();
    pointerAt(10.f, 20.f);
    strand.handleElementEvents(moved());
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 160.f, 120.f, 1e-4);
    EXPECT_VEC_NEAR(base(strand, 3).getPosition(), 260.f, 120.f, 1e-4);
    EXPECT_VEC_NEAR(base(strand, 2).getPosition(), 200.f, 100.f, 0.f);
    EXPECT_VEC_NEAR(strand.getFiveLabel().getPosition(), fiveBefore.x + 10.f, fiveBefore.y + 20.f, 1e-4);

    // A hidden end label that still drags (released over the menu bar) gets no events,
    // yet counts as dragging.
    state.pointerOverMenuBar = true;
    strand.setEndLabelsVisible(false);
    state.pointerOverMenuBar = false;
    EXPECT_TRUE(strand.getFiveLabel().isDragging());
    pointerAt(30.f, 20.f);
    strand.handleElementEvents(moved());
    EXPECT_VEC_NEAR(strand.getFiveLabel().getPosition(), fiveBefore.x + 10.f, fiveBefore.y + 20.f, 1e-4);
    EXPECT_VEC_NEAR(base(strand, 1).getPosition(), 180.f, 120.f, 1e-4);
    strand.getFiveLabel().stopDrag();

    // Deleting a dragged base leaves the others dragging, and the strand consistent.
    base(strand, 3).setSelected(true);
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
    EXPECT_TRUE(strand.isAnyDragging());
    const std::vector<float> lazy = lineGeometry(strand);
    strand.layoutAll();
    EXPECT_EQ(lazy, lineGeometry(strand));
    strand.handleElementEvents(release());
    EXPECT_FALSE(strand.isAnyDragging());

    // Selection made from outside still makes the strand active on its next event.
    strand.setActive(false);
    EXPECT_FALSE(strand.isActive());
    base(strand, 0).select();
    strand.handleEvent(moved());
    EXPECT_TRUE(strand.isActive());
}

} // namespace
