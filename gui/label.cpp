#include "gui/label.h"

#include "gui/gui.h"
#include "gui/theme.h"

#include <imgui.h>

namespace gui {

sf::Vector2f Label::getSize() const {
    if (sizeWasSet() || !owner()) return storedSize();
    return owner()->measureText(effectiveTextSize(), text_);
}

void Label::submit(sf::Vector2f origin) {
    owner()->pushFont(effectiveTextSize());
    ThemeColors colors(widgetTheme(), {ImGuiCol_Text});
    ImGui::SetCursorScreenPos(ImVec2(origin.x + getPosition().x, origin.y + getPosition().y));
    ImGui::TextUnformatted(text_.c_str(), text_.c_str() + text_.size());
    owner()->popFont();
}

} // namespace gui
