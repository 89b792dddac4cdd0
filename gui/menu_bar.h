#pragma once

#include "gui/widget.h"

#include <SFML/Graphics/Rect.hpp>
#include <string>
#include <vector>

namespace gui {

// The bar of menus along the top of the window, as wide as the window. A click
// on a title opens its list; a click on an item queues a Callback carrying the
// id given to queueItemClicks and the item's text (see Gui::pollCallback).
// PointerEntered and PointerLeft fire when the pointer moves onto or off the
// bar and any open list.
class MenuBar : public Widget {
  public:
    MenuBar() = default;
    // Height of the bar in pixels (default 20).
    void setHeight(float height);
    float getHeight() const { return height_; }
    // Free space left and right of each menu title, in pixels (default 4).
    void setDistanceToSide(float distance) { distanceToSide_ = distance; }
    float getDistanceToSide() const { return distanceToSide_; }
    // Appends a menu (nothing happens when one of that title exists).
    void addMenu(const std::string& menu);
    // Appends an item to a menu, creating the menu when it does not exist.
    void addMenuItem(const std::string& menu, const std::string& item);
    // The menus' titles, left to right.
    std::vector<std::string> getMenus() const;
    // The items of a menu, top to bottom (empty for an unknown menu).
    std::vector<std::string> getMenuItems(const std::string& menu) const;
    // From now on item clicks are queued in the gui with this id (until then they are dropped).
    void queueItemClicks(int callbackId);
    // True while the pointer is over the bar or an open list, as of the last frame.
    bool isPointerOver() const { return pointerOver_; }
    // Where a menu title was drawn in the last frame (window pixels; empty when unknown).
    sf::FloatRect getMenuRect(const std::string& menu) const;
    // Where an item of the open menu was drawn in the last frame (empty when its menu is closed).
    sf::FloatRect getItemRect(const std::string& menu, const std::string& item) const;
    // The bar spans the window's width: (window width, height).
    sf::Vector2f getSize() const override;

  private:
    struct Menu {
        std::string title;
        std::vector<std::string> items;
        sf::FloatRect titleRect;
        std::vector<sf::FloatRect> itemRects;
    };

    void submit(sf::Vector2f origin) override;
    bool hasOwnWindow() const override { return true; }
    const Menu* find(const std::string& menu) const;

    std::vector<Menu> menus_;
    float height_ = 20.f;
    float distanceToSide_ = 4.f;
    float width_ = 0.f;
    bool queueClicks_ = false;
    int callbackId_ = 0;
    bool pointerOver_ = false;
};

} // namespace gui
