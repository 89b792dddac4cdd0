#pragma once

#include "gui/widget.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <memory>
#include <string>

namespace gui {

// An image from a file, drawn at its own size unless one is set; a left click
// on it raises Clicked.
class Picture : public Widget {
  public:
    Picture();
    ~Picture() override;
    // Loads the image (PNG, JPEG, BMP, ...); its size becomes the picture's size.
    // A missing or unreadable file prints one line on standard error, leaves the
    // picture empty and returns false.
    bool load(const std::string& imagePath) override;
    // The size as set, else the image's size ((0, 0) without an image).
    sf::Vector2f getSize() const override;

  private:
    void submit(sf::Vector2f origin) override;

    sf::Image image_;
    bool hasImage_ = false;
    // Made on the first frame that is drawn, when a GL context exists.
    std::unique_ptr<sf::Texture> texture_;
};

} // namespace gui
