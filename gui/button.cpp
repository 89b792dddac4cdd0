#include "gui/button.h"

#include "gui/gui.h"
#include "gui/theme.h"

#include <imgui.h>

namespace gui {

sf::Vector2f Button::getSize() const {
    if (sizeWasSet() || !owner()) return storedSize();
    const ImVec2 pad = owner()->theme().style().FramePadding;
    const sf::Vector2f text = owner()->measureText(effectiveTextSize(), text_);
    return {text.x + 2.f * pad.x, text.y + 2.f * pad.y};
}

void Button::submit(sf::Vector2f origin) {
    owner()->pushFont(effectiveTextSize());
    ThemeColors colors(
        widgetTheme(),
        {ImGuiCol_Button, ImGuiCol_ButtonHovered, ImGuiCol_ButtonActive, ImGuiCol_Text, ImGuiCol_Border},
        true);
    ImGui::SetCursorScreenPos(ImVec2(origin.x + getPosition().x, origin.y + getPosition().y));
    ImGui::PushID(uid());
    const sf::Vector2f size = getSize();
    // Everything after ### is the id, so any caption can be shown as it is.
    if (ImGui::Button((text_ + "###button").c_str(), ImVec2(size.x, size.y))) raise(Trigger::Clicked);
    ImGui::PopID();
    owner()->popFont();
}

} // namespace gui
