#include "gui/edit_box.h"

#include "gui/gui.h"
#include "gui/theme.h"

#include <algorithm>
#include <imgui.h>
#include <imgui_stdlib.h>

namespace gui {

namespace {
constexpr float defaultWidth = 160.f;
}

void EditBox::setText(const std::string& utf8) {
    if (utf8 == text_) return;
    text_ = utf8;
    // An active ImGui text field edits its own buffer and ignores ours; the
    // next frame copies the new text into it (see onInput) before any input.
    if (active_) {
        pendingLiveText_ = true;
        requestFrame();
    }
}

sf::Vector2f EditBox::getSize() const {
    if (sizeWasSet() || !owner()) return storedSize();
    const float pad = owner()->theme().style().FramePadding.y;
    return {defaultWidth, static_cast<float>(effectiveTextSize()) + 2.f * pad};
}

void EditBox::focus() {
    focusState_ = FocusState::Requested;
    focusFrames_ = 0;
    requestFrame();
}

int EditBox::onInput(ImGuiInputTextCallbackData* data) {
    auto* box = static_cast<EditBox*>(data->UserData);
    if (data->EventFlag != ImGuiInputTextFlags_CallbackAlways || !box->pendingLiveText_) return 0;
    const int oldLength = data->BufTextLen;
    const int oldCursor = data->CursorPos;
    data->DeleteChars(0, data->BufTextLen);
    data->InsertChars(0, box->text_.c_str(), box->text_.c_str() + box->text_.size());
    // A filter mostly drops or rewrites the character just typed: keep the
    // cursor where that character was.
    const int cursor = std::clamp(oldCursor + data->BufTextLen - oldLength, 0, data->BufTextLen);
    data->CursorPos = data->SelectionStart = data->SelectionEnd = cursor;
    box->pendingLiveText_ = false;
    return 0;
}

void EditBox::submit(sf::Vector2f origin) {
    Gui& gui = *owner();
    const sf::Vector2f size = getSize();
    const unsigned px = effectiveTextSize();
    gui.pushFont(px);
    ThemeColors colors(widgetTheme(),
                       {ImGuiCol_FrameBg, ImGuiCol_FrameBgHovered, ImGuiCol_FrameBgActive, ImGuiCol_Text,
                        ImGuiCol_TextSelectedBg, ImGuiCol_Border},
                       true);
    ImGui::SetCursorScreenPos(ImVec2(origin.x + getPosition().x, origin.y + getPosition().y));
    ImGui::PushID(uid());
    // The frame is as high as the box: the text sits in the middle.
    const float padY = std::max(0.f, (size.y - static_cast<float>(px)) / 2.f);
    ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(ImGui::GetStyle().FramePadding.x, padY));
    ImGui::SetNextItemWidth(size.x);
    if (focusState_ == FocusState::Requested) {
        ImGui::SetWindowFocus();
        ImGui::SetKeyboardFocusHere();
        focusState_ = FocusState::Awaiting;
        requestFrame();
    }
    const bool returnPressed = active_ && ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Enter), false);
    std::string buffer = text_;
    ImGui::InputText("##edit", &buffer, ImGuiInputTextFlags_CallbackAlways, &EditBox::onInput, this);
    active_ = ImGui::IsItemActive();
    ImGui::PopStyleVar();
    ImGui::PopID();
    gui.popFont();

    if (!active_) pendingLiveText_ = false;
    if (focusState_ == FocusState::Awaiting) {
        // ImGui hands the focus over one frame after the request. A window that
        // appears in the same frame takes the focus for itself, so ask again;
        // give up if the box cannot take it at all (its window hidden).
        if (active_ || ++focusFrames_ > 4) {
            focusState_ = FocusState::None;
        } else {
            focusState_ = FocusState::Requested;
            requestFrame();
        }
    }
    if (buffer != text_ && !pendingLiveText_) {
        text_ = buffer;
        raise(Trigger::TextChanged);
    }
    if (returnPressed && !active_) {
        raise(Trigger::ReturnPressed);
        // ImGui lets go of the field on Return; the box keeps the focus, as users expect.
        focus();
    }
}

} // namespace gui
