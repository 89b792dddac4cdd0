#include "gui/picture.h"

#include "gui/gui.h"

#include <SFML/System/Err.hpp>
#include <cstdint>
#include <fstream>
#include <imgui.h>
#include <iostream>

namespace gui {

Picture::Picture() = default;
Picture::~Picture() = default;

bool Picture::load(const std::string& imagePath) {
    texture_.reset();
    hasImage_ = false;
    if (!std::ifstream(imagePath, std::ios::binary)) {
        std::cerr << "gui: picture '" << imagePath << "' cannot be read\n";
        return false;
    }
    // SFML explains its own failures at length; one line of ours is enough.
    std::streambuf* previous = sf::err().rdbuf(nullptr);
    hasImage_ = image_.loadFromFile(imagePath);
    sf::err().rdbuf(previous);
    if (!hasImage_) std::cerr << "gui: picture '" << imagePath << "' is not an image SFML can read\n";
    return hasImage_;
}

sf::Vector2f Picture::getSize() const {
    if (sizeWasSet()) return storedSize();
    if (!hasImage_) return {0.f, 0.f};
    return {static_cast<float>(image_.getSize().x), static_cast<float>(image_.getSize().y)};
}

void Picture::submit(sf::Vector2f origin) {
    const sf::Vector2f size = getSize();
    // ImGui cannot hit-test an empty area.
    if (size.x <= 0.f || size.y <= 0.f) return;
    const ImVec2 min(origin.x + getPosition().x, origin.y + getPosition().y);
    ImGui::SetCursorScreenPos(min);
    ImGui::PushID(uid());
    if (ImGui::InvisibleButton("##picture", ImVec2(size.x, size.y))) raise(Trigger::Clicked);
    ImGui::PopID();
    if (!hasImage_ || !owner()->isRendering()) return;
    if (!texture_) {
        texture_ = std::make_unique<sf::Texture>();
        if (!texture_->loadFromImage(image_)) {
            hasImage_ = false;
            return;
        }
        texture_->setSmooth(true);
    }
    const auto id = reinterpret_cast<ImTextureID>(static_cast<std::uintptr_t>(texture_->getNativeHandle()));
    ImGui::GetWindowDrawList()->AddImage(id, min, ImVec2(min.x + size.x, min.y + size.y));
}

} // namespace gui
