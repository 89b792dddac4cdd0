#include "gui/child_window.h"
#include "gui/gui.h"
#include "gui/menu_bar.h"
#include "tests/unit/gui/gui_events.h"

#include <gtest/gtest.h>

using namespace gui;
using namespace gui_events;

namespace {

sf::Vector2f centre(const sf::FloatRect& r) {
    return {r.left + r.width / 2.f, r.top + r.height / 2.f};
}

// The editor's bar, 20 px high, queueing its item clicks with id 0 and counting enters and leaves.
MenuBar* buildMenu(Gui& g, int& entered, int& left) {
    auto* menu = g.add<MenuBar>("menu");
    menu->setHeight(20.f);
    for (const char* item : {"New", "Save", "Open"})
        menu->addMenuItem("File", item);
    for (const char* item : {"Copy Entire Strand", "Paste", "Cut/Copy/Paste 3' to 5'"})
        menu->addMenuItem("Edit", item);
    menu->addMenu("Help");
    menu->addMenuItem("Help", "About");
    menu->queueItemClicks(0);
    menu->bindCallback(Trigger::PointerEntered, [&entered] { ++entered; });
    menu->bindCallback(Trigger::PointerLeft, [&left] { ++left; });
    return menu;
}

// Opens a menu with a click on its title and clicks one of its items.
void choose(Gui& g, MenuBar* menu, const std::string& title, const std::string& item) {
    const sf::Vector2f t = centre(menu->getMenuRect(title));
    click(g, t.x, t.y);
    const sf::Vector2f i = centre(menu->getItemRect(title, item));
    click(g, i.x, i.y);
}

} // namespace

TEST(GuiMenuBar, KeepsMenusInOrderTracksThePointerAndQueuesItemClicks) {
    Gui g;
    int entered = 0, left = 0;
    MenuBar* menu = buildMenu(g, entered, left);
    menu->addMenu("File"); // no second File menu
    EXPECT_EQ(menu->getMenus(), (std::vector<std::string>{"File", "Edit", "Help"}));
    EXPECT_EQ(menu->getMenuItems("Edit"),
              (std::vector<std::string>{"Copy Entire Strand", "Paste", "Cut/Copy/Paste 3' to 5'"}));
    EXPECT_TRUE(menu->getMenuItems("View").empty());

    g.handleEvent(moved(500, 500));
    const sf::FloatRect file = menu->getMenuRect("File"), editRect = menu->getMenuRect("Edit");
    EXPECT_TRUE(file.top < 10.f && file.top + file.height > 10.f) << "titles sit across the bar's middle";
    EXPECT_LT(file.left + file.width, editRect.left + 1.f) << "titles run left to right";
    EXPECT_EQ(menu->getSize(), sf::Vector2f(1024.f, 20.f));
    // The bar is 20 px high: the pointer is over it at y = 19, not at y = 21.
    g.handleEvent(moved(900, 19));
    EXPECT_TRUE(menu->isPointerOver());
    g.handleEvent(moved(900, 21));
    EXPECT_FALSE(menu->isPointerOver());
    EXPECT_EQ(entered + left, 2);

    // Clicking an item queues its text with the bar's id.
    const sf::Vector2f edit = centre(editRect);
    click(g, edit.x, edit.y);
    EXPECT_EQ(entered, 2);
    EXPECT_TRUE(g.isPointerOverWidgets());
    const sf::FloatRect itemRect = menu->getItemRect("Edit", "Cut/Copy/Paste 3' to 5'");
    ASSERT_GT(itemRect.height, 0.f) << "the Edit list is open";
    EXPECT_GE(itemRect.top, 20.f) << "the list opens below the bar";
    Callback cb;
    EXPECT_FALSE(g.pollCallback(cb)) << "opening a menu queues nothing";

    const sf::Vector2f item = centre(itemRect);
    g.handleEvent(moved(item.x, item.y));
    EXPECT_EQ(left, 1) << "the open list counts as the menu bar";
    EXPECT_TRUE(menu->isPointerOver());
    g.handleEvent(button(true, item.x, item.y));
    g.handleEvent(button(false, item.x, item.y));
    EXPECT_EQ(left, 2) << "the list closed under the pointer";
    ASSERT_TRUE(g.pollCallback(cb));
    EXPECT_EQ(cb.id, 0);
    EXPECT_EQ(cb.text, "Cut/Copy/Paste 3' to 5'");
    EXPECT_FALSE(g.pollCallback(cb));
    EXPECT_EQ(menu->getItemRect("Edit", "Paste").height, 0.f) << "the list closed after the click";
    g.handleEvent(moved(500, 500));
    EXPECT_EQ(left, 2) << "no second leave";
    g.handleEvent(moved(edit.x, edit.y));
    EXPECT_EQ(entered, 3);

    // Another bar queues its clicks with its own id.
    auto* quiet = g.add<MenuBar>("menu");
    quiet->addMenuItem("Help", "About");
    quiet->queueItemClicks(7);
    g.handleEvent(moved(500, 500));
    choose(g, quiet, "Help", "About");
    ASSERT_TRUE(g.pollCallback(cb));
    EXPECT_EQ(cb.id, 7);
    EXPECT_EQ(cb.text, "About");
    quiet->setHeight(30.f);
    g.handleEvent(moved(900, 25));
    EXPECT_TRUE(quiet->isPointerOver()) << "a taller bar";
}

TEST(GuiMenuBar, RebuildingTheBarFromItsOwnActionIsSafeAndStartsOutside) {
    Gui g;
    int entered = 0, left = 0, rebuilds = 0;
    std::function<void()> rebuild = [&] {
        ++rebuilds;
        g.remove("menu"); // destroys the bar whose action is running
        buildMenu(g, entered, left)->bindCallback(Trigger::PointerLeft, rebuild);
    };
    buildMenu(g, entered, left)->bindCallback(Trigger::PointerLeft, rebuild);
    g.handleEvent(moved(10, 10));
    g.handleEvent(moved(10, 300));
    EXPECT_EQ(rebuilds, 1);
    ASSERT_NE(g.get<MenuBar>("menu"), nullptr);
    EXPECT_FALSE(g.get<MenuBar>("menu")->isPointerOver());
    // The new bar reports the pointer when it comes back.
    g.handleEvent(moved(10, 10));
    EXPECT_EQ(entered, 2);
    EXPECT_TRUE(g.get<MenuBar>("menu")->isPointerOver());
    // Leaving the window counts as leaving the bar.
    sf::Event out;
    out.type = sf::Event::MouseLeft;
    g.handleEvent(out);
    EXPECT_EQ(rebuilds, 2);
}

TEST(GuiMenuBar, AWindowOverTheBarTakesTheClicksThere) {
    Gui g;
    int entered = 0, left = 0;
    MenuBar* menu = buildMenu(g, entered, left);
    auto* win = g.add<ChildWindow>("InstructionsWindow");
    win->setSize(600.f, 380.f);
    win->setPosition(0.f, 10.f); // overlaps the bar
    g.handleEvent(moved(500, 500));
    // The dialog was added last and lies on top: a click there is the dialog's.
    const sf::Vector2f file = centre(menu->getMenuRect("File"));
    click(g, file.x, file.y);
    EXPECT_EQ(menu->getItemRect("File", "New").height, 0.f);
    g.remove(win);
    click(g, file.x, file.y);
    EXPECT_GT(menu->getItemRect("File", "New").height, 0.f);
}
