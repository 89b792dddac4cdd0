#pragma once

// The whole editor without a window, with the dialog hooks bound, plus
// helpers that find dialog widgets and click them at their on-screen place.

#include "dialogs/dialog_hooks.h"
#include "dialogs/dialog_window.h"
#include "gui/checkbox.h"
#include "gui/child_window.h"
#include "gui/edit_box.h"
#include "gui/label.h"
#include "gui/panel.h"
#include "gui/picture.h"
#include "gui/slider.h"
#include "model/base_object.h"
#include "model/label.h"
#include "model/strand.h"
#include "tests/unit/app_fixture.h"

#include <memory>
#include <string>
#include <vector>

class DialogFixture : public AppFixture {
  protected:
    void SetUp() override {
        AppFixture::SetUp();
        app->workingDirectory = sourceDir();
        bindElementDialogs(*app);
        moveTo(300, 400);
    }

    gui::ChildWindow* window(const std::string& name) { return findDialog(*app, name); }

    template <class T> T* widget(const std::string& windowName, const std::string& name) {
        gui::ChildWindow* w = window(windowName);
        return w ? w->get<T>(name) : nullptr;
    }

    // A real click at a point of the dialog's client area, given in the
    // same pixels as the widget layout (buttons are anonymous, so tests aim
    // at the middle of the place the layout gives them).
    void clickInDialog(const std::string& windowName, float x, float y) {
        gui::ChildWindow* dialog = window(windowName);
        sf::Vector2f corner = dialog->getPosition();
        clickAt(corner.x + x, corner.y + dialog->titleBarHeight() + y);
    }

    // Centre of a widget in window pixels: the dialog's corner, below its
    // title bar, plus the widget's own place in the client area.
    sf::Vector2f centreOf(const std::string& windowName, const gui::Widget& w) {
        gui::ChildWindow* dialog = window(windowName);
        sf::Vector2f corner = dialog->getPosition();
        corner.y += dialog->titleBarHeight();
        return corner + w.getPosition() + w.getSize() / 2.f;
    }

    // A real click (move, press, release) at the widget's centre.
    void clickWidget(const std::string& windowName, const gui::Widget& w) {
        sf::Vector2f at = centreOf(windowName, w);
        clickAt(at.x, at.y);
    }

    // A real click on the title bar's close button, at the right end of the bar.
    void clickCloseButton(const std::string& windowName) {
        gui::ChildWindow* dialog = window(windowName);
        const float bar = dialog->titleBarHeight();
        const float textSize = static_cast<float>(app->gui.themeTextSize());
        sf::Vector2f corner = dialog->getPosition();
        clickAt(corner.x + dialog->getSize().x - textSize / 2.f - 2.f, corner.y + bar / 2.f);
    }

    // A strand with the bases of `letters` (G, C, A, T, U) in a row from (x, y), active.
    Strand& addStrand(float x, float y, const std::string& letters) {
        auto strand = std::make_unique<Strand>(*app);
        const std::string kinds = "GCATU";
        for (char c : letters) {
            strand->addBase(std::make_unique<BaseObject>(*app, x, y, static_cast<int>(kinds.find(c))), true);
            x += 48.f;
        }
        app->strands.push_back(std::move(strand));
        return *app->strands.back();
    }

    // A free label, selected or not.
    Label& addLabel(float x, float y, const std::string& text, bool selected) {
        app->labels.push_back(std::make_unique<Label>(*app, x, y, text));
        if (selected) app->labels.back()->select();
        return *app->labels.back();
    }
};
