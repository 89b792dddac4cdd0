#include "document/svg_export.h"

#include "document/drawing_file.h"
#include "edit/drawing_ops.h"
#include "model/base_kind.h"
#include "model/drawing_state.h"
#include "model/label.h"
#include "model/strand.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/System/String.hpp>
#include <cstdio>

namespace {

// A coordinate with up to three decimals and no trailing zeros.
std::string number(float value) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.3f", static_cast<double>(value));
    std::string text = buffer;
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    if (text == "-0") text = "0";
    return text;
}

std::string paint(const char* attribute, sf::Color c) {
    std::string out = std::string(" ") + attribute + "=\"rgb(" + std::to_string(c.r) + "," +
                      std::to_string(c.g) + "," + std::to_string(c.b) + ")\"";
    if (c.a != 255) out += std::string(" ") + attribute + "-opacity=\"" + number(c.a / 255.f) + "\"";
    return out;
}

class SvgWriter {
  public:
    SvgWriter(const DrawingState& drawing, sf::Vector2f pictureOrigin)
        : state(drawing), origin(pictureOrigin) {}

    // A text element placed as sf::Text places it: the element's position is
    // the centre of its bounds (its origin), and the glyphs stand on a
    // baseline one character size below the text's own top.
    void text(const std::string& content, sf::Vector2f position, sf::FloatRect bounds, sf::Color color) {
        if (content.empty()) return;
        const float size = static_cast<float>(state.textSize);
        const sf::Vector2f textOrigin{bounds.left + bounds.width / 2.f, bounds.top + bounds.height / 2.f};
        const float x = position.x - textOrigin.x - origin.x;
        const float baseline = position.y - textOrigin.y + size - origin.y;
        out += "<text x=\"" + number(x) + "\" y=\"" + number(baseline) + "\" font-size=\"" + number(size) +
               "\"" + paint("fill", color) + ">";
        const sf::String characters = sf::String::fromUtf8(content.begin(), content.end());
        if (characters.getSize() <= 1) {
            out += escapeXml(content);
        } else {
            // Each character at the place sf::Text gives it (whole-pixel
            // advances of the hinted glyphs plus kerning); the renderer's own
            // advances would let a long label drift from the PNG by pixels.
            float at = x;
            sf::Uint32 previous = 0;
            for (sf::Uint32 c : characters) {
                at += state.mainFont.getKerning(previous, c, static_cast<unsigned>(size));
                const sf::String one(c);
                const auto utf8 = one.toUtf8();
                out += "<tspan x=\"" + number(at) + "\">" + escapeXml(std::string(utf8.begin(), utf8.end())) +
                       "</tspan>";
                at += advance(c);
                previous = c;
            }
        }
        out += "</text>\n";
    }

    // How far sf::Text moves on after a character.
    float advance(sf::Uint32 c) const {
        const unsigned size = static_cast<unsigned>(state.textSize);
        const float space = state.mainFont.getGlyph(U' ', size, false).advance;
        if (c == U' ') return space;
        if (c == U'\t') return space * 4.f;
        return state.mainFont.getGlyph(c, size, false).advance;
    }

    // A line as the strand fits it: a rectangle turned about its origin.
    // Anything that reads like sf::RectangleShape will do.
    template <class Line> void line(const Line& shape) {
        const sf::Vector2f size = shape.getSize();
        if (size.x <= 0.f && size.y <= 0.f) return;
        const sf::Vector2f p = shape.getPosition() - origin;
        const sf::Vector2f o = shape.getOrigin();
        out += "<rect x=\"" + number(-o.x) + "\" y=\"" + number(-o.y) + "\" width=\"" + number(size.x) +
               "\" height=\"" + number(size.y) + "\" transform=\"translate(" + number(p.x) + " " +
               number(p.y) + ") rotate(" + number(shape.getRotation()) +
               ")\" shape-rendering=\"crispEdges\"" + paint("fill", shape.getFillColor()) + "/>\n";
    }

    void strand(const Strand& s) {
        // The order of Strand::draw: bases, links, then connectors and end labels.
        for (const auto& base : s.getBases()) {
            sf::Color color = base->getColor();
            if (color == sf::Color::White && !defaultBaseColor(base->getKind(), color)) continue;
            text(base->getLetter(), base->getPosition(), base->getLocalBounds(), color);
        }
        for (const auto& link : s.getLinks())
            line(link);
        if (!s.areEndLabelsVisible()) return;
        line(s.getFiveConnector());
        line(s.getThreeConnector());
        const NameLabel& five = s.getFiveLabel();
        const NameLabel& three = s.getThreeLabel();
        text(five.getText(), five.getPosition(), five.getLocalBounds(), sf::Color::Black);
        text(three.getText(), three.getPosition(), three.getLocalBounds(), sf::Color::Black);
    }

    std::string out;

  private:
    const DrawingState& state;
    sf::Vector2f origin;
};

void appendUtf8Replacement(std::string& out) {
    out += "\xEF\xBF\xBD";
}

} // namespace

std::string escapeXml(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        case '\t':
            out += "&#9;";
            break;
        case '\n':
            out += "&#10;";
            break;
        case '\r':
            out += "&#13;";
            break;
        default:
            if (u < 0x20)
                appendUtf8Replacement(out);
            else if (u == 0x7F)
                out += "&#127;";
            else
                out += c;
        }
    }
    return out;
}

std::string svgPicture(const DrawingState& state) {
    // The size and origin of the PNG export.
    const sf::FloatRect bounds = drawingBounds(state);
    const unsigned width = static_cast<unsigned>(bounds.width + 40.f);
    const unsigned height = static_cast<unsigned>(bounds.height + 40.f);
    const sf::Vector2f origin{bounds.left - 20.f,
                              bounds.top - 20.f - static_cast<float>(state.menuBarHeight)};

    SvgWriter writer(state, origin);
    const std::string w = std::to_string(width), h = std::to_string(height);
    writer.out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                 "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
                 w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
                 "\" font-family=\"DejaVu Sans\" xml:space=\"preserve\">\n"
                 "<rect x=\"0\" y=\"0\" width=\"" +
                 w + "\" height=\"" + h + "\" fill=\"rgb(255,255,255)\"/>\n";
    for (const auto& strand : state.strands)
        writer.strand(*strand);
    for (const auto& label : state.labels)
        writer.text(label->getText(), label->getPosition(), label->getLocalBounds(), sf::Color::Black);
    writer.out += "</svg>\n";
    return writer.out;
}

bool exportSvgFile(const DrawingState& state, const std::string& path, std::string& error) {
    return writeFileAtomically(path, svgPicture(state), error);
}
