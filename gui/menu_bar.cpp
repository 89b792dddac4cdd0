#include "gui/menu_bar.h"

#include "gui/gui.h"
#include "gui/theme.h"

#include <algorithm>
#include <cmath>
#include <imgui.h>

namespace gui {

namespace {
sf::FloatRect lastItemRect() {
    const ImVec2 a = ImGui::GetItemRectMin();
    const ImVec2 b = ImGui::GetItemRectMax();
    return {a.x, a.y, b.x - a.x, b.y - a.y};
}
} // namespace

void MenuBar::setHeight(float height) {
    height_ = std::max(1.f, height);
    requestFrame();
}

void MenuBar::addMenu(const std::string& menu) {
    if (find(menu)) return;
    menus_.push_back({menu, {}, {}, {}});
}

void MenuBar::addMenuItem(const std::string& menu, const std::string& item) {
    addMenu(menu);
    for (Menu& m : menus_)
        if (m.title == menu) m.items.push_back(item);
}

std::vector<std::string> MenuBar::getMenus() const {
    std::vector<std::string> titles;
    for (const Menu& m : menus_)
        titles.push_back(m.title);
    return titles;
}

std::vector<std::string> MenuBar::getMenuItems(const std::string& menu) const {
    const Menu* m = find(menu);
    return m ? m->items : std::vector<std::string>{};
}

void MenuBar::queueItemClicks(int callbackId) {
    queueClicks_ = true;
    callbackId_ = callbackId;
}

const MenuBar::Menu* MenuBar::find(const std::string& menu) const {
    for (const Menu& m : menus_)
        if (m.title == menu) return &m;
    return nullptr;
}

sf::FloatRect MenuBar::getMenuRect(const std::string& menu) const {
    const Menu* m = find(menu);
    return m ? m->titleRect : sf::FloatRect();
}

sf::FloatRect MenuBar::getItemRect(const std::string& menu, const std::string& item) const {
    const Menu* m = find(menu);
    if (!m) return {};
    for (size_t i = 0; i < m->items.size() && i < m->itemRects.size(); ++i)
        if (m->items[i] == item) return m->itemRects[i];
    return {};
}

sf::Vector2f MenuBar::getSize() const {
    return {width_, height_};
}

void MenuBar::submit(sf::Vector2f) {
    Gui& gui = *owner();
    const ImGuiIO& io = ImGui::GetIO();
    width_ = io.DisplaySize.x;
    // Titles are about three quarters of the bar's height, as in most desktop
    // menus, with an even number of pixels left over so the text sits exactly in
    // the middle (ImGui rounds half pixels).
    unsigned px = getTextSize();
    if (px == 0) {
        px = static_cast<unsigned>(std::max(8.f, std::round(height_ * 0.75f)));
        if (static_cast<int>(std::round(height_) - static_cast<float>(px)) % 2 != 0) ++px;
    }
    gui.pushFont(px);
    ThemeColors colors(widgetTheme(), {ImGuiCol_MenuBarBg, ImGuiCol_WindowBg, ImGuiCol_PopupBg, ImGuiCol_Text,
                                       ImGuiCol_Header, ImGuiCol_HeaderHovered, ImGuiCol_HeaderActive});
    ImGui::PushStyleColor(ImGuiCol_WindowBg, ImGui::GetStyleColorVec4(ImGuiCol_MenuBarBg));
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(0.f, 0.f));
    ImGui::PushStyleVar(ImGuiStyleVar_WindowMinSize, ImVec2(1.f, 1.f));
    ImGui::PushStyleVar(ImGuiStyleVar_WindowRounding, 0.f);
    ImGui::PushStyleVar(ImGuiStyleVar_WindowBorderSize, 0.f);
    // ImGui makes the bar one text line plus the frame padding above and below.
    const float padY = std::max(0.f, (height_ - static_cast<float>(px)) / 2.f);
    ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(distanceToSide_, padY));
    // Menu titles are spaced by twice the item spacing, half of it on either side;
    // the vertical spacing stretches a title's hit area over the bar's full height
    // and gives the rows of the lists the bar's height too.
    ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(distanceToSide_, 2.f * padY));
    ImGui::SetNextWindowPos(ImVec2(0.f, 0.f));
    ImGui::SetNextWindowSize(ImVec2(width_, height_));
    const std::string name = "##MenuBar" + std::to_string(uid());
    ImGui::Begin(name.c_str(), nullptr,
                 ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_MenuBar | ImGuiWindowFlags_NoMove |
                     ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoBringToFrontOnFocus |
                     ImGuiWindowFlags_NoFocusOnAppearing);
    ImGui::PopStyleVar(4);
    ImGui::PopStyleColor();
    const ImVec2 mouse = io.MousePos;
    bool over = mouse.x >= 0.f && mouse.x < width_ && mouse.y >= 0.f && mouse.y < height_;
    if (ImGui::BeginMenuBar()) {
        for (size_t m = 0; m < menus_.size(); ++m) {
            Menu& menu = menus_[m];
            ImGui::PushID(static_cast<int>(m));
            const bool open = ImGui::BeginMenu((menu.title + "###menu").c_str());
            menu.titleRect = lastItemRect();
            menu.itemRects.clear();
            if (open) {
                const ImVec2 pos = ImGui::GetWindowPos();
                const ImVec2 size = ImGui::GetWindowSize();
                if (mouse.x >= pos.x && mouse.x < pos.x + size.x && mouse.y >= pos.y &&
                    mouse.y < pos.y + size.y)
                    over = true;
                for (size_t i = 0; i < menu.items.size(); ++i) {
                    ImGui::PushID(static_cast<int>(i));
                    const bool clicked = ImGui::MenuItem((menu.items[i] + "###item").c_str());
                    menu.itemRects.push_back(lastItemRect());
                    if (clicked) {
                        if (queueClicks_) gui.queueCallback({callbackId_, menu.items[i]});
                        // The list closes at the end of this frame; show it closed.
                        requestFrame();
                    }
                    ImGui::PopID();
                }
                ImGui::EndMenu();
            }
            ImGui::PopID();
        }
        ImGui::EndMenuBar();
    }
    ImGui::End();
    ImGui::PopStyleVar(2);
    gui.popFont();
    if (over != pointerOver_) {
        pointerOver_ = over;
        raise(over ? Trigger::PointerEntered : Trigger::PointerLeft);
    }
}

} // namespace gui
