#include "platform/platform.h"

Platform Platform::real() {
    Platform p;
    p.input = std::make_unique<LiveInputState>();
    p.clock = std::make_unique<SteadyTimeSource>();
    p.clipboard = std::make_unique<SystemClipboard>();
    p.files = std::make_unique<NativeFileChooser>();
    p.links = std::make_unique<XdgLinkOpener>();
    return p;
}

ScriptedPlatform ScriptedPlatform::install(Platform& into) {
    ScriptedPlatform s;
    auto input = std::make_unique<ScriptedInputState>();
    auto clock = std::make_unique<ScriptedTimeSource>();
    auto clipboard = std::make_unique<ScriptedClipboard>();
    auto files = std::make_unique<ScriptedFileChooser>();
    auto links = std::make_unique<ScriptedLinkOpener>();
    s.input = input.get();
    s.clock = clock.get();
    s.clipboard = clipboard.get();
    s.files = files.get();
    s.links = links.get();
    into.input = std::move(input);
    into.clock = std::move(clock);
    into.clipboard = std::move(clipboard);
    into.files = std::move(files);
    into.links = std::move(links);
    return s;
}
