#pragma once

#include <SFML/System/Vector2.hpp>
#include <array>
#include <functional>
#include <memory>
#include <string>

namespace gui {

class Container;
class Gui;
class Theme;

// What happened to a widget; each widget kind raises the ones that make sense for it.
enum class Trigger { Clicked, TextChanged, ReturnPressed, ValueChanged, Closed, PointerEntered, PointerLeft };

// Base of every widget. A widget is created by its container (`Container::add`),
// owned by it and destroyed when it is removed.
class Widget {
  public:
    virtual ~Widget();
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    // The name the widget was added under ("" for anonymous widgets).
    const std::string& getName() const { return name_; }

    // Moves the widget; pixels from the top-left corner of the parent's client area.
    virtual void setPosition(float x, float y);
    // The position as set (for a child window: where it is now, after the user moved it).
    virtual sf::Vector2f getPosition() const { return position_; }

    // Fixes the widget's size in pixels; for a ChildWindow the client area's size.
    virtual void setSize(float w, float h);
    // The size as set, or the natural size (text, image) when none was set.
    virtual sf::Vector2f getSize() const { return size_; }

    // Character size in pixels; 0 (the default) means the theme's text size.
    void setTextSize(unsigned px) { textSize_ = px; }
    // The character size as set (0 = theme's size).
    unsigned getTextSize() const { return textSize_; }

    // Binds an argument-less action to a trigger, replacing any earlier one; an
    // empty function unbinds. Actions run after the frame that raised them.
    void bindCallback(Trigger trigger, std::function<void()> action);
    // True when an action is bound to the trigger.
    bool hasCallback(Trigger trigger) const;

    // Takes the widget's colours from a theme file (see Theme). When the file
    // cannot be read it returns false and the widget keeps the gui's style.
    virtual bool load(const std::string& themePath);

    // Gives the widget the keyboard focus (takes effect from the next event on).
    virtual void focus();
    // True while the widget has the keyboard focus.
    virtual bool isFocused() const { return false; }

  protected:
    Widget();

    // Runs the widget for the current ImGui frame, inside the host window;
    // `origin` is the parent client area's top-left corner in window pixels.
    virtual void submit(sf::Vector2f origin) = 0;
    // True for widgets that open their own ImGui window (child windows, the menu bar).
    virtual bool hasOwnWindow() const { return false; }

    // Queues the trigger's bound action to run after the current frame.
    void raise(Trigger trigger);
    // Asks the gui for one more frame without new input before the next event
    // (a window appeared, a focus or text change must reach ImGui's state).
    void requestFrame();
    // The character size to draw with: the own size, else the theme's.
    unsigned effectiveTextSize() const;
    // The gui that owns this widget (null before it was added).
    Gui* owner() const { return gui_; }
    // The theme loaded into this widget, or null for the gui's style.
    const Theme* widgetTheme() const { return theme_.get(); }
    // Cleared when the widget dies; the gui holds it for queued work.
    const std::shared_ptr<Widget*>& lifeToken() const { return life_; }
    // ImGui id of this widget, unique for the life of the process.
    int uid() const { return uid_; }
    // True once setSize was called.
    bool sizeWasSet() const { return sizeSet_; }
    // Position and size as stored, for subclasses that override the getters.
    sf::Vector2f storedPosition() const { return position_; }
    sf::Vector2f storedSize() const { return size_; }
    void storePosition(sf::Vector2f p) { position_ = p; }

  private:
    friend class Container;
    friend class Gui;

    std::string name_;
    Container* parent_ = nullptr;
    Gui* gui_ = nullptr;
    int uid_;
    sf::Vector2f position_{0.f, 0.f};
    sf::Vector2f size_{0.f, 0.f};
    bool sizeSet_ = false;
    unsigned textSize_ = 0;
    std::array<std::function<void()>, 7> actions_;
    std::shared_ptr<const Theme> theme_;
    // Cleared when the widget dies, so that queued actions can tell it is gone.
    std::shared_ptr<Widget*> life_;
};

} // namespace gui
