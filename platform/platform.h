#pragma once

#include "platform/clipboard.h"
#include "platform/file_chooser.h"
#include "platform/input_state.h"
#include "platform/link_opener.h"
#include "platform/time_source.h"

#include <memory>

// The outside services the editor uses, each behind its small interface.
struct Platform {
    std::unique_ptr<InputState> input;
    std::unique_ptr<TimeSource> clock;
    std::unique_ptr<Clipboard> clipboard;
    std::unique_ptr<FileChooser> files;
    std::unique_ptr<LinkOpener> links;

    // The real services: SFML input and clipboard, steady clock, GTK dialogs, xdg-open.
    static Platform real();
};

// The scripted services of the tests, with typed access to each.
struct ScriptedPlatform {
    ScriptedInputState* input = nullptr;
    ScriptedTimeSource* clock = nullptr;
    ScriptedClipboard* clipboard = nullptr;
    ScriptedFileChooser* files = nullptr;
    ScriptedLinkOpener* links = nullptr;

    // Fills `into` with scripted services and returns typed pointers to them.
    static ScriptedPlatform install(Platform& into);
};
