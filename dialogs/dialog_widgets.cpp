#include "dialogs/dialog_widgets.h"

#include "app/app_state.h"
#include "dialogs/dialog_window.h"
#include "gui/button.h"
#include "gui/child_window.h"
#include "gui/edit_box.h"
#include "gui/label.h"

gui::Label* addDialogLabel(AppState& app, gui::ChildWindow& window, const std::string& name, float x, float y,
                           const std::string& text, unsigned textSize) {
    gui::Label* label = window.add<gui::Label>(name);
    label->load(app.themePath);
    label->setPosition(x, y);
    label->setText(text);
    if (textSize != 0) label->setTextSize(textSize);
    return label;
}

gui::Button* addDialogButton(AppState& app, gui::ChildWindow& window, float x, float y, float width, float height,
                             const std::string& text, std::function<void()> onClick) {
    gui::Button* button = window.add<gui::Button>("");
    button->load(app.themePath);
    button->setPosition(x, y);
    button->setSize(width, height);
    button->setText(text);
    button->bindCallback(gui::Trigger::Clicked, std::move(onClick));
    return button;
}

gui::EditBox* addDialogEditBox(AppState& app, gui::ChildWindow& window, const std::string& name, float x, float y,
                               float width, float height, const std::string& text, std::function<void()> onReturn,
                               std::string (*filter)(const std::string&)) {
    gui::EditBox* box = window.add<gui::EditBox>(name);
    box->load(app.themePath);
    box->setPosition(x, y);
    box->setSize(width, height);
    box->setText(text);
    box->bindCallback(gui::Trigger::ReturnPressed, std::move(onReturn));
    // The filter looks its box up again when it runs instead of keeping a
    // pointer: the window may be gone by the time a queued change arrives.
    const std::string windowName = window.getName();
    box->bindCallback(gui::Trigger::TextChanged, [&app, windowName, name, filter] {
        gui::ChildWindow* owner = findDialog(app, windowName);
        gui::EditBox* target = owner ? owner->get<gui::EditBox>(name) : nullptr;
        if (target) target->setText(filter(target->getText()));
    });
    return box;
}
