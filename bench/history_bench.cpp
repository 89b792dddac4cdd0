// Undo history costs on a 100,000-base drawing (10 strands of 10,000 bases):
// capturing and comparing a snapshot (what every key press pays), an undo
// and a redo (rebuilding the drawing), and the memory one step holds.
#include "edit/drawing_snapshot.h"
#include "edit/history.h"
#include "model/base_object.h"
#include "model/drawing_state.h"
#include "model/strand.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main() {
    DrawingState state;
    for (const char* path : {"DejaVuSans.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"})
        if (std::filesystem::exists(path) && state.mainFont.loadFromFile(path)) break;
    for (int s = 0; s < 10; ++s) {
        auto strand = std::make_unique<Strand>(state);
        for (int i = 0; i < 10000; ++i)
            strand->addBase(std::make_unique<BaseObject>(state, 48.f * static_cast<float>(i),
                                                         100.f * static_cast<float>(s), i % 4),
                            true);
        strand->layout();
        state.strands.push_back(std::move(strand));
    }
    ViewTransform view;
    History history;
    history.record(state, view); // the baseline

    auto start = Clock::now();
    const int rounds = 20;
    for (int i = 0; i < rounds; ++i)
        history.record(state, view);
    std::printf("record, nothing changed (capture + compare), 100k bases: %.2f ms\n",
                millisecondsSince(start) / rounds);

    state.strands[5]->getBases()[5000]->shiftBack({0.f, 10.f});
    start = Clock::now();
    history.record(state, view);
    std::printf("record of a moved base (new step): %.2f ms\n", millisecondsSince(start));
    std::printf("memory of one step: %.1f MB\n",
                static_cast<double>(byteSize(history.currentSnapshot())) / 1e6);

    start = Clock::now();
    history.undo(state, view);
    std::printf("undo of the move (in place): %.1f ms\n", millisecondsSince(start));
    start = Clock::now();
    history.redo(state, view);
    std::printf("redo of the move (in place): %.1f ms\n", millisecondsSince(start));

    state.strands[5]->addBase(std::make_unique<BaseObject>(state, -48.f, 500.f, 0), false);
    history.record(state, view);
    start = Clock::now();
    history.undo(state, view);
    std::printf("undo of an added base (one 10,000-base strand rebuilt): %.1f ms\n",
                millisecondsSince(start));

    state.strands.pop_back();
    history.record(state, view);
    start = Clock::now();
    history.undo(state, view);
    std::printf("undo of a deleted strand (all 100k bases rebuilt): %.1f ms\n", millisecondsSince(start));
    return 0;
}
