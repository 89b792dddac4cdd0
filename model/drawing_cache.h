#pragma once

#include "model/drawing_batch.h"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/View.hpp>
#include <memory>
#include <vector>

// Keeps the picture of the drawing between frames and repaints only what
// changed. On a software rasteriser painting tens of thousands of letters
// costs far more than copying one picture, and most frames change little:
// the pointer moves over the drawing, a menu opens, one base is dragged, a
// pan slides everything along. Each frame's triangles are recorded and
// compared with the last frame's:
//   - everything moved by whole pixels (a pan, tried first when the view's
//     offset says so): the kept picture is moved and only the strips that
//     came into view are painted;
//   - the same triangles: the kept picture is copied;
//   - a few differ: only the boxes round them (up to 16) are cleared and
//     repainted, while they cover at most half the picture;
//   - otherwise the picture is painted afresh.
// The picture is then copied into the window. Every way gives the same
// pixels as painting the frame whole.
//
// Triangles are painted on a canvas with the window's antialiasing and only
// the painted box is resolved into the kept picture, which has a single
// sample a pixel: on a software rasteriser every pass over a multisampled
// picture costs several milliseconds, so the kept picture is moved and
// copied without one. Two kept pictures take turns when the drawing moves.
class DrawingCache {
  public:
    // How a frame was painted.
    enum class Painting {
        Direct,   // into the target, without a kept picture (none could be made)
        Whole,    // the kept picture painted afresh
        Copied,   // the kept picture as it was
        Repaired, // the boxes round what changed repainted
        Scrolled  // the kept picture moved, the strips that came into view painted
    };

    DrawingCache() = default;
    DrawingCache(const DrawingCache&) = delete;
    DrawingCache& operator=(const DrawingCache&) = delete;

    // Paints the drawing recorded in `frame` (a recording batch made for the
    // target's current view) over the whole of `target`, on white.
    // `antialiasing` is the target's antialiasing level, for the kept picture.
    // `drawingOffset` is where the drawing's origin lies on the screen; when it
    // changed since the last frame, that change is tried first as a pan
    // (default: no pan is known, only the frames themselves are compared).
    void paint(sf::RenderTarget& target, std::unique_ptr<DrawingBatch> frame, unsigned antialiasing,
               sf::Vector2f drawingOffset = {0.f, 0.f});
    // A recording batch for the next frame, seen through `view` with the font
    // `texture`; it reuses the storage of a frame before the last.
    std::unique_ptr<DrawingBatch> newFrame(const sf::View& view, const sf::Texture& texture);
    // How the last frame was painted.
    Painting lastPainting() const { return painting; }

  private:
    bool makePictures(sf::RenderTarget& target, unsigned antialiasing);
    // How the kept picture becomes this frame's; paints it.
    Painting update(DrawingBatch& frame, const sf::View& view, sf::Vector2f offsetChange);
    // Paints `frame` inside `rects` (pixels) of the canvas and resolves them into the kept picture.
    void repaint(DrawingBatch& frame, const sf::View& view, const std::vector<sf::IntRect>& rects);
    // Moves the kept picture by `shift` pixels and paints the strips that came into view.
    bool scroll(DrawingBatch& frame, const sf::View& view, sf::Vector2f shift);

    std::unique_ptr<DrawingBatch> previous;
    // The frame before `previous`, kept for its storage.
    std::unique_ptr<DrawingBatch> spare;
    sf::Vector2u previousSize;
    sf::View previousView;
    sf::Vector2f previousOffset;
    // Where triangles are painted, with the target's antialiasing.
    std::unique_ptr<sf::RenderTexture> canvas;
    // The kept pictures; `kept[current]` shows `previous`.
    std::unique_ptr<sf::RenderTexture> kept[2];
    int current = 0;
    unsigned pictureAntialiasing = 0;
    // The picture shows `previous`.
    bool pictureValid = false;
    // The pictures could not be made at this size and antialiasing; the
    // drawing is painted directly until either changes.
    bool pictureFailed = false;
    sf::Vector2u failedSize;
    unsigned failedAntialiasing = 0;
    Painting painting = Painting::Direct;
};
