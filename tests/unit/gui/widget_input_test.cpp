#include "gui/button.h"
#include "gui/checkbox.h"
#include "gui/child_window.h"
#include "gui/edit_box.h"
#include "gui/gui.h"
#include "gui/label.h"
#include "gui/slider.h"
#include "tests/unit/gui/gui_events.h"
#include "tests/unit/test_support.h"

#include <cctype>
#include <gtest/gtest.h>

using namespace gui;
using namespace gui_events;

namespace {

// A 600 x 120 window at (200, 290) like the new-strand dialog, with its box and a button.
struct Dialog {
    Gui g;
    ChildWindow* win = g.add<ChildWindow>("NewStrandWindow");
    EditBox* box = win->add<EditBox>("EditBox");
    Button* create = win->add<Button>("");
    float top; // window y of the client area's top edge

    Dialog() {
        win->setSize(600.f, 120.f);
        win->setPosition(200.f, 290.f);
        box->setPosition(80.f, 20.f);
        box->setSize(440.f, 32.f);
        create->setPosition(100.f, 70.f);
        create->setSize(150.f, 32.f);
        create->setText("Create");
        top = 290.f + win->titleBarHeight();
        win->focus();
        box->focus();
    }
};

} // namespace

TEST(GuiInput, ButtonClickRunsOnceOnReleaseInsideItsPixelRect) {
    Dialog d;
    int clicks = 0;
    d.create->bindCallback(Trigger::Clicked, [&] { ++clicks; });
    const float x = 200.f + 100.f, y = d.top + 70.f; // the button's top-left corner in window pixels
    // Press at one point and release at another (offsets from the corner), then move on.
    const struct {
        float px, py, rx, ry;
        int after;
    } rows[] = {{75, 16, 75, 16, 1}, {2, 2, 2, 2, 2},     {148, 30, 148, 30, 3}, // just inside the corners
                {-3, 16, -3, 16, 3}, {75, 35, 75, 35, 3},                        // just outside
                {75, 16, 300, 16, 3}};                                           // released elsewhere
    for (const auto& r : rows) {
        const int before = clicks;
        d.g.handleEvent(moved(x + r.px, y + r.py));
        d.g.handleEvent(button(true, x + r.px, y + r.py));
        EXPECT_EQ(clicks, before) << "a press alone is no click";
        d.g.handleEvent(moved(x + r.rx, y + r.ry));
        d.g.handleEvent(button(false, x + r.rx, y + r.ry));
        d.g.handleEvent(moved(x + r.rx + 5.f, y + r.ry - 6.f));
        EXPECT_EQ(clicks, r.after) << r.px << ", " << r.py << " to " << r.rx << ", " << r.ry;
    }
}

// A filter that rewrites the text from its own text-changed action must take effect at
// once, keep the cursor where the dropped character was, and outside edits must replace
// the text the box is editing.
TEST(GuiInput, EditBoxFiltersTakeEffectAtOnceAndKeepTheCursor) {
    Dialog d;
    int changes = 0;
    d.box->bindCallback(Trigger::TextChanged, [&] {
        ++changes;
        EditBox* box = d.g.get<ChildWindow>("NewStrandWindow")->get<EditBox>("EditBox");
        std::string kept;
        for (char c : box->getText()) { // keeps G, C, A, T and U in either case, as capitals
            const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (std::string("GCATU").find(u) != std::string::npos) kept += u;
        }
        box->setText(kept);
    });
    // Each row: an outside setText first (what a paste shortcut does between events: the
    // whole live text is replaced), then keys typed ('<' is Left, '\b' Backspace).
    const struct {
        const char* set;
        const char* keys;
        const char* text;
        int changes;
    } rows[] = {{nullptr, "x", "", 1},        {nullptr, "g", "G", 2},     {nullptr, "A5|t", "GAT", 6},
                {"ACGT", "c", "ACGTC", 7},    {nullptr, "\b", "ACGT", 8}, // Backspace is an edit too
                {nullptr, "<xa", "ACGAT", 10}}; // x is dropped where the cursor is, a lands between G and T
    for (const auto& r : rows) {
        if (r.set) d.box->setText(r.set);
        for (const char* k = r.keys; *k; ++k) {
            if (*k == '<' || *k == '\b')
                press(d.g, *k == '<' ? sf::Keyboard::Left : sf::Keyboard::Backspace);
            else
                type(d.g, std::string(1, *k));
        }
        EXPECT_EQ(d.box->getText(), r.text) << r.keys;
        EXPECT_EQ(changes, r.changes) << r.keys;
    }
    EXPECT_TRUE(d.box->isFocused());
}

TEST(GuiInput, ReturnAndFocusGoOnlyToTheFocusedBox) {
    Dialog d;
    auto* second = d.win->add<EditBox>("ThreeEditBox");
    second->setPosition(80.f, 70.f);
    second->setSize(100.f, 32.f);
    auto* other = d.g.add<ChildWindow>("AboutWindow"); // appears after the dialog and would take the focus
    other->setSize(200.f, 100.f);
    other->setPosition(10.f, 30.f);
    int returns = 0, changes = 0;
    d.box->bindCallback(Trigger::ReturnPressed, [&] { ++returns; });
    d.box->bindCallback(Trigger::TextChanged, [&] { ++changes; });
    type(d.g, "ab");
    EXPECT_TRUE(d.win->isFocused());
    EXPECT_FALSE(other->isFocused());
    press(d.g, sf::Keyboard::Enter);
    EXPECT_EQ(returns, 1);
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(d.box->isFocused()) << "the box keeps the focus after Return";
    type(d.g, "c");
    EXPECT_EQ(d.box->getText(), "abc");

    second->focus();
    type(d.g, "b");
    press(d.g, sf::Keyboard::Enter);
    EXPECT_EQ(returns, 1) << "Return in another box is not this box's";
    EXPECT_EQ(d.box->getText(), "abc");
    EXPECT_EQ(second->getText(), "b");
    EXPECT_FALSE(d.box->isFocused());
    click(d.g, 200.f + 80.f + 50.f, d.top + 20.f + 16.f); // a click in the first box focuses it
    EXPECT_TRUE(d.box->isFocused());
    type(d.g, "d");
    EXPECT_EQ(d.box->getText(), "abcd");

    // Return removing the window (a confirm action) is safe.
    d.box->bindCallback(Trigger::ReturnPressed, [&] { d.g.remove("NewStrandWindow"); });
    press(d.g, sf::Keyboard::Enter);
    EXPECT_EQ(d.g.get("NewStrandWindow"), nullptr);
}

TEST(GuiInput, SliderClampsAndReportsUserChanges) {
    Gui g;
    auto* win = g.add<ChildWindow>("StrandColorWindow");
    win->setSize(500.f, 250.f);
    win->setPosition(100.f, 100.f);
    auto* red = win->add<Slider>("RedSlider");
    red->setPosition(140.f, 30.f);
    red->setMaximum(254);
    red->setValue(300);
    EXPECT_EQ(red->getValue(), 254u) << "values above the maximum hold the maximum";

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
    g.handleEvent(moved(left + 10.f, y));
    EXPECT_EQ(changes, 3) << "a released slider does not follow the pointer";
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
    const sf::Vector2f s = box->getSize();
    click(g, 140.f + s.x / 2.f, 100.f + win->titleBarHeight() + 150.f + s.y / 2.f);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(clicks, 1);

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
}
