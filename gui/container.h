#pragma once

#include "gui/widget.h"

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace gui {

// A widget that owns other widgets and finds them by name. Names are unique
// within one container, except the empty name, which any number of widgets share.
class Container : public Widget {
  public:
    // Creates a widget of type T under the name and returns it (owned here).
    // A widget already holding that (non-empty) name is removed first.
    template <class T> T* add(const std::string& name) {
        static_assert(std::is_base_of_v<Widget, T>, "only widgets can be added");
        auto widget = std::make_unique<T>();
        T* raw = widget.get();
        adopt(std::move(widget), name);
        return raw;
    }

    // The direct child with that name, or null.
    Widget* get(const std::string& name) const;
    // The direct child with that name if it is a T, else null.
    template <class T> T* get(const std::string& name) const { return dynamic_cast<T*>(get(name)); }

    // Removes and destroys the first child with that name; false when there is none.
    bool remove(const std::string& name);
    // Removes and destroys that child; false when it is not a direct child.
    bool remove(Widget* widget);
    // Removes and destroys every child.
    void removeAllWidgets();
    // Number of direct children.
    size_t size() const { return children_.size(); }

  protected:
    Container() = default;
    // Submits every child with the client area's top-left corner at `origin`.
    void submitChildren(sf::Vector2f origin);
    // Submits one widget (used by the gui, which hosts loose widgets itself).
    static void submitWidget(Widget& widget, sf::Vector2f origin) { widget.submit(origin); }
    static bool widgetHasOwnWindow(const Widget& widget) { return widget.hasOwnWindow(); }
    const std::vector<std::unique_ptr<Widget>>& children() const { return children_; }

  private:
    void adopt(std::unique_ptr<Widget> widget, const std::string& name);

    std::vector<std::unique_ptr<Widget>> children_;
};

} // namespace gui
