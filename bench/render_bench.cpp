// Frame times of the real editor window (1024 x 768) under whatever GL the
// display offers (Mesa llvmpipe under Xvfb): one frame is drawFrame (the
// drawing, widgets, display) followed by glFinish, so the time the rasteriser
// spends is counted too. Each drawing is timed redrawn unchanged (pointer
// moves, menus, a blinking cursor) and with a change before every frame: a
// pan by a pixel, one base dragged, half the strands dragged. The line under
// each figure tells how the drawing cache painted the frames.
//   - 10,000 bases (10 strands with links and end labels) all on screen, at zoom 10;
//   - the same with every base selected (a selection circle round each letter);
//   - 100,000 bases in one strand at zoom 30, of which a screenful is visible.
#include "app/app_state.h"
#include "app/main_loop.h"
#include "app/start_up.h"
#include "model/base_kind.h"
#include "model/drawing_batch.h"
#include "model/label.h"
#include "model/strand.h"

#include <SFML/OpenGL.hpp>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Empties the drawing and sets the zoom without rescaling anything.
void resetDrawing(AppState& app, float zoom) {
    app.strands.clear();
    app.labels.clear();
    app.zoomSize = zoom;
    app.previousZoomSize = zoom;
    app.textSize = static_cast<int>(zoom);
}

// `strands` strands of `perStrand` bases, in rows of `perRow` bases `dx` apart,
// rows `dy` apart starting at (left, top); even rows run right, odd rows left.
void buildGrid(AppState& app, int strands, int perStrand, int perRow, float left, float top, float dx,
               float dy) {
    const sf::Color colours[] = {sf::Color::White, sf::Color(200, 30, 30), sf::Color(20, 120, 20)};
    int row = 0;
    for (int s = 0; s < strands; ++s) {
        auto strand = std::make_unique<Strand>(app);
        for (int i = 0; i < perStrand; ++i) {
            const int r = row + i / perRow;
            const int c = (r % 2 == 0) ? i % perRow : perRow - 1 - i % perRow;
            strand->addBase(std::make_unique<BaseObject>(app, left + dx * static_cast<float>(c),
                                                         top + dy * static_cast<float>(r),
                                                         i % BaseKind::Count),
                            true);
        }
        row += (perStrand + perRow - 1) / perRow;
        strand->setColor(colours[s % 3]);
        strand->setActive(false);
        app.strands.push_back(std::move(strand));
    }
}

struct FrameFigures {
    double mean = 0.0;
    double median = 0.0;
    double worst = 0.0;
    // How the timed frames were painted, counted by DrawingCache::Painting.
    int paintings[5] = {};
};

// A change made before each frame (outside the timing); `frame` counts them.
using Change = std::function<void(AppState&, int)>;

// The direction of a one-pixel move, to and fro.
sf::Vector2f toAndFro(int frame) {
    return {frame % 2 == 0 ? 1.f : -1.f, 0.f};
}

// Moves the whole drawing by one pixel, as panning does.
void pan(AppState& app, int frame) {
    const sf::Vector2f d = toAndFro(frame);
    for (auto& strand : app.strands)
        strand->shiftBack(d);
    for (auto& label : app.labels)
        label->shiftBack(d);
    app.view.panBack(d);
}

// Moves the base nearest the window's centre by a pixel, as dragging it does.
void dragOneBase(AppState& app, int frame) {
    const sf::Vector2f centre(512.f, 384.f);
    BaseObject* nearest = nullptr;
    Strand* owner = nullptr;
    float best = 0.f;
    for (auto& strand : app.strands)
        for (auto& base : strand->getBases()) {
            const sf::Vector2f d = base->getPosition() - centre;
            if (!nearest || d.x * d.x + d.y * d.y < best) {
                nearest = base.get();
                owner = strand.get();
                best = d.x * d.x + d.y * d.y;
            }
        }
    nearest->moveTo(nearest->getPosition() + toAndFro(frame));
    owner->layout();
}

// Moves the first half of the strands by a pixel, as dragging a selection of them does.
void dragHalf(AppState& app, int frame) {
    for (std::size_t i = 0; i < app.strands.size() / 2; ++i)
        app.strands[i]->shiftBack(toAndFro(frame));
}

// Grows a selection box from the top-left corner by (8, 6) pixels a frame,
// selecting what it takes in, as dragging one out does.
void growSelectionBox(AppState& app, int frame) {
    const float right = 8.f + 8.f * static_cast<float>(frame % 120);
    const float bottom = 30.f + 6.f * static_cast<float>(frame % 120);
    for (auto& strand : app.strands)
        for (auto& base : strand->getBases())
            base->setSelected(base->isInRect(0.f, 0.f, right, bottom));
}

// Mean, median and worst time of a frame, each after `change` when given.
FrameFigures timeFrames(AppState& app, int frames, const Change& change = nullptr) {
    for (int i = 0; i < 5; ++i) {
        if (change) change(app, i);
        drawFrame(app);
        glFinish();
    }
    FrameFigures f;
    std::vector<double> times;
    for (int i = 0; i < frames; ++i) {
        if (change) change(app, i);
        const auto t0 = Clock::now();
        drawFrame(app);
        glFinish();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
        f.mean += ms;
        times.push_back(ms);
        f.worst = std::max(f.worst, ms);
        ++f.paintings[static_cast<int>(app.drawingCache.lastPainting())];
    }
    f.mean /= frames;
    std::sort(times.begin(), times.end());
    f.median = times[times.size() / 2];
    return f;
}

// Where the time of a frame goes: gathering the drawing's triangles, painting
// them (up to glFinish), and the rest (widgets, display).
void breakdown(AppState& app, int frames, const Change& change = nullptr) {
    double record = 0.0, paint = 0.0, rest = 0.0;
    auto ms = [](Clock::time_point a, Clock::time_point b) {
        return std::chrono::duration<double, std::milli>(b - a).count();
    };
    // drawFrame's steps, timed one by one.
    for (int i = 0; i < frames; ++i) {
        if (change) change(app, i);
        const auto t0 = Clock::now();
        auto batch = recordDrawing(app);
        batch->flush();
        const auto t1 = Clock::now();
        app.drawingCache.paint(app.mainWindow, std::move(batch),
                               app.mainWindow.getSettings().antialiasingLevel, app.view.offset);
        glFinish();
        const auto t2 = Clock::now();
        app.gui.draw();
        app.mainWindow.display();
        glFinish();
        const auto t3 = Clock::now();
        record += ms(t0, t1);
        paint += ms(t1, t2);
        rest += ms(t2, t3);
    }
    std::printf("    of which: recording %.2f ms, painting and copying into the window %.2f ms, widgets and "
                "display %.2f ms\n",
                record / frames, paint / frames, rest / frames);
}

void report(const char* what, const FrameFigures& f) {
    std::printf("%-66s mean %6.2f ms, median %6.2f ms, worst %6.2f ms (target <= 16.7 ms)\n", what, f.mean,
                f.median, f.worst);
    const char* names[] = {"direct", "whole", "copied", "repaired", "scrolled"};
    std::printf("    painted:");
    for (int k = 0; k < 5; ++k)
        if (f.paintings[k]) std::printf(" %s %d", names[k], f.paintings[k]);
    std::printf("\n");
}

} // namespace

int main() {
    AppState app;
    resolvePaths(app);
    createMainWindow(app);
    app.mainWindow.setVerticalSyncEnabled(false);
    const sf::Vector2u size = app.mainWindow.getSize();
    std::printf("window %u x %u, renderer %s\n", size.x, size.y,
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)));

    resetDrawing(app, 30.f);
    report("empty drawing (the floor: clear, widgets, display):", timeFrames(app, 30));
    breakdown(app, 20);

    // 10 strands of 1,000 bases: 100 per row, 100 rows fill the window below the menu bar.
    resetDrawing(app, 10.f);
    buildGrid(app, 10, 1000, 100, 14.f, 34.f, 10.f, 7.2f);
    app.labels.push_back(std::make_unique<Label>(app, 500.f, 25.f, "ten thousand bases"));
    report("10,000 bases on screen (zoom 10), links and end labels:", timeFrames(app, 60));
    report("  the same, panned by a pixel every frame:", timeFrames(app, 30, pan));
    report("  the same, one base dragged every frame:", timeFrames(app, 30, dragOneBase));
    breakdown(app, 20, pan);
    report("  the same, half the strands dragged every frame:", timeFrames(app, 20, dragHalf));
    report("  the same, a selection box growing over it:", timeFrames(app, 120, growSelectionBox));

    for (auto& strand : app.strands)
        strand->setAllSelected(true);
    report("10,000 bases on screen, every base selected:", timeFrames(app, 30));
    report("  the same, panned by a pixel every frame:", timeFrames(app, 30, pan));
    breakdown(app, 10, pan);

    // One strand of 100,000 bases at zoom 30: 200 per row 40 pixels apart, 500 rows.
    resetDrawing(app, 30.f);
    buildGrid(app, 1, 100000, 200, 40.f, 60.f, 40.f, 40.f);
    report("100,000 bases (zoom 30), a screenful visible:", timeFrames(app, 60));
    report("  the same, panned by a pixel every frame:", timeFrames(app, 30, pan));
    breakdown(app, 20, pan);
    report("  the same, one base dragged every frame:", timeFrames(app, 30, dragOneBase));

    app.mainWindow.close();
    return 0;
}
