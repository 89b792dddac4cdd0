#include "gui/checkbox.h"

#include "gui/gui.h"
#include "gui/theme.h"

#include <algorithm>
#include <imgui.h>

namespace gui {

sf::Vector2f Checkbox::getSize() const {
    if (sizeWasSet() || !owner()) return storedSize();
    const float side =
        static_cast<float>(effectiveTextSize()) + 2.f * owner()->theme().style().FramePadding.y;
    return {side, side};
}

void Checkbox::submit(sf::Vector2f origin) {
    const unsigned px = effectiveTextSize();
    owner()->pushFont(px);
    ThemeColors colors(widgetTheme(),
                       {ImGuiCol_FrameBg, ImGuiCol_FrameBgHovered, ImGuiCol_FrameBgActive, ImGuiCol_CheckMark,
                        ImGuiCol_Text},
                       true);
    ImGui::SetCursorScreenPos(ImVec2(origin.x + getPosition().x, origin.y + getPosition().y));
    ImGui::PushID(uid());
    // ImGui's box is as high as a text line plus the padding: the padding sets its side.
    const float padY = std::max(0.f, (getSize().y - static_cast<float>(px)) / 2.f);
    ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(ImGui::GetStyle().FramePadding.x, padY));
    if (ImGui::Checkbox((text_ + "###checkbox").c_str(), &checked_)) raise(Trigger::Clicked);
    ImGui::PopStyleVar();
    ImGui::PopID();
    owner()->popFont();
}

} // namespace gui
