#include "app/menu.h"

#include "app/app_state.h"
#include "app/dispatch.h"
#include "dialogs/about_window.h"
#include "dialogs/instructions_window.h"
#include "dialogs/label_windows.h"
#include "dialogs/message_window.h"
#include "dialogs/new_strand_window.h"
#include "dialogs/strand_color_window.h"
#include "dialogs/strand_end_window.h"
#include "document/document_commands.h"
#include "document/unsaved_changes.h"
#include "edit/clipboard_exchange.h"
#include "edit/drawing_ops.h"
#include "edit/view.h"
#include "gui/menu_bar.h"
#include "model/label.h"
#include "model/selection.h"
#include "model/strand.h"

const char* const kProgramWebPage = "https://tavilon.org/";

namespace {

const char* const kFiveToThreeItem = "Cut/Copy/Paste 3' to 5'";
const char* const kThreeToFiveItem = "Cut/Copy/Paste 5' to 3'";

Strand& activeStrand(AppState& app) {
    return *selectedStrand(app);
}

} // namespace

const std::vector<std::pair<std::string, std::vector<std::string>>>& menuLayout() {
    static const std::vector<std::pair<std::string, std::vector<std::string>>> layout = {
        {"File", {"New", "Save", "Save As...", "Open", "Export", "Exit"}},
        {"Edit",
         {"Undo", "Redo", "Copy Entire Strand", "Copy Selected Bases", "Cut Entire Strand",
          "Cut Selected Bases", "Paste"}},
        {"View", {"Zoom In", "Zoom Out", "Reset Zoom", "Center"}},
        {"Strand",
         {"New Strand", "Edit End Labels", "Toggle End Labels", "Change Strand Color",
          "Equally Space Selected", "Equally Space Strand", "Select Entire Strand", "Move Entire Strand",
          "Delete Selected Bases", "Delete Entire Strand"}},
        {"Label", {"New Label", "Edit Label", "Delete Label"}},
        {"Help", {"Instructions", "About"}},
    };
    return layout;
}

const std::vector<MenuCommand>& commandTable() {
    using P = Precondition;
    static const std::vector<MenuCommand> table = {
        {"New", P::None, [](AppState& app) { newDrawing(app); }},
        {"Save", P::None, [](AppState& app) { saveDrawing(app); }},
        {"Save As...", P::None, [](AppState& app) { saveDrawingAs(app); }},
        {"Open", P::None, [](AppState& app) { openDrawing(app); }},
        {"Export", P::None, [](AppState& app) { exportPicture(app); }},
        {"Exit", P::None,
         [](AppState& app) {
             if (app.unsavedChanges)
                 OpenUnsavedChangesWindowExit(app);
             else
                 app.mainWindow.close();
         }},
        {"Undo", P::None, [](AppState& app) { undoLastEdit(app); }},
        {"Redo", P::None, [](AppState& app) { redoLastEdit(app); }},
        {"Copy Entire Strand", P::OneStrand,
         [](AppState& app) { copyStrandText(app, false, app.clipboardFiveToThree); }},
        {"Copy Selected Bases", P::OneStrand,
         [](AppState& app) { copyStrandText(app, true, app.clipboardFiveToThree); }},
        {"Cut Entire Strand", P::OneStrand,
         [](AppState& app) { cutStrandText(app, false, app.clipboardFiveToThree); }},
        {"Cut Selected Bases", P::OneStrand,
         [](AppState& app) { cutStrandText(app, true, app.clipboardFiveToThree); }},
        {"Paste", P::None, pasteClipboard},
        {kFiveToThreeItem, P::None, [](AppState& app) { app.clipboardFiveToThree = false; }},
        {kThreeToFiveItem, P::None, [](AppState& app) { app.clipboardFiveToThree = true; }},
        {"Zoom In", P::None, [](AppState& app) { zoomIn(app, false); }},
        {"Zoom Out", P::None, [](AppState& app) { zoomOut(app, false); }},
        {"Reset Zoom", P::None, [](AppState& app) { setZoom(app, 30.f, false); }},
        {"Center", P::None, [](AppState& app) { centerDrawing(app); }},
        {"New Strand", P::None, [](AppState& app) { OpenNewStrandWindow(app); }},
        {"Edit End Labels", P::OneStrand, [](AppState& app) { OpenStrandEndWindow(app); }},
        {"Toggle End Labels", P::OneStrand, [](AppState& app) { activeStrand(app).toggleEndLabels(); }},
        {"Change Strand Color", P::OneStrand, [](AppState& app) { OpenStrandColorWindow(app); }},
        {"Equally Space Selected", P::OneStrand,
         [](AppState& app) { activeStrand(app).spaceHorizontally(false); }},
        {"Equally Space Strand", P::OneStrand,
         [](AppState& app) { activeStrand(app).spaceHorizontally(true); }},
        {"Select Entire Strand", P::OneStrand, [](AppState& app) { activeStrand(app).setAllSelected(true); }},
        {"Move Entire Strand", P::OneStrand,
         [](AppState& app) {
             Strand& strand = activeStrand(app);
             strand.setAllSelected(true);
             strand.moveFrontToPointer();
             app.groupDragRequested = true;
         }},
        {"Delete Selected Bases", P::OneStrand,
         [](AppState& app) { activeStrand(app).deleteSelectedBases(); }},
        {"Delete Entire Strand", P::OneStrand, [](AppState& app) { deleteActiveStrand(app); }},
        {"New Label", P::None, [](AppState& app) { OpenNewLabelWindow(app); }},
        {"Edit Label", P::OneLabel, [](AppState& app) { OpenLabelEditWindow(app); }},
        {"Delete Label", P::OneLabel, [](AppState& app) { deleteSelectedLabel(app); }},
        {"Instructions", P::None, [](AppState& app) { OpenInstructionsWindow(app); }},
        {"About", P::None, [](AppState& app) { OpenAboutWindow(app); }},
    };
    return table;
}

bool runMenuCommand(AppState& app, const std::string& itemText) {
    for (const MenuCommand& command : commandTable()) {
        if (command.item != itemText) continue;
        bool allowed = command.precondition == Precondition::None ||
                       (command.precondition == Precondition::OneStrand && selectedStrand(app) != nullptr) ||
                       (command.precondition == Precondition::OneLabel && selectedLabel(app) != nullptr);
        if (!allowed) return false;
        command.run(app);
        return true;
    }
    return false;
}

void pasteClipboard(AppState& app) {
    if (!pasteStrandText(app))
        ShowMessage(
            app, "Paste failed",
            "Nothing was pasted.\nThe clipboard holds more bases than this machine's memory can hold.");
}

void LoadMenuBar(AppState& app) {
    app.gui.remove("menu");
    app.pointerOverMenuBar = false;
    gui::MenuBar* menu = app.gui.add<gui::MenuBar>("menu");
    menu->load(app.themePath);
    menu->setHeight(static_cast<float>(app.menuBarHeight));
    menu->setDistanceToSide(8.f);
    for (const auto& [title, items] : menuLayout()) {
        menu->addMenu(title);
        for (const std::string& item : items)
            menu->addMenuItem(title, item);
    }
    menu->queueItemClicks(0);
    menu->bindCallback(gui::Trigger::PointerEntered, [&app] { app.pointerOverMenuBar = true; });
    menu->bindCallback(gui::Trigger::PointerLeft, [&app] { app.pointerOverMenuBar = false; });
}

void addDirectionMenuItem(AppState& app) {
    gui::MenuBar* menu = app.gui.get<gui::MenuBar>("menu");
    if (!menu) return;
    menu->addMenuItem("Edit", app.clipboardFiveToThree ? kFiveToThreeItem : kThreeToFiveItem);
}

void resetViewAndMenu(AppState& app) {
    sf::Vector2u size = app.windowSize();
    app.mainWindow.setView(
        sf::View(sf::FloatRect(0.f, 0.f, static_cast<float>(size.x), static_cast<float>(size.y))));
    LoadMenuBar(app);
    addDirectionMenuItem(app);
}
