#include "dialogs/dialog_window.h"

#include "app/app_state.h"
#include "gui/child_window.h"

sf::Vector2f centredPosition(const AppState& app, sf::Vector2f size) {
    sf::Vector2u window = app.windowSize();
    return {static_cast<float>(window.x / 2) - size.x / 2.f, static_cast<float>(window.y / 2) - size.y / 2.f};
}

gui::ChildWindow* createDialogWindow(AppState& app, const std::string& name, const std::string& title,
                                     float width, float height) {
    gui::ChildWindow* window = app.gui.add<gui::ChildWindow>(name);
    window->load(app.themePath);
    window->setTitle(title);
    window->setSize(width, height);
    sf::Vector2f at = centredPosition(app, window->getSize());
    window->setPosition(at.x, at.y);
    return window;
}

gui::ChildWindow* findDialog(AppState& app, const std::string& name) {
    return app.gui.get<gui::ChildWindow>(name);
}

void closeDialog(AppState& app, const std::string& name) {
    app.gui.remove(name);
}
