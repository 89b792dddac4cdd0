#include "dialogs/dialog_widgets.h"

#include "app/app_state.h"
#include "dialogs/dialog_window.h"
#include "gui/button.h"
#include "gui/child_window.h"
#include "gui/edit_box.h"
#include "gui/label.h"

#include <memory>

namespace {

// The text after an edit, with the forbidden characters gone. A keystroke
// that only brought forbidden characters is refused as a whole: typed over
// a selection (an edit box focused from code has its text selected) it must
// not wipe the selected text.
std::string filteredEdit(const std::string& before, const std::string& after,
                         std::string (*filter)(const std::string&)) {
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const std::string inserted = after.substr(prefix, after.size() - prefix - suffix);
    if (!inserted.empty() && filter(inserted).empty()) return filter(before);
    return filter(after);
}

} // namespace

gui::Label* addDialogLabel(AppState& app, gui::ChildWindow& window, const std::string& name, float x, float y,
                           const std::string& text, unsigned textSize) {
    gui::Label* label = window.add<gui::Label>(name);
    label->load(app.themePath);
    label->setPosition(x, y);
    label->setText(text);
    if (textSize != 0) label->setTextSize(textSize);
    return label;
}

gui::Button* addDialogButton(AppState& app, gui::ChildWindow& window, float x, float y, float width,
                             float height, const std::string& text, std::function<void()> onClick) {
    gui::Button* button = window.add<gui::Button>("");
    button->load(app.themePath);
    button->setPosition(x, y);
    button->setSize(width, height);
    button->setText(text);
    button->bindCallback(gui::Trigger::Clicked, std::move(onClick));
    return button;
}

gui::EditBox* addDialogEditBox(AppState& app, gui::ChildWindow& window, const std::string& name, float x,
                               float y, float width, float height, const std::string& text,
                               std::function<void()> onReturn, std::string (*filter)(const std::string&)) {
    gui::EditBox* box = window.add<gui::EditBox>(name);
    box->load(app.themePath);
    box->setPosition(x, y);
    box->setSize(width, height);
    box->setText(text);
    box->bindCallback(gui::Trigger::ReturnPressed, std::move(onReturn));
    // The filter looks its box up again when it runs instead of keeping a
    // pointer: the window may be gone by the time a queued change arrives.
    const std::string windowName = window.getName();
    auto accepted = std::make_shared<std::string>(text);
    box->bindCallback(gui::Trigger::TextChanged, [&app, windowName, name, filter, accepted] {
        gui::ChildWindow* owner = findDialog(app, windowName);
        gui::EditBox* target = owner ? owner->get<gui::EditBox>(name) : nullptr;
        if (!target) return;
        *accepted = filteredEdit(*accepted, target->getText(), filter);
        target->setText(*accepted);
    });
    return box;
}
