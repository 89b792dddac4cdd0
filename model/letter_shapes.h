#pragma once

#include "model/drawing_batch.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>
#include <memory>
#include <vector>

// What every base of one kind at one character size has in common: the
// letter's bounds, the glyph quad that draws it and the selection circle's
// outline. Every G at size 30 looks the same, so bases keep only their kind
// and size and look the rest up here.
struct LetterShape {
    // The letter's local bounds, exactly as an sf::Text with that one letter reports them.
    sf::FloatRect bounds;
    // The centre of `bounds`: the letter's origin, which sits on the base's position.
    sf::Vector2f origin;
    // 1.25 times half the letter's larger side.
    float circleRadius = 0.f;
    // False for a base without a letter (a kind outside 0 to 4 from the start).
    bool hasGlyph = false;
    // The glyph quad in text coordinates, as sf::Text lays the letter out.
    GlyphQuad quad;
    // The selection circle's outline as a triangle strip, in the circle's own
    // coordinates, and the circle's origin (the centre of its outlined bounds).
    std::vector<sf::Vector2f> circleStrip;
    sf::Vector2f circleOrigin;
};

// The cache of letter shapes, keyed by (kind, character size), for one font.
// Entries are made on first use; a font that is not loaded yet gives empty
// shapes that are not kept, so loading the font later is noticed.
class LetterShapes {
  public:
    // A cache for `font`; the font must outlive the cache.
    explicit LetterShapes(const sf::Font& font);
    LetterShapes(const LetterShapes&) = delete;
    LetterShapes& operator=(const LetterShapes&) = delete;

    // The shape of `kind` (BaseKind; anything else has no letter) at `characterSize`.
    const LetterShape& get(int kind, unsigned characterSize);
    // Forgets every entry; needed only when the font is loaded again.
    void clear() { entries.clear(); }

    // The outline of a shape with outline thickness `thickness` round the
    // points `points` (in order, at least three) as a triangle strip, exactly
    // as sf::Shape builds it: each point, then the point pushed outwards.
    static std::vector<sf::Vector2f> outlineStrip(const std::vector<sf::Vector2f>& points, float thickness);

  private:
    LetterShape build(int kind, unsigned characterSize) const;

    const sf::Font& font;
    // Index characterSize * kinds + (kind + 1); slot 0 of each size is "no letter".
    std::vector<std::unique_ptr<LetterShape>> entries;
    LetterShape unloaded;
};
