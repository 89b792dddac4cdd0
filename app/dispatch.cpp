#include "app/dispatch.h"

#include "app/app_state.h"
#include "app/main_loop.h"
#include "app/menu.h"
#include "document/document_commands.h"
#include "edit/clipboard_exchange.h"
#include "edit/drawing_ops.h"
#include "edit/pair_strands.h"
#include "edit/view.h"
#include "model/strand.h"
#include "platform/input_state.h"

void dispatchEvent(AppState& app, const sf::Event& event) {
    app.gui.handleEvent(event);

    gui::Callback callback;
    while (app.gui.pollCallback(callback)) {
        if (callback.id != 0 || anyDialogOpen(app)) continue;
        LoadMenuBar(app);
        runMenuCommand(app, callback.text);
        app.historyCheckDue = true;
        addDirectionMenuItem(app);
    }

    applyControlShortcuts(app, event);
    if (!anyDialogOpen(app)) applyViewKeys(app, event);
}

void applyControlShortcuts(AppState& app, const sf::Event& event) {
    if (event.type != sf::Event::KeyPressed) return;
    if (!event.key.control && !app.input->isControlHeld()) return;
    switch (event.key.code) {
    case sf::Keyboard::A:
        selectAllElements(app, true);
        break;
    case sf::Keyboard::C:
        copyStrandText(app, true, app.clipboardFiveToThree);
        break;
    case sf::Keyboard::D:
        selectAllElements(app, false);
        break;
    case sf::Keyboard::E:
        exportPicture(app);
        break;
    case sf::Keyboard::K:
        app.platform.links->openLink(kProgramWebPage);
        break;
    case sf::Keyboard::N:
        newDrawing(app);
        break;
    case sf::Keyboard::O:
        openDrawing(app);
        break;
    case sf::Keyboard::S:
        saveDrawing(app);
        break;
    case sf::Keyboard::V:
        pasteClipboard(app);
        break;
    case sf::Keyboard::X:
        cutStrandText(app, true, app.clipboardFiveToThree);
        break;
    case sf::Keyboard::Y:
        redoLastEdit(app);
        break;
    case sf::Keyboard::Z:
        if (event.key.shift)
            redoLastEdit(app);
        else
            undoLastEdit(app);
        break;
    default:
        break;
    }
}

bool undoLastEdit(AppState& app) {
    // Mid-drag or under a dialog the elements and windows still refer to the
    // drawing as it is; undo waits until the edit is over.
    if (editInProgress(app) || !app.history.undo(app, app.view)) return false;
    app.historyMoved = true;
    return true;
}

bool redoLastEdit(AppState& app) {
    if (editInProgress(app) || !app.history.redo(app, app.view)) return false;
    app.historyMoved = true;
    return true;
}

void applyViewKeys(AppState& app, const sf::Event& event) {
    if (event.type == sf::Event::MouseWheelScrolled &&
        event.mouseWheelScroll.wheel == sf::Mouse::VerticalWheel) {
        if (event.mouseWheelScroll.delta > 0) zoomIn(app, true);
        if (event.mouseWheelScroll.delta < 0) zoomOut(app, true);
        return;
    }
    if (event.type != sf::Event::KeyPressed) return;
    switch (event.key.code) {
    case sf::Keyboard::Add:
        zoomIn(app, true);
        break;
    case sf::Keyboard::Subtract:
        zoomOut(app, true);
        break;
    case sf::Keyboard::Z:
        // Control + Z is undo, nothing else.
        if (!event.key.control && !app.input->isControlHeld()) setZoom(app, 30.f, false);
        break;
    case sf::Keyboard::R:
        centerDrawing(app);
        break;
    case sf::Keyboard::P:
        if (!app.strands.empty()) pairStrands(app, *app.strands.front(), *app.strands.back());
        break;
    default:
        break;
    }
}
