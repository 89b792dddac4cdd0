// The batched drawing against each element's own draw: the same drawing
// painted both ways into off-screen textures must give the same picture.
#include "model/base_kind.h"
#include "model/drawing_batch.h"
#include "model/drawing_cache.h"
#include "model/label.h"
#include "model/strand.h"
#include "tests/unit/model/model_fixture.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>

namespace {

class DrawingBatchTest : public ModelTest {
  protected:
    // A strand of `letters` from `start`, one base every `step`.
    Strand& addStrand(const std::string& letters, sf::Vector2f start, sf::Vector2f step) {
        auto strand = std::make_unique<Strand>(state);
        sf::Vector2f p = start;
        for (char c : letters) {
            strand->addBase(std::make_unique<BaseObject>(state, p.x, p.y, baseKindOfLetter(c)), true);
            p += step;
        }
        state.strands.push_back(std::move(strand));
        return *state.strands.back();
    }

    // Several strands (straight, diagonal, curved, coloured, with and without
    // end labels), selected bases and labels, and free labels with kerning,
    // spaces and a selection box, all at zoom 25.
    void buildDrawing() {
        state.zoomSize = 25.f;
        state.previousZoomSize = 25.f;
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
    }

    void drawEach() {
        for (auto& strand : state.strands)
            strand->drawEach();
        for (auto& label : state.labels)
            label->draw();
    }

    void drawBatched(sf::RenderTarget& target) {
        DrawingBatch batch(target, state.mainFont.getTexture(static_cast<unsigned>(state.textSize)));
        for (auto& strand : state.strands)
            strand->appendTo(batch);
        for (auto& label : state.labels)
            label->appendTo(batch);
    }

    // Paints the drawing batched or element by element on a white texture
    // seen through `view`, which counts as the screen when `onScreen`.
    sf::Image paint(sf::RenderTexture& surface, const sf::View& view, bool onScreen, bool batched) {
        state.currentTarget = &surface;
        state.screenTarget = onScreen ? &surface : nullptr;
        surface.setView(view);
        surface.clear(sf::Color::White);
        if (batched)
            drawBatched(surface);
        else
            drawEach();
        surface.display();
        return surface.getTexture().copyToImage();
    }

    struct Difference {
        int pixels = 0;
        int largest = 0;
        int inked = 0;
    };
    static Difference compare(const sf::Image& a, const sf::Image& b) {
        Difference d;
        for (unsigned y = 0; y < a.getSize().y; ++y)
            for (unsigned x = 0; x < a.getSize().x; ++x) {
                const sf::Color p = a.getPixel(x, y), q = b.getPixel(x, y);
                if (p != sf::Color::White) ++d.inked;
                const int channel = std::max(
                    {std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b), std::abs(p.a - q.a)});
                if (channel > 0) ++d.pixels;
                d.largest = std::max(d.largest, channel);
            }
        return d;
    }
};

TEST_F(DrawingBatchTest, BatchedPictureMatchesEachElementsOwnDraw) {
    sf::RenderTexture surface;
    if (!surface.create(520, 460)) GTEST_SKIP() << "no display for render textures";
    buildDrawing();
    const sf::View whole(sf::FloatRect(0.f, 0.f, 520.f, 460.f));

    // On screen (circles and boxes shown) and as a picture (neither).
    for (const bool onScreen : {true, false}) {
        const sf::Image reference = paint(surface, whole, onScreen, false);
        const sf::Image batched = paint(surface, whole, onScreen, true);
        const Difference d = compare(reference, batched);
        std::cout << (onScreen ? "screen" : "picture") << ": " << d.pixels << " of " << d.inked
                  << " inked pixels differ, by at most " << d.largest << "\n";
        EXPECT_GT(d.inked, 5000) << "the drawing was painted";
        // Measured: identical (0 pixels differ). A few edge pixels may flip on
        // another rasteriser, where a transform done here and one done by the
        // GPU round differently.
        EXPECT_LE(d.pixels, 8) << "onScreen " << onScreen;
        EXPECT_LE(d.largest, 8) << "onScreen " << onScreen;
    }

    // The selection marks make the difference between screen and picture.
    const Difference marks = compare(paint(surface, whole, true, true), paint(surface, whole, false, true));
    EXPECT_GT(marks.pixels, 200);

    // A view that cuts through the drawing: what is skipped as out of view
    // must not take away anything that shows.
    const sf::View part(sf::FloatRect(180.f, 150.f, 520.f, 460.f));
    const Difference cut = compare(paint(surface, part, true, false), paint(surface, part, true, true));
    EXPECT_GT(cut.inked, 1000);
    EXPECT_LE(cut.pixels, 8);
}

TEST_F(DrawingBatchTest, LongStrandsSkipWholeRunsButNothingThatShows) {
    sf::RenderTexture surface;
    if (!surface.create(400, 300)) GTEST_SKIP() << "no display for render textures";
    // 1,200 bases in rows of 40, 30 pixels apart: far more than fits the view.
    auto strand = std::make_unique<Strand>(state);
    for (int i = 0; i < 1200; ++i)
        strand->addBase(std::make_unique<BaseObject>(state, 20.f + 30.f * static_cast<float>(i % 40),
                                                     20.f + 30.f * static_cast<float>(i / 40), i % 5),
                        true);
    Strand& s = *strand;
    state.strands.push_back(std::move(strand));
    const sf::View view(sf::FloatRect(300.f, 400.f, 400.f, 300.f));

    Difference d = compare(paint(surface, view, true, false), paint(surface, view, true, true));
    EXPECT_GT(d.inked, 3000);
    EXPECT_EQ(d.pixels, 0);

    // Only the runs near the view are gathered: far fewer than all 1,200 letters and links.
    {
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
    d = compare(paint(surface, view, true, false), paint(surface, view, true, true));
    EXPECT_EQ(d.pixels, 0);
    s.addBase(std::make_unique<BaseObject>(state, 600.f, 600.f, 0), true);
    s.addBase(std::make_unique<BaseObject>(state, 450.f, 650.f, 1), false);
    d = compare(paint(surface, view, true, false), paint(surface, view, true, true));
    EXPECT_EQ(d.pixels, 0);
    s.getBases()[700]->select();
    s.deleteSelectedBases();
    d = compare(paint(surface, view, true, false), paint(surface, view, true, true));
    EXPECT_EQ(d.pixels, 0);
    s.layout();
    const sf::Image before = paint(surface, view, true, true);
    s.getBases()[6]->moveTo({480.f, 480.f});
    d = compare(paint(surface, view, true, false), paint(surface, view, true, true));
    EXPECT_EQ(d.pixels, 0);
    EXPECT_GT(compare(before, paint(surface, view, true, true)).pixels, 50) << "the move shows";
}

TEST_F(DrawingBatchTest, SkipsWhatLiesOutsideTheView) {
    sf::RenderTexture surface;
    if (!surface.create(200, 200)) GTEST_SKIP() << "no display for render textures";
    state.currentTarget = &surface;
    addStrand("GCAT", {50.f, 50.f}, {30.f, 0.f});
    state.labels.push_back(std::make_unique<Label>(state, 100.f, 120.f, "probe"));

    surface.setView(sf::View(sf::FloatRect(0.f, 0.f, 200.f, 200.f)));
    {
        DrawingBatch batch(surface, state.mainFont.getTexture(30));
        state.strands[0]->appendTo(batch);
        // Four letters, three links, two connectors and the two glyphs of each
        // end label ("5'" and "3'"): two triangles each.
        EXPECT_EQ(batch.pendingVertices(), (4u + 3u + 2u + 4u) * 6u);
        state.labels[0]->appendTo(batch);
        EXPECT_EQ(batch.pendingVertices(), (4u + 3u + 2u + 4u + 5u) * 6u);
        batch.flush();
        EXPECT_EQ(batch.pendingVertices(), 0u);
    }

    // Far away, nothing is gathered; a turned view keeps everything.
    sf::View away(sf::FloatRect(5000.f, 5000.f, 200.f, 200.f));
    surface.setView(away);
    {
        DrawingBatch batch(surface, state.mainFont.getTexture(30));
        state.strands[0]->appendTo(batch);
        state.labels[0]->appendTo(batch);
        EXPECT_EQ(batch.pendingVertices(), 0u);
    }
    away.setRotation(10.f);
    surface.setView(away);
    DrawingBatch turned(surface, state.mainFont.getTexture(30));
    state.strands[0]->appendTo(turned);
    EXPECT_EQ(turned.pendingVertices(), 13u * 6u);

    // The visibility test itself: edges touching the view count as inside.
    surface.setView(sf::View(sf::FloatRect(0.f, 0.f, 200.f, 200.f)));
    DrawingBatch plain(surface, state.mainFont.getTexture(30));
    EXPECT_TRUE(plain.isVisible({-10.f, -10.f, 10.f, 10.f}));
    EXPECT_TRUE(plain.isVisible({150.f, 150.f, 500.f, 500.f}));
    EXPECT_FALSE(plain.isVisible({-20.f, 50.f, 10.f, 10.f}));
    EXPECT_FALSE(plain.isVisible({50.f, 210.f, 10.f, 10.f}));
}

TEST_F(DrawingBatchTest, RecordingsCompareByTheirTriangles) {
    buildDrawing();
    const sf::View view(sf::FloatRect(0.f, 0.f, 520.f, 460.f));
    const sf::Texture& texture = state.mainFont.getTexture(25);
    auto record = [&] {
        auto batch = std::make_unique<DrawingBatch>(view, texture);
        for (auto& strand : state.strands)
            strand->appendTo(*batch);
        for (auto& label : state.labels)
            label->appendTo(*batch);
        return batch;
    };
    auto first = record();
    auto second = record();
    EXPECT_TRUE(second->sameAs(*first));
    // Recording keeps the triangles in closed runs rather than drawing them.
    EXPECT_EQ(first->pendingVertices(), 0u);
    first->addSolidQuad({0.f, 0.f}, {1.f, 0.f}, {1.f, 1.f}, {0.f, 1.f}, sf::Color::Black);
    EXPECT_EQ(first->pendingVertices(), 6u);
    EXPECT_FALSE(second->sameAs(*first));

    // Any change that shows makes a different recording: a move, a colour, a selection.
    state.strands[0]->getBases()[1]->moveTo(state.strands[0]->getBases()[1]->getPosition() +
                                            sf::Vector2f(1.f, 0.f));
    state.strands[0]->layout();
    auto moved = record();
    EXPECT_FALSE(moved->sameAs(*second));
    state.strands[1]->setColor(sf::Color::Red);
    auto recoloured = record();
    EXPECT_FALSE(recoloured->sameAs(*moved));
    // (Selection circles show on screen only; recording never draws into the target.)
    sf::RenderTexture screen;
    state.currentTarget = &screen;
    state.screenTarget = &screen;
    state.strands[0]->getBases()[0]->select();
    auto selected = record();
    EXPECT_FALSE(selected->sameAs(*recoloured));
    EXPECT_TRUE(record()->sameAs(*selected));

    // Something drawn on its own is never taken for unchanged.
    sf::Text bold("bold", state.mainFont, 25);
    bold.setStyle(sf::Text::Bold);
    auto withText = record();
    withText->addText(bold);
    auto again = record();
    again->addText(bold);
    EXPECT_FALSE(again->sameAs(*withText));
}

TEST_F(DrawingBatchTest, CacheCopiesAnUnchangedDrawingAndPaintsAChangedOne) {
    sf::RenderTexture screen;
    if (!screen.create(520, 460)) GTEST_SKIP() << "no display for render textures";
    buildDrawing();
    state.currentTarget = &screen;
    state.screenTarget = &screen;
    screen.setView(sf::View(sf::FloatRect(0.f, 0.f, 520.f, 460.f)));
    DrawingCache cache;
    auto frame = [&] {
        screen.clear(sf::Color::White);
        auto batch = std::make_unique<DrawingBatch>(screen.getView(), state.mainFont.getTexture(25));
        for (auto& strand : state.strands)
            strand->appendTo(*batch);
        for (auto& label : state.labels)
            label->appendTo(*batch);
        cache.paint(screen, std::move(batch), 0);
        screen.display();
        return screen.getTexture().copyToImage();
    };
    const sf::Image reference = paint(screen, screen.getView(), true, false);

    const sf::Image first = frame();
    EXPECT_FALSE(cache.lastPaintCopied());
    EXPECT_EQ(compare(reference, first).pixels, 0);
    // The repeat is painted into the kept picture and copied; later repeats only copied.
    for (int i = 0; i < 3; ++i) {
        const sf::Image repeat = frame();
        EXPECT_TRUE(cache.lastPaintCopied());
        EXPECT_EQ(compare(reference, repeat).pixels, 0) << i;
    }

    // A move is painted afresh, then kept again.
    state.strands[2]->getBases()[0]->moveTo({250.f, 420.f});
    state.strands[2]->layout();
    const sf::Image changedReference = paint(screen, screen.getView(), true, false);
    EXPECT_GT(compare(reference, changedReference).pixels, 50);
    const sf::Image changed = frame();
    EXPECT_FALSE(cache.lastPaintCopied());
    EXPECT_EQ(compare(changedReference, changed).pixels, 0);
    const sf::Image kept = frame();
    EXPECT_TRUE(cache.lastPaintCopied());
    EXPECT_EQ(compare(changedReference, kept).pixels, 0);

    // A different view is a different picture.
    screen.setView(sf::View(sf::FloatRect(10.f, 0.f, 520.f, 460.f)));
    frame();
    EXPECT_FALSE(cache.lastPaintCopied());
}

} // namespace
