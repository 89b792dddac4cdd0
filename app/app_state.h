#pragma once

#include "edit/history.h"
#include "edit/view_transform.h"
#include "gui/gui.h"
#include "model/drawing_cache.h"
#include "model/drawing_state.h"
#include "platform/platform.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <cstdint>
#include <string>

class Strand;

// The editor's whole state, in one place. Header-only, so that the dialogs,
// the document commands and the editing services can share it with the shell.
// The drawing members (strands,
// labels, pointer, flags, zoom, font) come from DrawingState so the model can
// be handed exactly what it needs; the window, the widget layer, the document
// and the loop's own values are added here.
struct AppState : DrawingState {
    AppState() {
        selectionRect.setSize({0.f, 0.f});
        selectionRect.setFillColor(sf::Color::Transparent);
        selectionRect.setOutlineColor(sf::Color::Black);
        selectionRect.setOutlineThickness(1.f);
    }

    // The one application window.
    sf::RenderWindow mainWindow;
    // The widget layer: menu bar and dialog windows, found by name.
    gui::Gui gui;

    // Path of the current drawing file; "" for an untitled drawing.
    std::string documentPath;
    // The widget theme file that the menu bar and every dialog load.
    std::string themePath;
    // The current directory at start-up.
    std::string workingDirectory;

    // Clipboard, file dialogs, links, live input and clock.
    Platform platform;

    // ---- Values of the main loop, kept across passes ----
    // The selection box: positioned at the corner where it started; its size
    // is the pointer minus that corner, so it may be negative.
    sf::RectangleShape selectionRect;
    // True while a selection box is being dragged out.
    bool boxActive = false;
    // The drawing's picture, kept between frames so that only what changed is painted.
    DrawingCache drawingCache;
    // The strand made by the current event on an empty drawing, or null.
    Strand* newStrand = nullptr;
    // The serial number of the strand the colour window was opened for.
    std::uint64_t colorWindowStrand = 0;

    // ---- Undo ----
    // The sum of every pan and zoom since start-up; the history keeps
    // positions through it so that neither counts as an edit.
    ViewTransform view;
    // Undo and redo steps of the drawing.
    History history;
    // An event since the last record may have edited the drawing.
    bool historyCheckDue = false;
    // The current event undid or redid a step.
    bool historyMoved = false;

    // Size of the window in pixels; without an open window (pipeline tests)
    // the size the window would have.
    sf::Vector2u windowSize() const {
        return mainWindow.isOpen() ? mainWindow.getSize() : headlessWindowSize;
    }
    sf::Vector2u headlessWindowSize{1024, 768};

    // Installs the platform services (real ones at start-up, scripted ones in tests)
    // and points the drawing's input and clock at them.
    void usePlatform(Platform services) {
        platform = std::move(services);
        input = platform.input.get();
        clock = platform.clock.get();
    }
};
