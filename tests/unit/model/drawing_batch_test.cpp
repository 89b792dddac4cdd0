// The batched drawing against each element's own draw: the same drawing
// painted both ways into off-screen textures must give the same picture.
#include "model/drawing_batch.h"
#include "model/drawing_cache.h"
#include "model/label.h"
#include "tests/unit/model/model_fixture.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

class DrawingBatchTest : public ModelTest {
  protected:
    // Several strands (straight, diagonal, curved, coloured, with and without
    // end labels), selected bases and labels, and free labels with kerning,
    // spaces and a selection box, all at zoom 25.
    void buildDrawing() {
        state.zoomSize = state.previousZoomSize = 25.f;
        state.textSize = 25;
        addStrand("GCATUGCA", {40.f, 60.f}, {34.f, 0.f});
        Strand& diagonal = addStrand("AATTGGCC", {60.f, 120.f}, {29.f, 23.f});
        diagonal.setColor(sf::Color(30, 160, 160));
        diagonal.getBases()[2]->select();
        diagonal.getBases()[3]->select();
        Strand& steep = addStrand("UUCGA", {380.f, 40.f}, {-13.f, 41.f});
        steep.setEndTexts("left end", "V\xC3\xA4");
        steep.getThreeLabel().select();
        Strand& hidden = addStrand("GGGCCCAAA", {300.f, 300.f}, {0.f, 0.f});
        for (std::size_t i = 0; i < hidden.getBases().size(); ++i)
            hidden.getBases()[i]->moveTo({300.f + 70.f * std::cos(0.6f * static_cast<float>(i)),
                                          290.f + 60.f * std::sin(0.6f * static_cast<float>(i))});
        hidden.layoutAll();
        hidden.setEndLabelsVisible(false);
        hidden.setColor(sf::Color(200, 120, 0));
        hidden.getBases()[4]->select();
        state.labels.push_back(std::make_unique<Label>(state, 150.f, 350.f, "AVAWA To, \"probe\"\t1"));
        state.labels.push_back(std::make_unique<Label>(state, 420.f, 380.f, "x"));
        state.labels.back()->select();
        // New end texts take their connectors' fit from the next layout.
        for (auto& strand : state.strands)
            strand->layoutAll();
    }

    // Gathers the whole drawing into `batch`.
    void appendAll(DrawingBatch& batch) {
        for (auto& strand : state.strands)
            strand->appendTo(batch);
        for (auto& label : state.labels)
            label->appendTo(batch);
    }
    // Records the whole drawing as seen through `view`.
    std::unique_ptr<DrawingBatch> record(const sf::View& view) {
        auto batch = std::make_unique<DrawingBatch>(view, state.mainFont.getTexture(25));
        appendAll(*batch);
        return batch;
    }

    // Paints the drawing batched or element by element on a white texture
    // seen through `view`, which counts as the screen when `onScreen`.
    sf::Image paint(sf::RenderTexture& surface, const sf::View& view, bool onScreen, bool batched) {
        state.currentTarget = &surface;
        state.screenTarget = onScreen ? &surface : nullptr;
        surface.setView(view);
        surface.clear(sf::Color::White);
        if (batched) {
            DrawingBatch batch(surface, state.mainFont.getTexture(static_cast<unsigned>(state.textSize)));
            appendAll(batch);
        } else {
            for (auto& strand : state.strands)
                strand->drawEach();
            for (auto& label : state.labels)
                label->draw();
        }
        surface.display();
        return surface.getTexture().copyToImage();
    }

    // How many pixels differ, by how much at most, and how many of `a` are inked.
    struct Difference {
        int pixels = 0, largest = 0, inked = 0;
    };
    static Difference compare(const sf::Image& a, const sf::Image& b) {
        Difference d;
        for (unsigned y = 0; y < a.getSize().y; ++y)
            for (unsigned x = 0; x < a.getSize().x; ++x) {
                const sf::Color p = a.getPixel(x, y), q = b.getPixel(x, y);
                d.inked += p != sf::Color::White;
                const int channel = std::max(
                    {std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b), std::abs(p.a - q.a)});
                d.pixels += channel > 0;
                d.largest = std::max(d.largest, channel);
            }
        return d;
    }
    // Both ways of painting, compared, on screen.
    Difference bothWays(sf::RenderTexture& surface, const sf::View& view, bool onScreen = true) {
        return compare(paint(surface, view, onScreen, false), paint(surface, view, onScreen, true));
    }
};

TEST_F(DrawingBatchTest, BatchedPictureMatchesEachElementsOwnDraw) {
    sf::RenderTexture surface;
    if (!surface.create(520, 460)) GTEST_SKIP() << "no display for render textures";
    buildDrawing();
    const sf::View whole(sf::FloatRect(0.f, 0.f, 520.f, 460.f));
    // On screen (circles and boxes shown) and as a picture (neither). Measured:
    // identical. A few edge pixels may flip on another rasteriser, where a
    // transform done here and one done by the GPU round differently.
    for (const bool onScreen : {true, false}) {
        const Difference d = bothWays(surface, whole, onScreen);
        EXPECT_GT(d.inked, 5000) << "the drawing was painted";
        EXPECT_LE(d.pixels, 8) << "onScreen " << onScreen;
        EXPECT_LE(d.largest, 8) << "onScreen " << onScreen;
    }
    // The selection marks make the difference between screen and picture.
    EXPECT_GT(compare(paint(surface, whole, true, true), paint(surface, whole, false, true)).pixels, 200);
    // A view that cuts through the drawing: what is skipped as out of view
    // must not take away anything that shows.
    const Difference cut = bothWays(surface, sf::View(sf::FloatRect(180.f, 150.f, 520.f, 460.f)));
    EXPECT_GT(cut.inked, 1000);
    EXPECT_LE(cut.pixels, 8);
}

TEST_F(DrawingBatchTest, LongStrandsSkipWholeRunsButNothingThatShows) {
    sf::RenderTexture surface;
    if (!surface.create(400, 300)) GTEST_SKIP() << "no display for render textures";
    // 1,200 bases in rows of 40, 30 pixels apart: far more than fits the view.
    Strand& s = addStrand("");
    for (int i = 0; i < 1200; ++i)
        s.addBase(std::make_unique<BaseObject>(state, 20.f + 30.f * static_cast<float>(i % 40),
                                               20.f + 30.f * static_cast<float>(i / 40), i % 5),
                  true);
    const sf::View view(sf::FloatRect(300.f, 400.f, 400.f, 300.f));
    const Difference d = bothWays(surface, view);
    EXPECT_GT(d.inked, 3000);
    EXPECT_EQ(d.pixels, 0);
    {
        // Only the runs near the view are gathered: far fewer than all 1,200 letters and links.
        DrawingBatch batch(surface, state.mainFont.getTexture(30));
        s.appendTo(batch);
        EXPECT_LT(batch.pendingVertices(), 2u * 600u * 6u);
        EXPECT_GT(batch.pendingVertices(), 0u);
        batch.flush();
    }
    // Bases moved into the view from far-off runs (one without a layout
    // since), a base added at each end and a deletion all show at once.
    s.getBases()[5]->moveTo({500.f, 500.f});
    s.layout();
    s.getBases()[1100]->moveTo({520.f, 560.f});
    EXPECT_EQ(bothWays(surface, view).pixels, 0) << "moves";
    s.addBase(std::make_unique<BaseObject>(state, 600.f, 600.f, 0), true);
    s.addBase(std::make_unique<BaseObject>(state, 450.f, 650.f, 1), false);
    EXPECT_EQ(bothWays(surface, view).pixels, 0) << "additions";
    s.getBases()[700]->select();
    s.deleteSelectedBases();
    EXPECT_EQ(bothWays(surface, view).pixels, 0) << "deletion";
    s.layout();
    const sf::Image before = paint(surface, view, true, true);
    s.getBases()[6]->moveTo({480.f, 480.f});
    EXPECT_EQ(bothWays(surface, view).pixels, 0) << "a move after a layout";
    EXPECT_GT(compare(before, paint(surface, view, true, true)).pixels, 50) << "the move shows";
}

TEST_F(DrawingBatchTest, SkipsWhatLiesOutsideTheView) {
    sf::RenderTexture surface;
    if (!surface.create(200, 200)) GTEST_SKIP() << "no display for render textures";
    state.currentTarget = &surface;
    addStrand("GCAT", {50.f, 50.f}, {30.f, 0.f});
    state.labels.push_back(std::make_unique<Label>(state, 100.f, 120.f, "probe"));
    // Four letters, three links, two connectors, the two glyphs of each end
    // label ("5'" and "3'") and the label's five: two triangles each; nothing
    // when far away, and everything again when the view is turned.
    struct Case {
        sf::FloatRect area;
        float rotation;
        std::size_t quads;
    };
    for (const Case& c : {Case{{0.f, 0.f, 200.f, 200.f}, 0.f, 4 + 3 + 2 + 4 + 5},
                          Case{{5000.f, 5000.f, 200.f, 200.f}, 0.f, 0},
                          Case{{5000.f, 5000.f, 200.f, 200.f}, 10.f, 4 + 3 + 2 + 4 + 5}}) {
        sf::View view(c.area);
        view.setRotation(c.rotation);
        surface.setView(view);
        DrawingBatch batch(surface, state.mainFont.getTexture(30));
        appendAll(batch);
        EXPECT_EQ(batch.pendingVertices(), c.quads * 6u) << c.area.left << " turned " << c.rotation;
        batch.flush();
        EXPECT_EQ(batch.pendingVertices(), 0u);
    }
    // The visibility test itself: edges touching the view count as inside.
    surface.setView(sf::View(sf::FloatRect(0.f, 0.f, 200.f, 200.f)));
    DrawingBatch plain(surface, state.mainFont.getTexture(30));
    EXPECT_TRUE(plain.isVisible({-10.f, -10.f, 10.f, 10.f}));
    EXPECT_TRUE(plain.isVisible({150.f, 150.f, 500.f, 500.f}));
    EXPECT_FALSE(plain.isVisible({-20.f, 50.f, 10.f, 10.f}));
    EXPECT_FALSE(plain.isVisible({50.f, 210.f, 10.f, 10.f}));
}

TEST_F(DrawingBatchTest, RecordingsTellWhereTheyDiffer) {
    buildDrawing();
    const sf::View view(sf::FloatRect(0.f, 0.f, 520.f, 460.f));
    // The box round all the damage boxes (empty for none), and how many there were.
    sf::FloatRect damage;
    std::vector<sf::FloatRect> boxes;
    auto damageOf = [&](DrawingBatch& now, DrawingBatch& before) {
        boxes = {sf::FloatRect(-1.f, -1.f, -1.f, -1.f)};
        EXPECT_TRUE(now.damageSince(before, boxes));
        damage = sf::FloatRect();
        for (const sf::FloatRect& box : boxes) {
            if (damage == sf::FloatRect()) {
                damage = box;
                continue;
            }
            const float right = std::max(damage.left + damage.width, box.left + box.width);
            const float bottom = std::max(damage.top + damage.height, box.top + box.height);
            damage.left = std::min(damage.left, box.left);
            damage.top = std::min(damage.top, box.top);
            damage.width = right - damage.left;
            damage.height = bottom - damage.top;
        }
        return damage;
    };
    auto first = record(view);
    auto second = record(view);
    EXPECT_EQ(damageOf(*second, *first), sf::FloatRect());
    // Recording keeps the triangles in closed runs rather than drawing them.
    EXPECT_EQ(first->pendingVertices(), 0u);
    first->addSolidQuad({500.f, 440.f}, {510.f, 440.f}, {510.f, 450.f}, {500.f, 450.f}, sf::Color::Black);
    EXPECT_EQ(first->pendingVertices(), 6u);
    EXPECT_EQ(damageOf(*second, *first), sf::FloatRect(500.f, 440.f, 10.f, 10.f)) << "an added quad";
    EXPECT_EQ(boxes.size(), 1u);

    // A moved base: its letter, its links and the selection circle round the
    // next base, which the move does not touch, stay out of the box.
    BaseObject& moved = *state.strands[0]->getBases()[1];
    const sf::Vector2f was = moved.getPosition();
    moved.moveTo(was + sf::Vector2f(5.f, 3.f));
    state.strands[0]->layout();
    auto afterMove = record(view);
    damageOf(*afterMove, *second);
    EXPECT_TRUE(damage.contains(was) && damage.contains(was + sf::Vector2f(5.f, 3.f)));
    EXPECT_GT(damage.width, 30.f);
    EXPECT_LT(damage.width, 3.f * 34.f + 10.f) << "the letter and its two links";
    EXPECT_LT(damage.top + damage.height, 100.f);

    // A recoloured strand: the box round it, nothing of the other strands.
    state.strands[1]->setColor(sf::Color::Red);
    auto recoloured = record(view);
    damageOf(*recoloured, *afterMove);
    const sf::Vector2f firstBase = state.strands[1]->getBases().front()->getPosition();
    const sf::Vector2f lastBase = state.strands[1]->getBases().back()->getPosition();
    EXPECT_TRUE(damage.contains(firstBase) && damage.contains(lastBase));
    EXPECT_GT(damage.top, 80.f);

    // A selection shows as the circle's box (circles show on screen only).
    sf::RenderTexture screen;
    state.currentTarget = state.screenTarget = &screen;
    auto onScreen = record(view);
    BaseObject& circled = *state.strands[0]->getBases()[5];
    circled.select();
    auto selected = record(view);
    damageOf(*selected, *onScreen);
    EXPECT_TRUE(damage.contains(circled.getPosition()));
    EXPECT_LT(damage.width, 60.f);
    EXPECT_EQ(damageOf(*record(view), *selected), sf::FloatRect());

    // Two selections far apart make two boxes, neither taking in the other.
    BaseObject& nearTop = *state.strands[0]->getBases()[0];
    BaseObject& nearBottom = *state.strands[3]->getBases()[2];
    auto neither = record(view);
    nearTop.select();
    nearBottom.select();
    damageOf(*record(view), *neither);
    EXPECT_TRUE(damage.contains(nearTop.getPosition()) && damage.contains(nearBottom.getPosition()));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_FALSE(boxes[0].contains(nearBottom.getPosition()) || boxes[1].contains(nearTop.getPosition()));
    nearTop.setSelected(false);
    nearBottom.setSelected(false);

    // The whole drawing moved: the first moved triangle tells how far.
    EXPECT_EQ(record(view)->firstMoveSince(*selected), sf::Vector2f());
    for (auto& strand : state.strands)
        strand->shiftBack({-4.f, 2.f});
    for (auto& label : state.labels)
        label->shiftBack({-4.f, 2.f});
    auto panned = record(view);
    EXPECT_EQ(panned->firstMoveSince(*selected), sf::Vector2f(4.f, -2.f));
    EXPECT_TRUE(panned->shiftedFrom(*selected, {4.f, -2.f}, {0.f, 0.f, 520.f, 460.f}));
    EXPECT_FALSE(panned->shiftedFrom(*selected, {4.f, -1.f}, {0.f, 0.f, 520.f, 460.f}));

    // Something drawn on its own cannot be compared.
    sf::Text bold("bold", state.mainFont, 25);
    bold.setStyle(sf::Text::Bold);
    auto withText = record(view);
    withText->addText(bold);
    auto again = record(view);
    again->addText(bold);
    EXPECT_FALSE(again->damageSince(*withText, boxes));
    EXPECT_FALSE(again->shiftedFrom(*withText, {0.f, 0.f}, {0.f, 0.f, 520.f, 460.f}));
}

TEST_F(DrawingBatchTest, CacheCopiesAnUnchangedDrawingAndPaintsAChangedOne) {
    sf::RenderTexture screen;
    if (!screen.create(520, 460)) GTEST_SKIP() << "no display for render textures";
    buildDrawing();
    screen.setView(sf::View(sf::FloatRect(0.f, 0.f, 520.f, 460.f)));
    DrawingCache cache;
    using P = DrawingCache::Painting;
    // One frame through the cache: how it was painted, and whether it equals
    // the drawing painted element by element.
    auto frameMatches = [&](P expected) {
        const sf::Image reference = paint(screen, screen.getView(), true, false);
        cache.paint(screen, record(screen.getView()), 0);
        screen.display();
        EXPECT_EQ(cache.lastPainting(), expected);
        EXPECT_EQ(compare(reference, screen.getTexture().copyToImage()).pixels, 0);
    };
    for (const P painting : {P::Whole, P::Copied, P::Copied})
        frameMatches(painting);
    // A moved base: only the box round its old and new place is repainted.
    const sf::Image before = paint(screen, screen.getView(), true, false);
    state.strands[2]->getBases()[0]->moveTo({250.f, 420.f});
    state.strands[2]->layout();
    EXPECT_GT(compare(before, paint(screen, screen.getView(), true, false)).pixels, 50);
    frameMatches(P::Repaired);
    frameMatches(P::Copied);
    // A different view is a different picture.
    screen.setView(sf::View(sf::FloatRect(10.f, 0.f, 520.f, 460.f)));
    frameMatches(P::Whole);
}

TEST_F(DrawingBatchTest, RepairedAndScrolledPicturesEqualWholeOnes) {
    // A view that the drawing fills, so that a pan changes most of it.
    sf::RenderTexture screen, reference;
    if (!screen.create(320, 300) || !reference.create(320, 300))
        GTEST_SKIP() << "no display for render textures";
    const sf::View view(sf::FloatRect(60.f, 40.f, 320.f, 300.f));
    screen.setView(view);
    reference.setView(view);
    using P = DrawingCache::Painting;
    // With and without multisampling: repaired boxes and strips are resolved
    // into the kept picture, which must not show where they join.
    for (const unsigned samples : {0u, 4u}) {
        SCOPED_TRACE(samples);
        state.strands.clear();
        state.labels.clear();
        buildDrawing();
        DrawingCache cache;
        sf::Vector2f offset;
        // The next frame through the cache against a fresh cache's whole painting.
        auto frameMatches = [&](P expected) {
            state.currentTarget = state.screenTarget = &screen;
            cache.paint(screen, record(view), samples, offset);
            screen.display();
            EXPECT_EQ(cache.lastPainting(), expected);
            DrawingCache whole;
            whole.paint(reference, record(view), samples);
            reference.display();
            EXPECT_EQ(whole.lastPainting(), P::Whole);
            // A moved triangle is compared with the earlier one plus the pan
            // to a thousandth of a pixel; an edge that falls exactly on a
            // sample point may land on its other side (one pixel, seen once
            // after a run of half-pixel moves).
            EXPECT_LE(compare(reference.getTexture().copyToImage(), screen.getTexture().copyToImage()).pixels,
                      2);
        };
        auto moveAll = [&](sf::Vector2f d, bool pan) {
            for (auto& strand : state.strands)
                strand->shiftBack(-d);
            for (auto& label : state.labels)
                label->shiftBack(-d);
            if (pan) offset += d;
        };
        frameMatches(P::Whole);
        // A selection and a recolouring nearby repair one box.
        state.strands[1]->getBases()[5]->select();
        state.strands[1]->setColor(sf::Color(30, 170, 160));
        frameMatches(P::Repaired);
        // Circles added far apart, a base added at the 5' end (its letter and
        // link come first in the recording) and a base deleted from the middle.
        state.strands[0]->getBases()[1]->select();
        state.strands[3]->getBases()[6]->select();
        frameMatches(P::Repaired);
        state.strands[2]->addBase(std::make_unique<BaseObject>(state, 330.f, 120.f, 2), false);
        state.strands[2]->layout();
        frameMatches(P::Repaired);
        state.strands[1]->setAllSelected(false);
        state.strands[1]->getBases()[4]->select();
        state.strands[1]->deleteSelectedBases();
        state.strands[1]->layout();
        frameMatches(P::Repaired);
        // A pan the offset tells of, one it does not, one that takes part of
        // the drawing out of the view and brings another part in, and back.
        moveAll({3.f, -2.f}, true);
        frameMatches(P::Scrolled);
        moveAll({-7.f, 0.f}, false);
        frameMatches(P::Scrolled);
        moveAll({0.f, 90.f}, true);
        frameMatches(P::Scrolled);
        moveAll({4.f, -88.f}, true);
        frameMatches(P::Scrolled);
        // A pan hint far beyond any window is refused (nothing overflows);
        // the moved triangles still tell the pan.
        offset.x += 1e20f;
        moveAll({3.f, 0.f}, false);
        frameMatches(P::Scrolled);
        // A base thrown far off: its links cross the view towards it.
        state.strands[0]->getBases()[1]->moveTo({1e20f, 60.f});
        state.strands[0]->layout();
        frameMatches(P::Repaired);
        // A move by part of a pixel, a pan beyond the window and back, and a
        // pan with an edit in the same frame are painted whole.
        moveAll({0.5f, 0.f}, true);
        frameMatches(P::Whole);
        moveAll({600.f, 0.f}, true);
        frameMatches(P::Whole);
        moveAll({-600.f, 0.f}, true);
        frameMatches(P::Whole);
        moveAll({5.f, 5.f}, true);
        state.labels.back()->moveTo({200.f, 200.f});
        frameMatches(P::Whole);
        frameMatches(P::Copied);
    }
}

} // namespace
