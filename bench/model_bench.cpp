// Drawing-model timings: building and laying out a long strand, and the cost of
// one pointer-move event on a large drawing (idle, and with one base dragged).
#include "model/base_kind.h"
#include "model/strand.h"

#include <SFML/Window/Event.hpp>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void loadFont(DrawingState& state) {
    for (const char* path : {"DejaVuSans.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"})
        if (std::filesystem::exists(path) && state.mainFont.loadFromFile(path)) return;
    std::printf("warning: no font found; text bounds are empty\n");
}

// One strand of `count` bases in rows of 200, built 5' to 3'.
std::unique_ptr<Strand> buildStrand(DrawingState& state, int count, float top) {
    auto strand = std::make_unique<Strand>(state);
    for (int i = 0; i < count; ++i) {
        const float x = 40.f * static_cast<float>(i % 200);
        const float y = top + 40.f * static_cast<float>(i / 200);
        strand->addBase(std::make_unique<BaseObject>(state, x, y, i % BaseKind::Count), i != 0);
    }
    return strand;
}

// Mean milliseconds of one event through the strands' element handlers and strand handlers.
double eventCost(DrawingState& state, int repeats, bool dragging, sf::Vector2f start) {
    sf::Event move{};
    move.type = sf::Event::MouseMoved;
    const auto t0 = Clock::now();
    for (int r = 0; r < repeats; ++r) {
        state.elementGrabbed = false;
        state.pointerPosition = start + sf::Vector2f(static_cast<float>(r % 50), dragging ? 3.f : 0.f);
        for (auto& strand : state.strands)
            strand->handleElementEvents(move);
        for (auto& strand : state.strands)
            strand->handleEvent(move);
    }
    return secondsSince(t0) * 1000.0 / repeats;
}

} // namespace

int main() {
    DrawingState state;
    loadFont(state);

    // The first text laid out loads glyphs and opens the graphics context; that
    // one-time cost belongs to start-up, not to building strands.
    auto t0 = Clock::now();
    buildStrand(state, 1000, 0.f);
    std::printf("warm-up (font glyphs, graphics context, 1,000 bases): %.3f s\n", secondsSince(t0));

    const int n = 100000;
    t0 = Clock::now();
    std::unique_ptr<Strand> strand = buildStrand(state, n, 0.f);
    const double build = secondsSince(t0);
    t0 = Clock::now();
    strand->layoutAll();
    const double fullLayout = secondsSince(t0);
    std::printf("build %d-base strand with addBase: %.3f s (target < 0.5 s)\n", n, build);
    std::printf("full layout of %d-base strand: %.3f s\n", n, fullLayout);
    std::printf("build + full layout: %.3f s\n", build + fullLayout);

    // The drawing for event costs: the same strand plus 100 strands of 1,000 bases.
    state.strands.push_back(std::move(strand));
    for (int s = 0; s < 100; ++s)
        state.strands.push_back(buildStrand(state, 1000, 5000.f + 300.f * s));
    std::printf("drawing: 1 strand of 100,000 bases + 100 strands of 1,000 bases\n");

    std::printf("pointer move, nothing dragged: %.3f ms per event (target < 2 ms)\n",
                eventCost(state, 200, false, {10.f, 10.f}));

    // Grab one base in the middle of the long strand and drag it.
    Strand& big = *state.strands.front();
    BaseObject& middle = *big.getBases()[n / 2];
    state.pointerPosition = middle.getPosition();
    sf::Event press{};
    press.type = sf::Event::MouseButtonPressed;
    press.mouseButton.button = sf::Mouse::Left;
    for (auto& s : state.strands)
        s->handleElementEvents(press);
    for (auto& s : state.strands)
        s->handleEvent(press);
    std::printf("pointer move, one base of the long strand dragged: %.3f ms per event (target < 2 ms)\n",
                eventCost(state, 200, true, middle.getPosition()));
    return 0;
}
