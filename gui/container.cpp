#include "gui/container.h"

#include "gui/gui.h"

#include <algorithm>

namespace gui {

void Container::adopt(std::unique_ptr<Widget> widget, const std::string& name) {
    if (!name.empty()) remove(name);
    widget->name_ = name;
    widget->parent_ = this;
    widget->gui_ = owner();
    children_.push_back(std::move(widget));
    requestFrame();
}

Widget* Container::get(const std::string& name) const {
    for (const auto& child : children_)
        if (child->name_ == name) return child.get();
    return nullptr;
}

bool Container::remove(const std::string& name) {
    auto it =
        std::find_if(children_.begin(), children_.end(), [&](const auto& c) { return c->name_ == name; });
    if (it == children_.end()) return false;
    // Take the widget out of the list before destroying it, so that anything its
    // destructor triggers sees a consistent container.
    std::unique_ptr<Widget> doomed = std::move(*it);
    children_.erase(it);
    requestFrame();
    return true;
}

bool Container::remove(Widget* widget) {
    auto it =
        std::find_if(children_.begin(), children_.end(), [&](const auto& c) { return c.get() == widget; });
    if (it == children_.end()) return false;
    std::unique_ptr<Widget> doomed = std::move(*it);
    children_.erase(it);
    requestFrame();
    return true;
}

void Container::removeAllWidgets() {
    std::vector<std::unique_ptr<Widget>> doomed;
    doomed.swap(children_);
    requestFrame();
}

void Container::submitChildren(sf::Vector2f origin) {
    for (const auto& child : children_)
        child->submit(origin);
}

} // namespace gui
