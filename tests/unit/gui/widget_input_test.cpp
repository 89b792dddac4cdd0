#include "gui/button.h"
#include "gui/checkbox.h"
#include "gui/child_window.h"
#include "gui/edit_box.h"
#include "gui/gui.h"
#include "gui/label.h"
#include "gui/panel.h"
#include "gui/slider.h"
#include "tests/unit/gui/gui_events.h"
#include "tests/unit/test_support.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>

using namespace gui;
using namespace gui_events;

namespace {

// Keeps G, C, A, T and U in either case, turned to capitals.
std::string basesOnly(const std::string& s) {
    std::string out;
    for (char c : s) {
        char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (std::string("GCATU").find(u) != std::string::npos) out += u;
    }
    return out;
}

std::string withoutBars(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), '|'), s.end());
    return s;
}

// A 600 x 120 window at (200, 290) like the new-strand dialog, with its box and two buttons.
struct Dialog {
    Gui g;
    ChildWindow* win;
    EditBox* box;
    Button* create;
    float top; // window y of the client area's top edge

    Dialog() {
        win = g.add<ChildWindow>("NewStrandWindow");
        win->setTitle("Add a new DNA strand");
        win->setSize(600.f, 120.f);
        win->setPosition(200.f, 290.f);
        box = win->add<EditBox>("EditBox");
        box->setPosition(80.f, 20.f);
        box->setSize(440.f, 32.f);
        create = win->add<Button>("");
        create->setPosition(100.f, 70.f);
        create->setSize(150.f, 32.f);
        create->setText("Create");
        top = 290.f + win->titleBarHeight();
    }
};

} // namespace

TEST(GuiInput, ButtonClickRunsOnceOnReleaseInsideItsPixelRect) {
    Dialog d;
    int clicks = 0;
    d.create->bindCallback(Trigger::Clicked, [&] { ++clicks; });
    const float x = 200.f + 100.f, y = d.top + 70.f; // the button's top-left corner in window pixels

    d.g.handleEvent(moved(x + 75.f, y + 16.f));
    d.g.handleEvent(button(true, x + 75.f, y + 16.f));
    EXPECT_EQ(clicks, 0) << "a press alone is no click";
    d.g.handleEvent(button(false, x + 75.f, y + 16.f));
    EXPECT_EQ(clicks, 1);
    d.g.handleEvent(moved(x + 80.f, y + 10.f));
    EXPECT_EQ(clicks, 1) << "moving after the click repeats nothing";

    // Just inside the corners counts, just outside does not.
    click(d.g, x + 2.f, y + 2.f);
    EXPECT_EQ(clicks, 2);
    click(d.g, x + 148.f, y + 30.f);
    EXPECT_EQ(clicks, 3);
    click(d.g, x - 3.f, y + 16.f);
    click(d.g, x + 75.f, y + 35.f);
    EXPECT_EQ(clicks, 3);

    // Press on the button, release elsewhere: no click.
    d.g.handleEvent(moved(x + 75.f, y + 16.f));
    d.g.handleEvent(button(true, x + 75.f, y + 16.f));
    d.g.handleEvent(moved(x + 300.f, y + 16.f));
    d.g.handleEvent(button(false, x + 300.f, y + 16.f));
    EXPECT_EQ(clicks, 3);
}

TEST(GuiInput, TypingIntoAFocusedBoxAndFiltersTakeEffectAtOnce) {
    Dialog d;
    int changes = 0;
    d.box->bindCallback(Trigger::TextChanged, [&] {
        ++changes;
        EditBox* box = d.g.get<ChildWindow>("NewStrandWindow")->get<EditBox>("EditBox");
        box->setText(basesOnly(box->getText()));
    });
    EXPECT_FALSE(d.box->isFocused());
    d.win->focus();
    d.box->focus();
    EXPECT_TRUE(d.box->isFocused());

    type(d.g, "x");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(d.box->getText(), "");
    type(d.g, "g");
    EXPECT_EQ(d.box->getText(), "G");
    type(d.g, "A5t");
    EXPECT_EQ(d.box->getText(), "GAT");
    EXPECT_TRUE(d.box->isFocused());

    // Backspace is an edit too.
    press(d.g, sf::Keyboard::Backspace);
    EXPECT_EQ(d.box->getText(), "GA");
}

TEST(GuiInput, FilterKeepsTheCursorWhereTheRemovedCharacterWas) {
    Dialog d;
    d.box->bindCallback(Trigger::TextChanged, [&] { d.box->setText(withoutBars(d.box->getText())); });
    d.win->focus();
    d.box->focus();
    type(d.g, "A");
    d.g.handleEvent(text('|'));
    type(d.g, "B");
    EXPECT_EQ(d.box->getText(), "AB");
    // Back one place, type a bar (dropped) and then C: C lands between A and B.
    press(d.g, sf::Keyboard::Left);
    d.g.handleEvent(text('|'));
    type(d.g, "C");
    EXPECT_EQ(d.box->getText(), "ACB");
}

TEST(GuiInput, SetTextWhileTypingReplacesTheLiveText) {
    Dialog d;
    d.win->focus();
    d.box->focus();
    type(d.g, "gat");
    // What a paste shortcut does between events: the whole text is replaced.
    d.box->setText("ACGT");
    type(d.g, "c");
    EXPECT_EQ(d.box->getText(), "ACGTc");
}

TEST(GuiInput, ReturnFiresReturnPressedAndTheBoxKeepsTheFocus) {
    Dialog d;
    int returns = 0, changes = 0;
    d.box->bindCallback(Trigger::ReturnPressed, [&] { ++returns; });
    d.box->bindCallback(Trigger::TextChanged, [&] { ++changes; });
    // Return in a box without the focus does nothing.
    press(d.g, sf::Keyboard::Enter);
    EXPECT_EQ(returns, 0);
    d.win->focus();
    d.box->focus();
    type(d.g, "ab");
    press(d.g, sf::Keyboard::Enter);
    EXPECT_EQ(returns, 1);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(d.box->getText(), "ab");
    EXPECT_TRUE(d.box->isFocused());
    type(d.g, "c");
    EXPECT_EQ(d.box->getText(), "abc");

    // Return removing the window (a confirm action) is safe.
    d.box->bindCallback(Trigger::ReturnPressed, [&] { d.g.remove("NewStrandWindow"); });
    press(d.g, sf::Keyboard::Enter);
    EXPECT_EQ(d.g.get("NewStrandWindow"), nullptr);
}

TEST(GuiInput, FocusMovesBetweenBoxesAndClickingABoxFocusesIt) {
    Dialog d;
    auto* second = d.win->add<EditBox>("ThreeEditBox");
    second->setPosition(80.f, 70.f);
    second->setSize(100.f, 32.f);
    d.win->focus();
    d.box->focus();
    type(d.g, "a");
    second->focus();
    type(d.g, "b");
    EXPECT_EQ(d.box->getText(), "a");
    EXPECT_EQ(second->getText(), "b");
    EXPECT_FALSE(d.box->isFocused());
    EXPECT_TRUE(second->isFocused());
    click(d.g, 200.f + 80.f + 50.f, d.top + 20.f + 16.f);
    EXPECT_TRUE(d.box->isFocused());
    type(d.g, "c");
    EXPECT_EQ(d.box->getText(), "ac");
}

TEST(GuiInput, SliderClampsAndReportsUserChanges) {
    Gui g;
    auto* win = g.add<ChildWindow>("StrandColorWindow");
    win->setSize(500.f, 250.f);
    win->setPosition(100.f, 100.f);
    auto* red = win->add<Slider>("RedSlider");
    red->setPosition(140.f, 30.f);
    red->setMinimum(0);
    red->setMaximum(254);
    red->setVerticalScroll(false);
    red->setValue(300);
    EXPECT_EQ(red->getValue(), 254u) << "values above the maximum hold the maximum";
    red->setValue(10);
    EXPECT_EQ(red->getValue(), 10u);
    red->setMinimum(20);
    EXPECT_EQ(red->getValue(), 20u);
    red->setMinimum(0);

    int changes = 0;
    red->bindCallback(Trigger::ValueChanged, [&] { ++changes; });
    const sf::Vector2f size = red->getSize();
    const float left = 100.f + 140.f, y = 100.f + win->titleBarHeight() + 30.f + size.y / 2.f;
    g.handleEvent(moved(left + size.x / 2.f, y));
    g.handleEvent(button(true, left + size.x / 2.f, y));
    EXPECT_EQ(changes, 1);
    EXPECT_NEAR(static_cast<int>(red->getValue()), 127, 1);
    g.handleEvent(moved(left + size.x + 40.f, y)); // dragged past the right end
    EXPECT_EQ(red->getValue(), 254u);
    g.handleEvent(moved(left - 40.f, y));
    EXPECT_EQ(red->getValue(), 0u);
    g.handleEvent(button(false, left - 40.f, y));
    EXPECT_EQ(changes, 3);
    g.handleEvent(moved(left + 10.f, y));
    EXPECT_EQ(changes, 3) << "a released slider does not follow the pointer";
}

TEST(GuiInput, TitleBarCloseButtonRemovesAnUnboundWindowOrRunsItsAction) {
    Gui g;
    auto make = [&g] {
        auto* w = g.add<ChildWindow>("AboutWindow");
        w->setSize(416.f, 476.f);
        w->setPosition(300.f, 100.f);
        w->add<Label>("About")->setText("credits");
        return w;
    };
    ChildWindow* w = make();
    g.handleEvent(moved(0, 0));
    const float x = 300.f + 416.f - 6.f - 9.f, y = 100.f + w->titleBarHeight() / 2.f;
    click(g, x, y);
    EXPECT_EQ(g.get("AboutWindow"), nullptr);

    w = make();
    int closes = 0;
    w->bindCallback(Trigger::Closed, [&] { ++closes; });
    click(g, x, y);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(g.get("AboutWindow"), w) << "a bound close button leaves the removal to its action";
    // A click on the title bar away from the button closes nothing.
    click(g, 320.f, y);
    EXPECT_EQ(closes, 1);
}

TEST(GuiInput, CheckboxTogglesOnClickAndLabelsMeasureTheirText) {
    Gui g;
    ASSERT_TRUE(g.setGlobalFont(testFontPath()));
    auto* win = g.add<ChildWindow>("W");
    win->setSize(300.f, 200.f);
    win->setPosition(0.f, 100.f);
    auto* box = win->add<Checkbox>("Checkbox");
    box->setPosition(140.f, 150.f);
    box->setText("Use default colors");
    int clicks = 0;
    box->bindCallback(Trigger::Clicked, [&] { ++clicks; });
    EXPECT_FALSE(box->isChecked());
    const sf::Vector2f s = box->getSize();
    click(g, 140.f + s.x / 2.f, 100.f + win->titleBarHeight() + 150.f + s.y / 2.f);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(clicks, 1);
    box->uncheck();
    EXPECT_FALSE(box->isChecked());
    box->check();
    EXPECT_TRUE(box->isChecked());

    // One line of text is as high as its character size, two lines twice that;
    // the theme's size (18) applies until the label has its own.
    auto* label = win->add<Label>("Red");
    label->setText("Red:");
    EXPECT_FLOAT_EQ(label->getSize().y, 18.f);
    label->setTextSize(28);
    EXPECT_FLOAT_EQ(label->getSize().y, 28.f);
    const float wide = label->getSize().x;
    label->setTextSize(16);
    EXPECT_LT(label->getSize().x, wide);
    label->setText("a\nb");
    EXPECT_FLOAT_EQ(label->getSize().y, 32.f);
    label->setText("5\xE2\x80\xB2 \xCE\x94"); // a prime and a capital delta survive as UTF-8
    EXPECT_EQ(label->getText(), "5\xE2\x80\xB2 \xCE\x94");

    auto* panel = win->add<Panel>("ColorPanel");
    panel->setBackgroundColor(sf::Color(10, 200, 30));
    EXPECT_EQ(panel->getBackgroundColor(), sf::Color(10, 200, 30));
}

TEST(GuiInput, FocusHoldsWhenAnotherWindowAppearsInTheSameFrame) {
    Dialog d;
    auto* other = d.g.add<ChildWindow>("AboutWindow"); // appears after the dialog and would take the focus
    other->setSize(200.f, 100.f);
    other->setPosition(10.f, 30.f);
    d.win->focus();
    d.box->focus();
    type(d.g, "gat");
    EXPECT_EQ(d.box->getText(), "gat");
    EXPECT_TRUE(d.win->isFocused());
    EXPECT_FALSE(other->isFocused());
}
