#include "model/drawing_cache.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/OpenGL.hpp>
#include <SFML/Window/Context.hpp>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

bool sameView(const sf::View& a, const sf::View& b) {
    return a.getCenter() == b.getCenter() && a.getSize() == b.getSize() &&
           a.getRotation() == b.getRotation() && a.getViewport() == b.getViewport();
}

bool isWhole(sf::Vector2f v) {
    return v.x == std::round(v.x) && v.y == std::round(v.y);
}

// The drawing point at the top-left corner of what `view` shows.
sf::Vector2f topLeftOf(const sf::View& view) {
    return view.getCenter() - view.getSize() / 2.f;
}

// True when `view` shows a target of `size` pixel for pixel: unturned, over
// the whole target, a drawing unit a pixel, its corner on a whole pixel. Only
// then is a box in the drawing also a box of pixels. `origin` is the drawing
// point at the target's top-left corner.
bool pixelForPixel(const sf::View& view, sf::Vector2u size, sf::Vector2f& origin) {
    if (view.getRotation() != 0.f || view.getViewport() != sf::FloatRect(0.f, 0.f, 1.f, 1.f) ||
        view.getSize() != sf::Vector2f(size))
        return false;
    origin = topLeftOf(view);
    return isWhole(origin);
}

// The pixels of a target of `size` that show `area` (drawing coordinates,
// `origin` at the top-left pixel), with `margin` more all round. Clamped while
// still in floating point: a line may reach far beyond the window.
sf::IntRect pixelsOf(const sf::FloatRect& area, sf::Vector2f origin, sf::Vector2u size, int margin) {
    auto clamped = [margin](float value, unsigned limit, float extra) {
        return static_cast<int>(
            std::clamp(value + extra * static_cast<float>(margin), 0.f, static_cast<float>(limit)));
    };
    const int left = clamped(std::floor(area.left - origin.x), size.x, -1.f);
    const int top = clamped(std::floor(area.top - origin.y), size.y, -1.f);
    const int right = clamped(std::ceil(area.left + area.width - origin.x), size.x, 1.f);
    const int bottom = clamped(std::ceil(area.top + area.height - origin.y), size.y, 1.f);
    return {left, top, right - left, bottom - top};
}

// The drawing area shown by the pixels of `rect`, a pixel wider all round so
// that it takes in every triangle that reaches into them.
sf::FloatRect areaOf(const sf::IntRect& rect, sf::Vector2f origin) {
    return {origin.x + static_cast<float>(rect.left) - 1.f, origin.y + static_cast<float>(rect.top) - 1.f,
            static_cast<float>(rect.width) + 2.f, static_cast<float>(rect.height) + 2.f};
}

// Keeps drawing into `surface`, clears included, inside `rect` (pixels from its
// top-left corner) while it lives.
class Clip {
  public:
    Clip(sf::RenderTexture& surface, const sf::IntRect& rect) {
        surface.setActive(true);
        glEnable(GL_SCISSOR_TEST);
        // GL counts rows from the bottom.
        glScissor(rect.left, static_cast<GLint>(surface.getSize().y) - rect.top - rect.height, rect.width,
                  rect.height);
    }
    // Copies between pictures (SFML's too) would be clipped as well.
    ~Clip() { glDisable(GL_SCISSOR_TEST); }
    Clip(const Clip&) = delete;
    Clip& operator=(const Clip&) = delete;
};

// Framebuffer copies, which SFML does not offer for a part of a picture.
struct FramebufferCopy {
    PFNGLBINDFRAMEBUFFERPROC bind = nullptr;
    PFNGLBLITFRAMEBUFFERPROC blit = nullptr;

    FramebufferCopy() {
        bind = reinterpret_cast<PFNGLBINDFRAMEBUFFERPROC>(sf::Context::getFunction("glBindFramebuffer"));
        blit = reinterpret_cast<PFNGLBLITFRAMEBUFFERPROC>(sf::Context::getFunction("glBlitFramebuffer"));
    }
    bool available() const { return bind && blit; }

    // Copies `rect` (pixels from the top-left) of `from` into `to`, moved by
    // `shift` pixels, resolving the samples of a multisampled `from`.
    void copy(sf::RenderTexture& from, sf::RenderTexture& to, const sf::IntRect& rect,
              sf::Vector2i shift = {0, 0}) const {
        GLint drawBuffer = 0, readBuffer = 0;
        to.setActive(true);
        glGetIntegerv(GL_FRAMEBUFFER_BINDING, &drawBuffer);
        from.setActive(true);
        glGetIntegerv(GL_FRAMEBUFFER_BINDING, &readBuffer);
        bind(GL_READ_FRAMEBUFFER, static_cast<GLuint>(readBuffer));
        bind(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(drawBuffer));
        // GL counts rows from the bottom.
        const GLint bottom = static_cast<GLint>(from.getSize().y) - rect.top - rect.height;
        blit(rect.left, bottom, rect.left + rect.width, bottom + rect.height, rect.left + shift.x,
             bottom - shift.y, rect.left + rect.width + shift.x, bottom + rect.height - shift.y,
             GL_COLOR_BUFFER_BIT, GL_NEAREST);
        // `from` stays the active target, as SFML believes.
        bind(GL_FRAMEBUFFER, static_cast<GLuint>(readBuffer));
    }
};

const FramebufferCopy& framebufferCopy() {
    static const FramebufferCopy functions;
    return functions;
}

} // namespace

void DrawingCache::paint(sf::RenderTarget& target, std::unique_ptr<DrawingBatch> frame, unsigned antialiasing,
                         sf::Vector2f drawingOffset) {
    const bool failedBefore =
        pictureFailed && target.getSize() == failedSize && antialiasing == failedAntialiasing;
    if (!failedBefore && makePictures(target, antialiasing)) {
        painting = update(*frame, target.getView(), drawingOffset - previousOffset);
        if (painting != Painting::Copied) kept[current]->display();
        pictureValid = true;
        // Pixel for pixel, replacing the white of the cleared target.
        const sf::View saved = target.getView();
        target.setView(target.getDefaultView());
        target.draw(sf::Sprite(kept[current]->getTexture()), sf::RenderStates(sf::BlendNone));
        target.setView(saved);
    } else {
        target.clear(sf::Color::White);
        frame->replay(target);
        painting = Painting::Direct;
    }
    spare = std::move(previous);
    previous = std::move(frame);
    previousSize = target.getSize();
    previousView = target.getView();
    previousOffset = drawingOffset;
}

std::unique_ptr<DrawingBatch> DrawingCache::newFrame(const sf::View& view, const sf::Texture& texture) {
    if (!spare) return std::make_unique<DrawingBatch>(view, texture);
    spare->restart(view, texture);
    return std::move(spare);
}

bool DrawingCache::makePictures(sf::RenderTarget& target, unsigned antialiasing) {
    const sf::Vector2u size = target.getSize();
    if (canvas && canvas->getSize() == size && pictureAntialiasing == antialiasing) return true;
    pictureValid = false;
    // A window shrunk to nothing has nothing to keep.
    if (size.x == 0 || size.y == 0) return false;
    auto made = [&](unsigned samples) {
        auto surface = std::make_unique<sf::RenderTexture>();
        if (!surface->create(size.x, size.y, sf::ContextSettings(0, 0, samples))) surface.reset();
        return surface;
    };
    canvas = made(antialiasing);
    kept[0] = made(0);
    kept[1] = made(0);
    if (!canvas || !kept[0] || !kept[1] || !framebufferCopy().available()) {
        std::fprintf(stderr,
                     "Tavilon: no off-screen pictures (%u x %u); the drawing is painted whole each frame\n",
                     size.x, size.y);
        canvas.reset();
        kept[0].reset();
        kept[1].reset();
        pictureFailed = true;
        failedSize = size;
        failedAntialiasing = antialiasing;
        return false;
    }
    pictureAntialiasing = antialiasing;
    return true;
}

DrawingCache::Painting DrawingCache::update(DrawingBatch& frame, const sf::View& view,
                                            sf::Vector2f offsetChange) {
    const sf::Vector2u size = canvas->getSize();
    const bool comparable = pictureValid && previous && size == previousSize && sameView(view, previousView);
    sf::Vector2f origin;
    // A pan is tried first: telling where everything differs would cost more.
    if (comparable && offsetChange != sf::Vector2f(0.f, 0.f) && isWhole(offsetChange) &&
        pixelForPixel(view, size, origin) && scroll(frame, view, offsetChange))
        return Painting::Scrolled;
    std::vector<sf::FloatRect> damage;
    if (comparable && frame.damageSince(*previous, damage)) {
        if (damage.empty()) return Painting::Copied;
        if (pixelForPixel(view, size, origin)) {
            // Two pixels of margin for smoothing and rounding at the edges.
            std::vector<sf::IntRect> boxes;
            long area = 0;
            for (const sf::FloatRect& rect : damage) {
                const sf::IntRect box = pixelsOf(rect, origin, size, 2);
                if (box.width <= 0 || box.height <= 0) continue;
                boxes.push_back(box);
                area += static_cast<long>(box.width) * box.height;
            }
            if (boxes.empty()) return Painting::Copied;
            // Up to half the picture, repairing beats painting it afresh.
            if (2 * area <= static_cast<long>(size.x) * size.y) {
                repaint(frame, view, boxes);
                return Painting::Repaired;
            }
            // A move of everything: the first moved triangle says how far.
            const sf::Vector2f shift = frame.firstMoveSince(*previous);
            if (shift != sf::Vector2f(0.f, 0.f) && shift != offsetChange && isWhole(shift) &&
                scroll(frame, view, shift))
                return Painting::Scrolled;
        }
    }
    canvas->setView(view);
    canvas->clear(sf::Color::White);
    frame.replay(*canvas);
    framebufferCopy().copy(*canvas, *kept[current],
                           sf::IntRect(0, 0, static_cast<int>(size.x), static_cast<int>(size.y)));
    return Painting::Whole;
}

void DrawingCache::repaint(DrawingBatch& frame, const sf::View& view, const std::vector<sf::IntRect>& rects) {
    const sf::Vector2f origin = topLeftOf(view);
    canvas->setView(view);
    for (const sf::IntRect& rect : rects) {
        if (rect.width <= 0 || rect.height <= 0) continue;
        {
            Clip clip(*canvas, rect);
            canvas->clear(sf::Color::White);
            frame.replayWithin(*canvas, areaOf(rect, origin));
        }
        framebufferCopy().copy(*canvas, *kept[current], rect);
    }
}

bool DrawingCache::scroll(DrawingBatch& frame, const sf::View& view, sf::Vector2f shift) {
    const sf::Vector2u size = canvas->getSize();
    const int w = static_cast<int>(size.x), h = static_cast<int>(size.y);
    // A move as far as the window is wide or high keeps nothing in view (and
    // is checked before it is made an integer: it may be any float).
    if (!(std::abs(shift.x) < static_cast<float>(w) && std::abs(shift.y) < static_cast<float>(h)))
        return false;
    const int dx = static_cast<int>(shift.x), dy = static_cast<int>(shift.y);
    // The pixels that still show what they showed, now `shift` further on.
    const sf::IntRect still(std::max(0, dx), std::max(0, dy), w - std::abs(dx), h - std::abs(dy));
    const sf::Vector2f origin = topLeftOf(view);
    if (!frame.shiftedFrom(*previous, shift, areaOf(still, origin))) return false;

    sf::RenderTexture& from = *kept[current];
    current = 1 - current;
    framebufferCopy().copy(from, *kept[current],
                           sf::IntRect(still.left - dx, still.top - dy, still.width, still.height), {dx, dy});
    // The strips beside and above or below what was kept came into view.
    const sf::IntRect beside(dx > 0 ? 0 : w + dx, 0, std::abs(dx), h);
    const sf::IntRect aboveOrBelow(0, dy > 0 ? 0 : h + dy, w, std::abs(dy));
    repaint(frame, view, {beside, aboveOrBelow});
    return true;
}
