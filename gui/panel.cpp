#include "gui/panel.h"

#include <imgui.h>

namespace gui {

void Panel::submit(sf::Vector2f origin) {
    const sf::Vector2f size = getSize();
    if (size.x <= 0.f || size.y <= 0.f) return;
    const ImVec2 min(origin.x + getPosition().x, origin.y + getPosition().y);
    ImGui::GetWindowDrawList()->AddRectFilled(min, ImVec2(min.x + size.x, min.y + size.y),
                                              IM_COL32(color_.r, color_.g, color_.b, color_.a));
}

} // namespace gui
