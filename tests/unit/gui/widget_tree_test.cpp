#include "gui/button.h"
#include "gui/child_window.h"
#include "gui/edit_box.h"
#include "gui/gui.h"
#include "gui/label.h"
#include "gui/menu_bar.h"
#include "tests/unit/gui/gui_events.h"

#include <gtest/gtest.h>

using namespace gui;
using namespace gui_events;

TEST(GuiWidgetTree, AddFindAndRemoveByName) {
    Gui g;
    auto* win = g.add<ChildWindow>("NewStrandWindow");
    ASSERT_NE(win, nullptr);
    EXPECT_EQ(win->getName(), "NewStrandWindow");
    EXPECT_EQ(g.get("NewStrandWindow"), win);
    EXPECT_EQ(g.get<ChildWindow>("NewStrandWindow"), win);
    // The typed lookup refuses a widget of another kind.
    EXPECT_EQ(g.get<Button>("NewStrandWindow"), nullptr);
    EXPECT_EQ(g.get("Nothing"), nullptr);

    auto* box = win->add<EditBox>("EditBox");
    auto* a = win->add<Button>("");
    auto* b = win->add<Button>("");
    EXPECT_EQ(win->size(), 3u);
    EXPECT_NE(a, b);
    // Lookups are per container: the box is not a child of the gui itself.
    EXPECT_EQ(g.get("EditBox"), nullptr);
    EXPECT_EQ(win->get<EditBox>("EditBox"), box);

    // A second widget under a taken name replaces the first.
    auto* label = win->add<Label>("EditBox");
    EXPECT_EQ(win->size(), 3u);
    EXPECT_EQ(win->get("EditBox"), label);
    EXPECT_EQ(win->get<EditBox>("EditBox"), nullptr);

    EXPECT_TRUE(win->remove(a));
    EXPECT_FALSE(win->remove(a));
    EXPECT_EQ(win->size(), 2u);
    EXPECT_TRUE(g.remove("NewStrandWindow"));
    EXPECT_FALSE(g.remove("NewStrandWindow"));
    EXPECT_EQ(g.size(), 0u);
}

TEST(GuiWidgetTree, RemovingAWindowDestroysItsWidgetsAndTheirPendingActions) {
    for (bool removeOnLeave : {false, true}) {
        SCOPED_TRACE(removeOnLeave);
        Gui g;
        auto* menu = g.add<MenuBar>("menu");
        menu->setHeight(20.f);
        menu->addMenu("File");
        auto* win = g.add<ChildWindow>("Win");
        win->setPosition(100.f, 100.f);
        win->setSize(300.f, 120.f);
        int closedRuns = 0;
        win->bindCallback(Trigger::Closed, [&] { ++closedRuns; });
        // Leaving the menu bar removes the window in the same frame in which its
        // close button is released: the window's own action must then not run.
        menu->bindCallback(Trigger::PointerLeft, [&] {
            if (removeOnLeave) g.remove("Win");
        });
        g.handleEvent(moved(0, 0));
        const float bar = win->titleBarHeight();
        const float closeX = 100.f + 300.f - 6.f - 9.f; // right edge - frame padding - half the button
        const float closeY = 100.f + bar / 2.f;
        g.handleEvent(moved(closeX, closeY));
        g.handleEvent(button(true, closeX, closeY));
        g.handleEvent(moved(50.f, 10.f)); // onto the bar, button held
        ASSERT_TRUE(menu->isPointerOver());
        g.handleEvent(button(false, closeX, closeY));
        if (removeOnLeave) {
            EXPECT_EQ(g.get("Win"), nullptr);
            EXPECT_EQ(closedRuns, 0);
        } else {
            // The same moves without the removal do press the close button.
            EXPECT_NE(g.get("Win"), nullptr);
            EXPECT_EQ(closedRuns, 1);
        }
    }
}

TEST(GuiWidgetTree, ActionsMayRemoveTheirOwnWindowAndRebuildWidgets) {
    Gui g;
    auto* win = g.add<ChildWindow>("Win");
    win->setPosition(100.f, 100.f);
    win->setSize(300.f, 120.f);
    auto* ok = win->add<Button>("");
    ok->setPosition(20.f, 70.f);
    ok->setSize(120.f, 32.f);
    std::string seen;
    int runs = 0;
    ok->bindCallback(Trigger::Clicked, [&g, &seen, &runs, text = std::string("captured state survives")] {
        ++runs;
        g.remove("Win"); // destroys this very button and its stored action
        seen = text;     // the running copy still owns its captures
        auto* again = g.add<ChildWindow>("Win");
        again->setTitle("rebuilt");
    });
    click(g, 100.f + 80.f, 100.f + win->titleBarHeight() + 86.f);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(seen, "captured state survives");
    ASSERT_NE(g.get<ChildWindow>("Win"), nullptr);
    EXPECT_EQ(g.get<ChildWindow>("Win")->getTitle(), "rebuilt");
    EXPECT_EQ(g.get<ChildWindow>("Win")->size(), 0u);
}
