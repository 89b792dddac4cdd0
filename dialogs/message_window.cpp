#include "dialogs/message_window.h"

#include "app/app_state.h"
#include "dialogs/dialog_window.h"
#include "gui/button.h"
#include "gui/child_window.h"
#include "gui/label.h"

#include <algorithm>
#include <cstdio>

void ShowMessage(AppState& app, const std::string& title, const std::string& text) {
    std::string oneLine = text;
    std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
    std::fprintf(stderr, "%s: %s\n", title.c_str(), oneLine.c_str());

    closeDialog(app, "MessageWindow");
    gui::ChildWindow* window = createDialogWindow(app, "MessageWindow", title, 520, 130);
    gui::Label* label = window->add<gui::Label>("MessageLabel");
    label->setPosition(20, 16);
    label->setTextSize(16);
    label->setText(text);
    gui::Button* ok = window->add<gui::Button>("");
    ok->load(app.themePath);
    ok->setPosition(200, 84);
    ok->setSize(120, 32);
    ok->setText("OK");
    ok->bindCallback(gui::Trigger::Clicked, [&app] { closeDialog(app, "MessageWindow"); });
}
