#pragma once

#include "gui/widget.h"

#include <string>

struct ImGuiInputTextCallbackData;

namespace gui {

// A one-line text entry. Raises TextChanged after every edit by the user and
// ReturnPressed when Return is pressed while it has the focus (it keeps the focus).
// setText also works while the user is typing, so a TextChanged action can
// filter the text and the box shows the filtered text at once.
class EditBox : public Widget {
  public:
    EditBox() = default;
    // Replaces the text (UTF-8); raises nothing.
    void setText(const std::string& utf8);
    // The text (UTF-8).
    std::string getText() const { return text_; }
    // The size as set, else 160 px wide and one text line plus the frame padding high.
    sf::Vector2f getSize() const override;
    // Puts the keyboard focus into the box; typing goes there from the next event on.
    void focus() override;
    // True while the box has the keyboard focus (or is about to get it).
    bool isFocused() const override { return active_ || focusState_ != FocusState::None; }

  private:
    enum class FocusState { None, Requested, Awaiting };

    void submit(sf::Vector2f origin) override;
    static int onInput(ImGuiInputTextCallbackData* data);

    std::string text_;
    // The text was changed by setText while ImGui holds its own copy of it.
    bool pendingLiveText_ = false;
    bool active_ = false;
    FocusState focusState_ = FocusState::None;
    int focusFrames_ = 0;
};

} // namespace gui
