#include "model/drawing_cache.h"

#include <SFML/Graphics/Sprite.hpp>

namespace {

bool sameView(const sf::View& a, const sf::View& b) {
    return a.getCenter() == b.getCenter() && a.getSize() == b.getSize() &&
           a.getRotation() == b.getRotation() && a.getViewport() == b.getViewport();
}

} // namespace

void DrawingCache::paint(sf::RenderTarget& target, std::unique_ptr<DrawingBatch> frame,
                         unsigned antialiasing) {
    copied = false;
    const bool unchanged = previous && frame->sameAs(*previous) && target.getSize() == previousSize &&
                           sameView(target.getView(), previousView);
    if (!unchanged) pictureValid = false;
    if (unchanged && !pictureFailed && (pictureValid || makePicture(target, antialiasing))) {
        if (!pictureValid) {
            picture->setView(target.getView());
            picture->clear(sf::Color::White);
            frame->replay(*picture);
            picture->display();
            pictureValid = true;
        }
        // Pixel for pixel, replacing the white of the cleared target.
        const sf::View saved = target.getView();
        target.setView(target.getDefaultView());
        target.draw(sf::Sprite(picture->getTexture()), sf::RenderStates(sf::BlendNone));
        target.setView(saved);
        copied = true;
    } else {
        frame->replay(target);
    }
    previous = std::move(frame);
    previousSize = target.getSize();
    previousView = target.getView();
}

bool DrawingCache::makePicture(sf::RenderTarget& target, unsigned antialiasing) {
    const sf::Vector2u size = target.getSize();
    if (picture && picture->getSize() == size && pictureAntialiasing == antialiasing) return true;
    auto made = std::make_unique<sf::RenderTexture>();
    if (!made->create(size.x, size.y, sf::ContextSettings(0, 0, antialiasing))) {
        pictureFailed = true;
        return false;
    }
    picture = std::move(made);
    pictureAntialiasing = antialiasing;
    return true;
}
