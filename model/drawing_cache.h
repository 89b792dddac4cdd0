#pragma once

#include "model/drawing_batch.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/View.hpp>
#include <memory>

// Keeps the picture of the drawing between frames. Most frames show the
// drawing unchanged (the pointer moves over it, a menu opens, an edit box's
// cursor blinks), and on a software rasteriser painting tens of thousands of
// letters costs far more than copying one picture. Each frame's triangles are
// recorded and compared with the last frame's: a frame that differs is
// painted directly, as before; once a frame repeats the last one, the drawing
// is painted once into an off-screen picture (with the window's
// antialiasing), and from then on that picture is copied until the drawing
// changes again.
class DrawingCache {
  public:
    DrawingCache() = default;
    DrawingCache(const DrawingCache&) = delete;
    DrawingCache& operator=(const DrawingCache&) = delete;

    // Paints the drawing recorded in `frame` (a recording batch made for the
    // target's current view) into `target`, which has just been cleared white.
    // `antialiasing` is the target's antialiasing level, for the kept picture.
    void paint(sf::RenderTarget& target, std::unique_ptr<DrawingBatch> frame, unsigned antialiasing);
    // True when the last paint copied the kept picture.
    bool lastPaintCopied() const { return copied; }

  private:
    bool makePicture(sf::RenderTarget& target, unsigned antialiasing);

    std::unique_ptr<DrawingBatch> previous;
    sf::Vector2u previousSize;
    sf::View previousView;
    std::unique_ptr<sf::RenderTexture> picture;
    unsigned pictureAntialiasing = 0;
    // The picture shows `previous`.
    bool pictureValid = false;
    // The picture could not be made once; paint directly from then on.
    bool pictureFailed = false;
    bool copied = false;
};
