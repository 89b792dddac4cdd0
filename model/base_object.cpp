#include "model/base_object.h"

#include "model/base_kind.h"
#include "model/drawing_batch.h"
#include "model/letter_shapes.h"
#include "model/slot_pool.h"

#include <cassert>

// ---- Storage ----

// Under AddressSanitizer bases come from the general allocator, so that a use
// of a dropped base is still caught.
#if defined(__SANITIZE_ADDRESS__)
#define TAVILON_BASE_POOL 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAVILON_BASE_POOL 0
#endif
#endif
#ifndef TAVILON_BASE_POOL
#define TAVILON_BASE_POOL 1
#endif

namespace {

#if TAVILON_BASE_POOL
// Made on first use and never destroyed, so that a base dropped during the
// program's exit still has its pool.
SlotPool& basePool() {
    static SlotPool* pool = new SlotPool(sizeof(BaseObject));
    return *pool;
}
#endif

} // namespace

void* BaseObject::operator new([[maybe_unused]] std::size_t size) {
#if TAVILON_BASE_POOL
    assert(size == sizeof(BaseObject) && "BaseObject is final");
    return basePool().take();
#else
    return ::operator new(size);
#endif
}

void BaseObject::operator delete(void* slot, [[maybe_unused]] std::size_t size) {
#if TAVILON_BASE_POOL
    basePool().give(slot);
#else
    // The unsized form: clang declares the sized one only with -fsized-deallocation.
    ::operator delete(slot);
#endif
}

// ---- Base ----

BaseObject::BaseObject(DrawingState& drawingState, float x, float y, int kindValue)
    : DraggableLabel(drawingState, x, y), kind(kindValue),
      characterSize(static_cast<std::uint16_t>(drawingState.textSize)) {
    setKind(kindValue);
}

void BaseObject::setKind(int k) {
    kind = k;
    if (isValidBaseKind(k)) shownKind = static_cast<std::int8_t>(k);
    setColor(color);
    // Origin and circle follow the letter through the cache; a new letter
    // also has new bounds, so the strand refits its lines.
    rescale(getPosition());
}

std::string BaseObject::getLetter() const {
    return baseLetter(kind);
}

void BaseObject::setColor(sf::Color c) {
    ++state.revision;
    color = c;
    if (c != sf::Color::White) {
        fill = c;
        return;
    }
    sf::Color standard;
    if (defaultBaseColor(shownKind, standard)) fill = standard;
}

void BaseObject::applyTextSize() {
    characterSize = static_cast<std::uint16_t>(state.textSize);
}

const LetterShape& BaseObject::shape() const {
    return state.letterShapes.get(shownKind, characterSize);
}

sf::FloatRect BaseObject::getLocalBounds() const {
    return shape().bounds;
}

sf::Text BaseObject::textShape() const {
    sf::Text text;
    text.setFont(state.mainFont);
    text.setCharacterSize(characterSize);
    text.setFillColor(fill);
    if (shownKind >= 0) text.setString(baseLetter(shownKind));
    text.setOrigin(shape().origin);
    text.setPosition(getPosition());
    return text;
}

sf::CircleShape BaseObject::getSelectionCircle() const {
    const LetterShape& s = shape();
    sf::CircleShape circle(s.circleRadius, 30);
    circle.setFillColor(sf::Color::Transparent);
    circle.setOutlineColor(sf::Color::Black);
    circle.setOutlineThickness(1.f);
    // The circle's bounds include its outline; their centre is the circle's centre.
    circle.setOrigin(s.circleOrigin);
    circle.setPosition(getPosition());
    return circle;
}

void BaseObject::draw() {
    if (state.currentTarget) state.currentTarget->draw(textShape());
    // The circle marks the selection for the user only; never in a picture.
    if (isSelected() && state.drawingOnScreen()) state.screenTarget->draw(getSelectionCircle());
}

void BaseObject::appendTo(DrawingBatch& batch) const {
    const LetterShape& s = shape();
    const sf::Vector2f p = getPosition();
    const bool circled = isSelected() && state.drawingOnScreen();
    // Whatever is painted lies within the letter's larger extent (the circle's
    // radius plus its outline) of the base.
    const float reach = 2.f * s.circleRadius + s.bounds.width + s.bounds.height + 2.f;
    if (!batch.isVisible({p.x - reach, p.y - reach, 2.f * reach, 2.f * reach})) return;
    if (s.hasGlyph) {
        batch.useTexture(state.mainFont.getTexture(characterSize));
        batch.addGlyph(s.quad, p - s.origin, fill);
    }
    // Every circle of one radius has the same points.
    if (circled) batch.addSharedStrip(s.circleStrip, s.circleRadius, p - s.circleOrigin, sf::Color::Black);
}
