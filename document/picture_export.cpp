#include "document/picture_export.h"

#include "document/svg_export.h"
#include "edit/drawing_ops.h"
#include "model/drawing_state.h"
#include "model/label.h"
#include "model/strand.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

// Points the drawing at `target` while it draws, and back afterwards.
class TargetSwap {
  public:
    TargetSwap(DrawingState& drawing, sf::RenderTarget& target)
        : state(drawing), saved(drawing.currentTarget) {
        drawing.currentTarget = &target;
    }
    ~TargetSwap() { state.currentTarget = saved; }

  private:
    DrawingState& state;
    sf::RenderTarget* saved;
};

void drawEverything(DrawingState& state) {
    for (auto& strand : state.strands)
        strand->draw();
    for (auto& label : state.labels)
        label->draw();
}

std::string lowerEnding(const std::string& path) {
    std::string end = path.size() >= 3 ? path.substr(path.size() - 3) : path;
    for (char& c : end)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return end;
}

} // namespace

bool renderPicture(DrawingState& state, sf::Image& picture, std::string& error) {
    sf::FloatRect bounds = drawingBounds(state);
    const unsigned width = static_cast<unsigned>(bounds.width + 40.f);
    const unsigned height = static_cast<unsigned>(bounds.height + 40.f);
    // Drawing space coordinate of the picture's top-left pixel.
    const sf::Vector2f origin{bounds.left - 20.f,
                              bounds.top - 20.f - static_cast<float>(state.menuBarHeight)};

    const unsigned tile = std::min(sf::Texture::getMaximumSize(), 4096u);
    picture.create(width, height, sf::Color::White);
    sf::RenderTexture surface;
    if (!surface.create(std::min(width, tile), std::min(height, tile))) {
        error = "no off-screen surface of " + std::to_string(std::min(width, tile)) + " x " +
                std::to_string(std::min(height, tile)) + " pixels could be made";
        return false;
    }
    TargetSwap swap(state, surface);
    for (unsigned y = 0; y < height; y += tile) {
        for (unsigned x = 0; x < width; x += tile) {
            const unsigned w = std::min(tile, width - x);
            const unsigned h = std::min(tile, height - y);
            sf::View view(sf::FloatRect(origin.x + static_cast<float>(x), origin.y + static_cast<float>(y),
                                        static_cast<float>(w), static_cast<float>(h)));
            view.setViewport(sf::FloatRect(0.f, 0.f,
                                           static_cast<float>(w) / static_cast<float>(surface.getSize().x),
                                           static_cast<float>(h) / static_cast<float>(surface.getSize().y)));
            surface.setView(view);
            surface.clear(sf::Color::White);
            drawEverything(state);
            surface.display();
            sf::Image part = surface.getTexture().copyToImage();
            picture.copy(part, x, y, sf::IntRect(0, 0, static_cast<int>(w), static_cast<int>(h)));
        }
    }
    surface.setActive(false);
    return true;
}

bool exportPictureFile(DrawingState& state, const std::string& path, std::string& error) {
    std::string ending = lowerEnding(path);
    if (ending == "svg") return exportSvgFile(state, path, error);
    if (ending != "jpg" && ending != "png") {
        error = path + ": unknown picture type (use .png, .jpg or .svg)";
        return false;
    }
    sf::Image picture;
    if (!renderPicture(state, picture, error)) {
        error = path + ": " + error;
        return false;
    }
    // Written beside the target and renamed over it, so a failed export
    // leaves neither a half-written picture nor a damaged older one.
    std::string temporary = path + ".tavilon-part." + ending;
    if (!picture.saveToFile(temporary)) {
        std::remove(temporary.c_str());
        error = path + ": the picture could not be written";
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        error = path + ": the picture could not be written";
        return false;
    }
    return true;
}
