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

MenuBar* buildMenu(Gui& g, int& entered, int& left) {
    auto* menu = g.add<MenuBar>("menu");
    menu->setHeight(20.f);
    menu->setDistanceToSide(8.f);
    for (const char* item : {"New", "Save", "Save As...", "Open", "Export", "Exit"})
        menu->addMenuItem("File", item);
    for (const char* item : {"Copy Entire Strand", "Paste"})
        menu->addMenuItem("Edit", item);
    menu->addMenuItem("Edit", "Cut/Copy/Paste 3' to 5'");
    menu->addMenu("Help");
    menu->addMenuItem("Help", "About");
    menu->queueItemClicks(0);
    menu->bindCallback(Trigger::PointerEntered, [&entered] { ++entered; });
    menu->bindCallback(Trigger::PointerLeft, [&left] { ++left; });
    return menu;
}

} // namespace

TEST(GuiMenuBar, KeepsMenusAndItemsInOrderAcrossTheTop) {
    Gui g;
    int entered = 0, left = 0;
    MenuBar* menu = buildMenu(g, entered, left);
    EXPECT_EQ(menu->getMenus(), (std::vector<std::string>{"File", "Edit", "Help"}));
    EXPECT_EQ(menu->getMenuItems("Edit"),
              (std::vector<std::string>{"Copy Entire Strand", "Paste", "Cut/Copy/Paste 3' to 5'"}));
    EXPECT_TRUE(menu->getMenuItems("View").empty());
    menu->addMenu("File"); // no second File menu
    EXPECT_EQ(menu->getMenus().size(), 3u);

    g.handleEvent(moved(500, 500));
    const sf::FloatRect file = menu->getMenuRect("File"), edit = menu->getMenuRect("Edit");
    EXPECT_GE(file.top, 0.f);
    EXPECT_LT(file.top, 10.f) << "titles sit across the bar's middle";
    EXPECT_GT(file.top + file.height, 10.f);
    EXPECT_GT(file.width, 0.f);
    EXPECT_LT(file.left + file.width, edit.left + 1.f) << "titles run left to right";
    EXPECT_FLOAT_EQ(menu->getSize().x, 1024.f);
    EXPECT_FLOAT_EQ(menu->getSize().y, 20.f);
    // The bar is 20 px high: the pointer is over it at y = 19, not at y = 21.
    g.handleEvent(moved(900, 19));
    EXPECT_TRUE(menu->isPointerOver());
    EXPECT_EQ(entered, 1);
    g.handleEvent(moved(900, 21));
    EXPECT_FALSE(menu->isPointerOver());
    EXPECT_EQ(left, 1);
    menu->setHeight(30.f);
    g.handleEvent(moved(900, 25));
    EXPECT_TRUE(menu->isPointerOver());
}

TEST(GuiMenuBar, ItemClickQueuesItsTextWithTheCallbackId) {
    Gui g;
    int entered = 0, left = 0;
    MenuBar* menu = buildMenu(g, entered, left);
    g.handleEvent(moved(500, 500));
    EXPECT_EQ(entered, 0);
    EXPECT_EQ(left, 0);

    const sf::Vector2f edit = centre(menu->getMenuRect("Edit"));
    click(g, edit.x, edit.y);
    EXPECT_EQ(entered, 1);
    EXPECT_TRUE(g.isPointerOverWidgets());
    const sf::FloatRect itemRect = menu->getItemRect("Edit", "Cut/Copy/Paste 3' to 5'");
    ASSERT_GT(itemRect.height, 0.f) << "the Edit list is open";
    EXPECT_GE(itemRect.top, 20.f) << "the list opens below the bar";

    Callback cb;
    EXPECT_FALSE(g.pollCallback(cb)) << "opening a menu queues nothing";
    const sf::Vector2f item = centre(itemRect);
    g.handleEvent(moved(item.x, item.y));
    EXPECT_EQ(left, 0) << "the open list counts as the menu bar";
    EXPECT_TRUE(menu->isPointerOver());
    g.handleEvent(button(true, item.x, item.y));
    g.handleEvent(button(false, item.x, item.y));
    EXPECT_EQ(left, 1) << "the list closed under the pointer";
    ASSERT_TRUE(g.pollCallback(cb));
    EXPECT_EQ(cb.id, 0);
    EXPECT_EQ(cb.text, "Cut/Copy/Paste 3' to 5'");
    EXPECT_FALSE(g.pollCallback(cb));
    EXPECT_EQ(menu->getItemRect("Edit", "Paste").height, 0.f) << "the list closed after the click";

    g.handleEvent(moved(500, 500));
    EXPECT_EQ(left, 1);
    EXPECT_FALSE(menu->isPointerOver());
    g.handleEvent(moved(edit.x, edit.y));
    EXPECT_EQ(entered, 2);

    // A bar that was not told to queue its clicks drops them; once told, it
    // queues them with its own id.
    auto* quiet = g.add<MenuBar>("menu");
    quiet->addMenuItem("Help", "About");
    g.handleEvent(moved(500, 500));
    auto chooseAbout = [&] {
        const sf::Vector2f help = centre(quiet->getMenuRect("Help"));
        click(g, help.x, help.y);
        const sf::Vector2f about = centre(quiet->getItemRect("Help", "About"));
        click(g, about.x, about.y);
    };
    chooseAbout();
    EXPECT_FALSE(g.pollCallback(cb));
    quiet->queueItemClicks(7);
    chooseAbout();
    ASSERT_TRUE(g.pollCallback(cb));
    EXPECT_EQ(cb.id, 7);
    EXPECT_EQ(cb.text, "About");
}

TEST(GuiMenuBar, RebuildingTheBarFromItsOwnActionIsSafeAndStartsOutside) {
    Gui g;
    int entered = 0, left = 0, rebuilds = 0;
    std::function<void()> rebuild;
    rebuild = [&] {
        ++rebuilds;
        g.remove("menu"); // destroys the bar whose action is running
        MenuBar* fresh = buildMenu(g, entered, left);
        fresh->bindCallback(Trigger::PointerLeft, rebuild);
    };
    MenuBar* menu = buildMenu(g, entered, left);
    menu->bindCallback(Trigger::PointerLeft, rebuild);
    g.handleEvent(moved(10, 10));
    EXPECT_EQ(entered, 1);
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

TEST(GuiMenuBar, MenuClicksReachTheBarAboveAnOpenWindow) {
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
    // Beside the dialog the bar still works.
    g.remove(win);
    click(g, file.x, file.y);
    EXPECT_GT(menu->getItemRect("File", "New").height, 0.f);
}
