#include "app/main_loop.h"

#include "app/app_state.h"
#include "app/canvas_input.h"
#include "app/dispatch.h"
#include "app/menu.h"
#include "document/unsaved_changes.h"
#include "edit/drawing_ops.h"
#include "model/label.h"
#include "model/strand.h"

#include <SFML/System/Sleep.hpp>
#include <algorithm>
#include <chrono>

namespace {

const char* const kDialogNames[] = {"NewStrandWindow",    "StrandEndWindow", "StrandColorWindow",
                                    "NewLabelWindow",     "EditLabelWindow", "UnsavedChangesWindow",
                                    "InstructionsWindow", "AboutWindow",     "MessageWindow"};

// The close request of the window, or Escape: with unsaved changes the exit
// prompt decides; otherwise the window closes unless a prompt is showing.
void closePath(AppState& app, const sf::Event& event) {
    bool request = event.type == sf::Event::Closed ||
                   (event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Escape);
    if (!request) return;
    if (app.unsavedChanges)
        OpenUnsavedChangesWindowExit(app);
    else if (!app.gui.get("UnsavedChangesWindow"))
        app.mainWindow.close();
}

// Ends the event for the undo history: once no edit is under way the
// drawing is compared with the current step. A bare pointer move edits
// nothing by itself (drags end with a release), so it only checks when a
// menu command ran on it or an earlier check had to wait.
void recordEdit(AppState& app, const sf::Event& event) {
    if (event.type != sf::Event::MouseMoved) app.historyCheckDue = true;
    if (!app.historyCheckDue || editInProgress(app)) return;
    const bool changed = app.history.record(app, app.view);
    app.historyCheckDue = false;
    // A key that undid a step also went through the canvas steps; on a drawing
    // the undo emptied, the first-strand rule marked it changed for nothing.
    if (app.historyMoved && !changed) app.unsavedChanges = !app.history.atSavedStep();
    app.historyMoved = false;
}

template <class List, class Pred> void eraseIf(List& list, Pred pred) {
    list.erase(std::remove_if(list.begin(), list.end(), pred), list.end());
}

} // namespace

bool anyDialogOpen(const AppState& app) {
    for (const char* name : kDialogNames)
        if (app.gui.get(name)) return true;
    return false;
}

bool editInProgress(const AppState& app) {
    if (app.boxActive || anyDialogOpen(app)) return true;
    for (const auto& strand : app.strands)
        if (strand->isAnyDragging()) return true;
    for (const auto& label : app.labels)
        if (label->isDragging()) return true;
    return false;
}

void processEvent(AppState& app, const sf::Event& event) {
    app.historyMoved = false;
    app.elementGrabbed = false;
    closePath(app, event);
    if (event.type == sf::Event::Resized) resetViewAndMenu(app);
    trackPointer(app, event);
    dispatchEvent(app, event);
    panDrawing(app, event);

    if (!anyDialogOpen(app)) {
        for (auto& strand : app.strands)
            strand->handleElementEvents(event);
    }
    if (!anyDialogOpen(app)) {
        for (auto& label : app.labels)
            label->handleEvent(event);
    }

    eraseIf(app.strands, [](const auto& strand) { return strand->isEmpty(); });
    eraseIf(app.labels, [](const auto& label) { return label->getText().empty(); });

    startFirstStrand(app, event);
    updateSelectionBox(app, event);

    if (!anyDialogOpen(app)) {
        for (auto& strand : app.strands)
            if (strand.get() != app.newStrand) strand->handleEvent(event);
    }

    if (app.groupDragRequested) {
        startGroupDrag(app);
        app.groupDragRequested = false;
    }
    recordEdit(app, event);
}

std::unique_ptr<DrawingBatch> recordDrawing(AppState& app) {
    app.currentTarget = &app.mainWindow;
    auto batch = app.drawingCache.newFrame(app.mainWindow.getView(),
                                           app.mainFont.getTexture(static_cast<unsigned>(app.textSize)));
    for (auto& strand : app.strands)
        strand->appendTo(*batch);
    for (auto& label : app.labels)
        label->appendTo(*batch);
    return batch;
}

void drawFrame(AppState& app) {
    // The whole drawing in one batch (as many draw calls as texture changes,
    // normally one, and nothing outside the window), recorded so that only
    // what changed since the last picture is painted; the view's offset tells
    // a pan.
    app.drawingCache.paint(app.mainWindow, recordDrawing(app), app.mainWindow.getSettings().antialiasingLevel,
                           app.view.offset);
    if (app.boxActive) app.mainWindow.draw(app.selectionRect);
    app.gui.draw();
    app.mainWindow.display();
}

void runMainLoop(AppState& app) {
    using Clock = std::chrono::steady_clock;
    // Without events the picture only changes through the widgets' own
    // animation (the text cursor of an edit box), so an idle editor redraws
    // rarely and sleeps in between; vertical sync is missing on some drivers
    // and under Xvfb, and must not be what keeps a core from spinning.
    const auto idleRedraw = std::chrono::milliseconds(1000);
    const auto dialogRedraw = std::chrono::milliseconds(100);
    auto lastFrame = Clock::now() - idleRedraw;

    while (app.mainWindow.isOpen()) {
        bool handled = false;
        sf::Event event;
        while (app.mainWindow.pollEvent(event)) {
            processEvent(app, event);
            handled = true;
        }
        if (!app.mainWindow.isOpen()) break;

        auto now = Clock::now();
        auto interval = anyDialogOpen(app) ? dialogRedraw : idleRedraw;
        if (handled || app.boxActive || now - lastFrame >= interval) {
            drawFrame(app);
            lastFrame = now;
        } else {
            sf::sleep(sf::milliseconds(8));
        }
    }
}
