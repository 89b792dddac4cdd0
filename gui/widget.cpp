#include "gui/widget.h"

#include "gui/gui.h"
#include "gui/theme.h"

#include <cassert>

namespace gui {

namespace {
int nextUid = 1;
}

Widget::Widget() : uid_(nextUid++), life_(std::make_shared<Widget*>(this)) {}

Widget::~Widget() {
    *life_ = nullptr;
}

void Widget::setPosition(float x, float y) {
    position_ = {x, y};
}

void Widget::setSize(float w, float h) {
    size_ = {w, h};
    sizeSet_ = true;
}

void Widget::bindCallback(Trigger trigger, std::function<void()> action) {
    actions_[static_cast<size_t>(trigger)] = std::move(action);
}

bool Widget::hasCallback(Trigger trigger) const {
    return static_cast<bool>(actions_[static_cast<size_t>(trigger)]);
}

void Widget::focus() {}

bool Widget::load(const std::string& themePath) {
    theme_ = Theme::cached(themePath);
    return theme_ != nullptr;
}

void Widget::raise(Trigger trigger) {
    if (gui_) gui_->queueAction(life_, trigger);
}

void Widget::requestFrame() {
    if (gui_) gui_->requestFrame();
}

unsigned Widget::effectiveTextSize() const {
    if (textSize_ != 0) return textSize_;
    return gui_ ? gui_->themeTextSize() : 18u;
}

} // namespace gui
