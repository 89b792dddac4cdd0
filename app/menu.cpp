#include "app/menu.h"

#include "app/app_state.h"
#include "edit/drawing_ops.h"
#include "edit/view.h"
#include "model/label.h"
#include "model/selection.h"
#include "model/strand.h"

const char* const kProgramWebPage = "https://tavilon.org/";

namespace {

const char* const kFiveToThreeItem = "Cut/Copy/Paste 3' to 5'";
const char* const kThreeToFiveItem = "Cut/Copy/Paste 5' to 3'";

Strand& activeStrand(AppState& app) { return *selectedStrand(app); }

} // namespace

const std::vector<std::pair<std::string, std::vector<std::string>>>& menuLayout() {
    static const std::vector<std::pair<std::string, std::vector<std::string>>> layout = {
        {"File", {"New", "Save", "Save As...", "Open", "Export", "Exit"}},
        {"Edit",
         {"Copy Entire Strand", "Copy Selected Bases", "Cut Entire Strand", "Cut Selected Bases", "Paste"}},
        {"View", {"Zoom In", "Zoom Out", "Reset Zoom", "Center"}},
        {"Strand",
         {"New Strand", "Edit End Labels", "Toggle End Labels", "Change Strand Color", "Equally Space Selected",
          "Equally Space Strand", "Select Entire Strand", "Move Entire Strand", "Delete Selected Bases",
          "Delete Entire Strand"}},
        {"Label", {"New Label", "Edit Label", "Delete Label"}},
        {"Help", {"Instructions", "About"}},
    };
    return layout;
}

const std::vector<MenuCommand>& commandTable() {
    using P = Precondition;
    static const std::vector<MenuCommand> table = {
        {kFiveToThreeItem, P::None, [](AppState& app) { app.clipboardFiveToThree = false; }},
        {kThreeToFiveItem, P::None, [](AppState& app) { app.clipboardFiveToThree = true; }},
        {"Zoom In", P::None, [](AppState& app) { zoomIn(app, false); }},
        {"Zoom Out", P::None, [](AppState& app) { zoomOut(app, false); }},
        {"Reset Zoom", P::None, [](AppState& app) { setZoom(app, 30.f, false); }},
        {"Center", P::None, [](AppState& app) { centerDrawing(app); }},
        {"Toggle End Labels", P::OneStrand, [](AppState& app) { activeStrand(app).toggleEndLabels(); }},
        {"Equally Space Selected", P::OneStrand, [](AppState& app) { activeStrand(app).spaceHorizontally(false); }},
        {"Equally Space Strand", P::OneStrand, [](AppState& app) { activeStrand(app).spaceHorizontally(true); }},
        {"Select Entire Strand", P::OneStrand, [](AppState& app) { activeStrand(app).setAllSelected(true); }},
        {"Move Entire Strand", P::OneStrand,
         [](AppState& app) {
             Strand& strand = activeStrand(app);
             strand.setAllSelected(true);
             strand.moveFrontToPointer();
             app.groupDragRequested = true;
         }},
        {"Delete Selected Bases", P::OneStrand, [](AppState& app) { activeStrand(app).deleteSelectedBases(); }},
        {"Delete Entire Strand", P::OneStrand, [](AppState& app) { deleteActiveStrand(app); }},
        {"Delete Label", P::OneLabel, [](AppState& app) { deleteSelectedLabel(app); }},
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

void LoadMenuBar(AppState& app) {
    app.gui.remove("menu");
    app.pointerOverMenuBar = false;
    gui::MenuBar* menu = app.gui.add<gui::MenuBar>("menu");
    menu->load(app.themePath);
    menu->setHeight(static_cast<float>(app.menuBarHeight));
    menu->setDistanceToSide(8.f);
    for (const auto& [title, items] : menuLayout()) {
        menu->addMenu(title);
        for (const std::string& item : items) menu->addMenuItem(title, item);
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
