#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Glyph.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Shape.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/Transform.hpp>
#include <SFML/Graphics/Vertex.hpp>
#include <vector>

// One glyph's quad as sf::Text lays it out: its edges in text coordinates and
// the matching edges in the font texture, in pixels.
struct GlyphQuad {
    float left = 0.f, top = 0.f, right = 0.f, bottom = 0.f;
    float u1 = 0.f, v1 = 0.f, u2 = 0.f, v2 = 0.f;
};

// Gathers the triangles of many drawing elements and hands them to the target
// in one draw call, instead of one call (with its state changes) per letter
// and per line. Everything is drawn from the font texture: letters from their
// glyphs, solid shapes (lines, outlines) from the white square that every
// page of an SFML font keeps in its top-left corner, so the order in which
// elements are added is the order in which they are painted. Elements that lie
// wholly outside the target's view can be skipped with isVisible().
//
// A recording batch keeps what it gathers instead of drawing it, so that two
// frames can be compared and one drawn later (see DrawingCache).
class DrawingBatch {
  public:
    // A batch for `target` as its view is now; `texture` is the font texture of
    // the drawing's character size (solid shapes use its white corner).
    DrawingBatch(sf::RenderTarget& target, const sf::Texture& texture);
    // A recording batch for what `view` shows; `texture` as above.
    DrawingBatch(const sf::View& view, const sf::Texture& texture);
    // Empties a recording batch for a new recording through `view` with
    // `texture`, keeping its storage.
    void restart(const sf::View& view, const sf::Texture& texture);
    // Draws whatever is still gathered (a recording batch keeps it).
    ~DrawingBatch();
    DrawingBatch(const DrawingBatch&) = delete;
    DrawingBatch& operator=(const DrawingBatch&) = delete;

    // True when `area` (drawing coordinates) may show in the view. A turned
    // view shows everything, as far as this test knows.
    bool isVisible(const sf::FloatRect& area) const;

    // Continues with `texture`; what was gathered with another texture is drawn first.
    void useTexture(const sf::Texture& texture);
    // Adds a glyph quad moved by `offset` (the text's translation), in `color`.
    void addGlyph(const GlyphQuad& quad, sf::Vector2f offset, sf::Color color);
    // The quad of `glyph` on the baseline at (x, y) of its text, padded by a
    // pixel all round as sf::Text pads it.
    static GlyphQuad quadOf(const sf::Glyph& glyph, float x, float y);
    // Adds a solid quad with corners a, b, c, d in order round it.
    void addSolidQuad(sf::Vector2f a, sf::Vector2f b, sf::Vector2f c, sf::Vector2f d, sf::Color color);
    // Adds a solid triangle strip, every point moved by `offset`.
    void addSolidStrip(const std::vector<sf::Vector2f>& strip, sf::Vector2f offset, sf::Color color);
    // Adds a solid triangle strip that many elements share (a selection
    // circle), moved by `offset`. `key` names the strip: the same key must
    // always come with the same points. A recording keeps one mark in place of
    // the strip's triangles and makes them only when it paints.
    void addSharedStrip(const std::vector<sf::Vector2f>& strip, float key, sf::Vector2f offset,
                        sf::Color color);
    // Adds a text as sf::Text lays it out (regular style); any other text is
    // drawn on its own, in its place in the order.
    void addText(const sf::Text& text);
    // Adds a shape: its fill (when not transparent) and its outline, as sf::Shape builds them.
    void addShape(const sf::Shape& shape);
    // Draws a drawable on its own, in its place in the order.
    void addDrawable(const sf::Drawable& drawable);
    // Draws what has been gathered and starts afresh; a recording batch
    // closes the current run of triangles instead.
    void flush();
    // Number of vertices gathered and not yet drawn (or not yet closed into a run).
    std::size_t pendingVertices() const { return vertices.size() - recordedEnd; }

    // ---- Recording ----
    // Draws everything recorded, in order, into `target` (whose view should
    // be the one recorded for).
    void replay(sf::RenderTarget& target);

    // ---- Comparing two recordings for a partial repaint ----
    // Where this recording differs from `earlier`: boxes round the triangles
    // that one of them has and the other has not in its place, cut to the
    // view (none when both paint the same there). Outside them both paint
    // the same pixels, so repainting them alone turns the earlier picture into
    // this one. Triangles that differ near one another share a box; at most
    // 16 boxes. False when the two cannot be compared so (a drawable drawn on
    // its own, different textures).
    bool damageSince(DrawingBatch& earlier, std::vector<sf::FloatRect>& damage);
    // The move of the first triangle that differs from `earlier`: when the
    // whole drawing moved, how far it moved (zero when nothing differs).
    sf::Vector2f firstMoveSince(DrawingBatch& earlier);
    // True when the triangles of this recording that touch `area` are, in
    // order, those of `earlier` that touched `area` before they moved by
    // `shift`, so that the earlier picture moved by `shift` shows them.
    bool shiftedFrom(DrawingBatch& earlier, sf::Vector2f shift, const sf::FloatRect& area);
    // Draws, in order, only the recorded triangles that touch `area`; the
    // target should clip to it (they may reach beyond).
    void replayWithin(sf::RenderTarget& target, const sf::FloatRect& area);

  private:
    // A run of recorded triangles drawn with one texture, or a drawable.
    struct Run {
        const sf::Texture* texture = nullptr;
        sf::Vector2u textureSize;
        const sf::Drawable* drawable = nullptr;
        std::size_t first = 0;
        std::size_t count = 0;
    };
    void addSolidTriangle(sf::Vector2f a, sf::Vector2f b, sf::Vector2f c, sf::Color color);
    // A strip recorded by its key, with the corners of its bounds.
    struct SharedStrip {
        float key = 0.f;
        std::vector<sf::Vector2f> points;
        sf::Vector2f low, high;
    };
    const SharedStrip& sharedStrip(const std::vector<sf::Vector2f>& strip, float key);
    // Appends the triangles a recorded triangle paints (a mark's strip, or itself).
    void appendPainted(std::vector<sf::Vertex>& out, const sf::Vertex* triangle) const;
    // Draws a recorded run, or only its triangles that touch `area` when given.
    void drawRun(sf::RenderTarget& target, const Run& run, const sf::FloatRect* area);
    // Both recordings closed, with runs of the same textures and no drawable.
    bool comparableWith(DrawingBatch& earlier);
    void setVisibleArea(const sf::View& view);

    // Null for a recording batch.
    sf::RenderTarget* target;
    const sf::Texture* texture;
    std::vector<sf::Vertex> vertices;
    sf::FloatRect visible;
    bool culling = true;
    std::vector<Run> runs;
    // Vertices before this index belong to closed runs.
    std::size_t recordedEnd = 0;
    // The strips that marks name (kept when the batch starts again: a key
    // always names the same points).
    std::vector<SharedStrip> sharedStrips;
    bool marksRecorded = false;
    // The triangles of a run being painted, marks made into strips.
    std::vector<sf::Vertex> painted;
};
