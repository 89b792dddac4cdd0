#include "gui/slider.h"

#include "gui/gui.h"
#include "gui/theme.h"

#include <algorithm>
#include <imgui.h>

namespace gui {

namespace {
// ImGui's slider works on signed halves of the 32-bit range.
constexpr unsigned largest = 1u << 30;
constexpr float longSide = 250.f;
constexpr float shortSide = 16.f;
} // namespace

void Slider::setMinimum(unsigned minimum) {
    minimum_ = std::min(minimum, largest);
    maximum_ = std::max(maximum_, minimum_);
    value_ = std::clamp(value_, minimum_, maximum_);
}

void Slider::setMaximum(unsigned maximum) {
    maximum_ = std::min(maximum, largest);
    minimum_ = std::min(minimum_, maximum_);
    value_ = std::clamp(value_, minimum_, maximum_);
}

void Slider::setValue(unsigned value) {
    value_ = std::clamp(value, minimum_, maximum_);
}

sf::Vector2f Slider::getSize() const {
    if (sizeWasSet()) return storedSize();
    return vertical_ ? sf::Vector2f(shortSide, longSide) : sf::Vector2f(longSide, shortSide);
}

void Slider::submit(sf::Vector2f origin) {
    const sf::Vector2f size = getSize();
    // The value is written on the slider; keep it inside the slider's height.
    const float thickness = vertical_ ? size.x : size.y;
    const unsigned px = std::min(effectiveTextSize(), static_cast<unsigned>(std::max(8.f, thickness - 2.f)));
    owner()->pushFont(px);
    ThemeColors colors(widgetTheme(),
                       {ImGuiCol_FrameBg, ImGuiCol_FrameBgHovered, ImGuiCol_FrameBgActive,
                        ImGuiCol_SliderGrab, ImGuiCol_SliderGrabActive, ImGuiCol_Text},
                       true);
    ImGui::SetCursorScreenPos(ImVec2(origin.x + getPosition().x, origin.y + getPosition().y));
    ImGui::PushID(uid());
    unsigned value = value_;
    bool changed;
    if (vertical_) {
        changed = ImGui::VSliderScalar("##slider", ImVec2(size.x, size.y), ImGuiDataType_U32, &value,
                                       &minimum_, &maximum_, "%u", ImGuiSliderFlags_NoInput);
    } else {
        const float padY = std::max(0.f, (size.y - static_cast<float>(px)) / 2.f);
        ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(ImGui::GetStyle().FramePadding.x, padY));
        ImGui::SetNextItemWidth(size.x);
        changed = ImGui::SliderScalar("##slider", ImGuiDataType_U32, &value, &minimum_, &maximum_, "%u",
                                      ImGuiSliderFlags_NoInput);
        ImGui::PopStyleVar();
    }
    ImGui::PopID();
    owner()->popFont();
    if (changed && value != value_) {
        value_ = std::clamp(value, minimum_, maximum_);
        raise(Trigger::ValueChanged);
    }
}

} // namespace gui
