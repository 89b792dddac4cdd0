#include "gui/child_window.h"

#include "gui/gui.h"
#include "gui/theme.h"

#include <imgui.h>

namespace gui {

void ChildWindow::setPosition(float x, float y) {
    Widget::setPosition(x, y);
    placeRequested_ = true;
    requestFrame();
}

void ChildWindow::setSize(float w, float h) {
    Widget::setSize(w, h);
    requestFrame();
}

void ChildWindow::focus() {
    focusRequested_ = true;
    requestFrame();
}

float ChildWindow::titleBarHeight() const {
    // ImGui measures the title bar as text height plus the frame padding above
    // and below, also between frames, so the padding is the theme's own.
    const float padding = owner() ? owner()->theme().style().FramePadding.y : 4.f;
    return static_cast<float>(effectiveTextSize()) + 2.f * padding;
}

void ChildWindow::submit(sf::Vector2f) {
    Gui* gui = owner();
    const float bar = titleBarHeight();
    const sf::Vector2f client = getSize();
    if (placeRequested_) {
        ImGui::SetNextWindowPos(ImVec2(storedPosition().x, storedPosition().y));
        placeRequested_ = false;
    }
    ImGui::SetNextWindowSize(ImVec2(client.x, client.y + bar));
    if (focusRequested_) {
        ImGui::SetNextWindowFocus();
        focusRequested_ = false;
    }
    ThemeColors colors(widgetTheme(),
                       {ImGuiCol_WindowBg, ImGuiCol_TitleBg, ImGuiCol_TitleBgActive, ImGuiCol_Border,
                        ImGuiCol_Text, ImGuiCol_Button, ImGuiCol_ButtonHovered, ImGuiCol_ButtonActive});
    gui->pushFont(effectiveTextSize());
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(0.f, 0.f));
    ImGui::PushStyleVar(ImGuiStyleVar_WindowMinSize, ImVec2(1.f, 1.f));
    bool open = true;
    // The id after ### is fixed for this window's life, so ImGui keeps its state
    // while the title changes, and a window reopened under the same name starts afresh.
    const std::string label = title_ + "###ChildWindow" + std::to_string(uid());
    const bool visible =
        ImGui::Begin(label.c_str(), &open,
                     ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoScrollbar |
                         ImGuiWindowFlags_NoScrollWithMouse | ImGuiWindowFlags_NoSavedSettings);
    ImGui::PopStyleVar(2);
    // The user may have dragged the window by its title bar.
    const ImVec2 pos = ImGui::GetWindowPos();
    storePosition({pos.x, pos.y});
    focused_ = ImGui::IsWindowFocused(ImGuiFocusedFlags_RootAndChildWindows);
    if (visible) {
        const ImVec2 start = ImGui::GetCursorScreenPos();
        submitChildren({start.x, start.y});
    }
    ImGui::End();
    gui->popFont();
    if (!open) {
        if (hasCallback(Trigger::Closed))
            raise(Trigger::Closed);
        else
            gui->queueRemoval(lifeToken());
    }
}

} // namespace gui
