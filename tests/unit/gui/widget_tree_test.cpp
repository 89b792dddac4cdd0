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

TEST(GuiWidgetTree, AddFindAndRemoveByNamePerContainer) {
    Gui g;
    auto* win = g.add<ChildWindow>("NewStrandWindow");
    EXPECT_EQ(g.get("NewStrandWindow"), win);
    EXPECT_EQ(g.get<ChildWindow>("NewStrandWindow"), win);
    EXPECT_EQ(g.get<Button>("NewStrandWindow"), nullptr) << "the typed lookup refuses another kind";
    EXPECT_EQ(g.get("Nothing"), nullptr);

    auto* box = win->add<EditBox>("EditBox");
    auto* a = win->add<Button>("");
    win->add<Button>(""); // anonymous widgets never replace each other
    EXPECT_EQ(win->size(), 3u);
    EXPECT_EQ(g.get("EditBox"), nullptr) << "the box is not a child of the gui itself";
    EXPECT_EQ(win->get<EditBox>("EditBox"), box);
    // A second widget under a taken name replaces the first.
    auto* label = win->add<Label>("EditBox");
    EXPECT_EQ(win->size(), 3u);
    EXPECT_EQ(win->get("EditBox"), label);

    EXPECT_TRUE(win->remove(a));
    EXPECT_FALSE(win->remove(a));
    EXPECT_EQ(win->size(), 2u);
    EXPECT_TRUE(g.remove("NewStrandWindow"));
    EXPECT_FALSE(g.remove("NewStrandWindow"));
    EXPECT_EQ(g.size(), 0u);
}

// The title bar's close button removes an unbound window and otherwise only runs its action;
// a window removed by another action before the button's release runs nothing of its own.
TEST(GuiWidgetTree, CloseButtonAndRemovalWithPendingActions) {
    enum Mode { Unbound, Bound, RemovedOnLeave };
    for (Mode mode : {Unbound, Bound, RemovedOnLeave}) {
        SCOPED_TRACE(mode);
        Gui g;
        auto* menu = g.add<MenuBar>("menu");
        menu->setHeight(20.f);
        menu->addMenu("File");
        auto* win = g.add<ChildWindow>("Win");
        win->setPosition(100.f, 100.f);
        win->setSize(300.f, 120.f);
        int closedRuns = 0;
        if (mode != Unbound) win->bindCallback(Trigger::Closed, [&] { ++closedRuns; });
        menu->bindCallback(Trigger::PointerLeft, [&] {
            if (mode == RemovedOnLeave) g.remove("Win");
        });
        g.handleEvent(moved(0, 0));
        const float closeX = 100.f + 300.f - 6.f - 9.f; // right edge - frame padding - half the button
        const float closeY = 100.f + win->titleBarHeight() / 2.f;
        click(g, 120.f, closeY); // on the title bar away from the button: nothing
        // Press the close button, move onto the menu bar with the button held, release.
        g.handleEvent(moved(closeX, closeY));
        g.handleEvent(button(true, closeX, closeY));
        g.handleEvent(moved(50.f, 10.f));
        ASSERT_TRUE(menu->isPointerOver());
        g.handleEvent(button(false, closeX, closeY));
        EXPECT_EQ(g.get("Win") == win, mode == Bound) << "a bound button leaves the removal to its action";
        EXPECT_EQ(closedRuns, mode == Bound ? 1 : 0);
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
    ok->bindCallback(Trigger::Clicked, [&g, &seen, text = std::string("captured state survives")] {
        g.remove("Win"); // destroys this very button and its stored action
        seen += text;    // the running copy still owns its captures
        g.add<ChildWindow>("Win")->setTitle("rebuilt");
    });
    click(g, 100.f + 80.f, 100.f + win->titleBarHeight() + 86.f);
    EXPECT_EQ(seen, "captured state survives") << "ran once";
    ASSERT_NE(g.get<ChildWindow>("Win"), nullptr);
    EXPECT_EQ(g.get<ChildWindow>("Win")->getTitle(), "rebuilt");
    EXPECT_EQ(g.get<ChildWindow>("Win")->size(), 0u);
}
