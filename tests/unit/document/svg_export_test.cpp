// The SVG export: markup escaping, well-formed output of the export's size,
// the Export dialog's third filter, and a picture that renders (with
// rsvg-convert) like the PNG export of the same drawing.
#include "document/document_commands.h"
#include "document/drawing_file.h"
#include "document/picture_export.h"
#include "document/svg_export.h"
#include "edit/drawing_ops.h"
#include "model/label.h"
#include "model/strand.h"
#include "tests/unit/app_fixture.h"
#include "tests/unit/document/document_fixture.h"

#include <SFML/Graphics/Image.hpp>
#include <algorithm>
#include <cstdlib>

namespace {

// The character data of an XML text: everything outside the tags.
std::string textContent(const std::string& xml) {
    std::string out;
    bool inTag = false;
    for (char c : xml) {
        inTag = c == '<' || (inTag && c != '>');
        if (!inTag && c != '>' && c != '\n') out += c;
    }
    return out;
}

bool haveTool(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// The box (left, top, width, height) of the pixels within 60 of `colour` in every channel.
sf::IntRect boxOfColour(const sf::Image& image, sf::Color colour) {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    forEachPixel(image, [&](int x, int y, sf::Color c) {
        if (std::max({std::abs(c.r - colour.r), std::abs(c.g - colour.g), std::abs(c.b - colour.b)}) >= 60)
            return;
        left = std::min(left, x), right = std::max(right, x), top = std::min(top, y),
        bottom = std::max(bottom, y);
    });
    return right < 0 ? sf::IntRect() : sf::IntRect(left, top, right - left + 1, bottom - top + 1);
}

// Sum over all pixels and channels of how far each is from white.
double ink(const sf::Image& image) {
    double sum = 0;
    forEachPixel(image, [&](int, int, sf::Color c) { sum += 765 - c.r - c.g - c.b; });
    return sum;
}

} // namespace

class SvgExportTest : public AppFixture {
  protected:
    // A strand G C A T in a bend with its end labels, a red strand, and a label.
    void buildDrawing(const std::string& labelText) {
        DrawingRecords records =
            parseDrawing("S|255|255|255|5'|90|200|3'|230|260|1|G|120|200|C|168|200|A|200|240|"
                         "T|200|290|\r\n"
                         "S|30|160|160|in|100|400|out|300|400|0|A|140|400|U|188|400|\r\n");
        records.labels.push_back({labelText, {260.f, 120.f}});
        appendRecords(*app, records);
        for (auto& strand : app->strands)
            strand->layout();
    }
    std::string file(const std::string& name) const { return dir.file(name); }
    ScratchDir dir;
};

TEST(SvgEscapeTest, EscapesEveryMarkupAndControlCharacter) {
    EXPECT_EQ(escapeXml("plain 5' text"), "plain 5&apos; text");
    EXPECT_EQ(escapeXml("a&b<c>d\"e'f"), "a&amp;b&lt;c&gt;d&quot;e&apos;f");
    EXPECT_EQ(escapeXml("&amp;"), "&amp;amp;") << "already escaped text is escaped again";
    EXPECT_EQ(escapeXml("\t\n\r"), "&#9;&#10;&#13;");
    EXPECT_EQ(escapeXml(std::string("a\x01z\x1f", 4)), "a\xEF\xBF\xBDz\xEF\xBF\xBD")
        << "XML 1.0 cannot hold other control characters at all";
    EXPECT_EQ(escapeXml(std::string("\0", 1)), "\xEF\xBF\xBD");
    EXPECT_EQ(escapeXml("\x7f"), "&#127;");
    EXPECT_EQ(escapeXml("\xC3\xA9\xE2\x80\x99"), "\xC3\xA9\xE2\x80\x99") << "UTF-8 passes unchanged";
    EXPECT_EQ(escapeXml(""), "");
}

TEST_F(SvgExportTest, WritesWellFormedSvgOfTheExportSize) {
    const std::string nasty = std::string("<b>&\"x\"'y'\x02 \xC3\xA9");
    buildDrawing(nasty);
    app->strands[0]->setAllSelected(true); // selection marks never reach a picture
    std::string error;
    ASSERT_TRUE(exportPictureFile(*app, file("drawing.SVG"), error)) << error;
    const std::string svg = slurp(file("drawing.SVG"));
    EXPECT_EQ(svg, svgPicture(*app));

    const sf::FloatRect b = drawingBounds(*app);
    const std::string w = std::to_string(static_cast<unsigned>(b.width + 40.f));
    const std::string h = std::to_string(static_cast<unsigned>(b.height + 40.f));
    EXPECT_NE(svg.find("width=\"" + w + "\" height=\"" + h + "\""), std::string::npos) << svg.substr(0, 300);
    // Longer texts come one character per <tspan>; their content, tags
    // taken out, reads as the text.
    const std::string content = textContent(svg);
    EXPECT_NE(content.find("&lt;b&gt;&amp;&quot;x&quot;&apos;y&apos;\xEF\xBF\xBD \xC3\xA9"),
              std::string::npos)
        << content;
    EXPECT_EQ(svg.find("<b>"), std::string::npos);
    EXPECT_EQ(svg.find("circle"), std::string::npos);
    EXPECT_NE(content.find("5&apos;"), std::string::npos) << "shown end labels are drawn";
    EXPECT_EQ(content.find("in"), std::string::npos) << "hidden end labels are not";
    EXPECT_NE(svg.find("fill=\"rgb(0,0,255)\">G</text>"), std::string::npos) << "default letter colour";
    EXPECT_NE(svg.find("fill=\"rgb(30,160,160)\">U</text>"), std::string::npos) << "strand colour";
    // Three links in the first strand, one in the second, two connectors.
    std::size_t rects = 0;
    for (std::size_t at = svg.find("<rect"); at != std::string::npos; at = svg.find("<rect", at + 1))
        ++rects;
    EXPECT_EQ(rects, 1u + 3u + 2u + 1u) << "background, links and shown connectors";

    if (!haveTool("xmllint")) GTEST_SKIP() << "xmllint not installed (scripts/setup.sh installs it)";
    EXPECT_EQ(std::system(("xmllint --noout '" + file("drawing.SVG") + "'").c_str()), 0);

    // An empty drawing is a 40 x 40 white picture, as the PNG export.
    app->strands.clear();
    app->labels.clear();
    ASSERT_TRUE(exportSvgFile(*app, file("empty.svg"), error)) << error;
    EXPECT_NE(slurp(file("empty.svg")).find("width=\"40\" height=\"40\""), std::string::npos);
    EXPECT_EQ(std::system(("xmllint --noout '" + file("empty.svg") + "'").c_str()), 0);

    // A folder that does not exist: an error naming the file, nothing written.
    const std::string lost = file("missing/p.svg");
    EXPECT_FALSE(exportSvgFile(*app, lost, error));
    EXPECT_NE(error.find(lost), std::string::npos);
}

TEST_F(SvgExportTest, ExportDialogOffersSvgThird) {
    buildDrawing("probe");
    scripted.files->answers = {file("figure")};
    scripted.files->filterAnswer = 2;
    exportPicture(*app);
    ASSERT_EQ(scripted.files->filtersSeen.size(), 1u);
    const std::vector<FileFilter>& filters = scripted.files->filtersSeen[0];
    ASSERT_EQ(filters.size(), 3u);
    const char* const descriptions[] = {"JPEG Images (*.jpg)", "PNG Images (*.png)", "SVG Images (*.svg)"};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(filters[i].description, descriptions[i]);
    EXPECT_EQ(filters[2].pattern, "*.svg");
    EXPECT_TRUE(std::filesystem::exists(file("figure.svg")))
        << "a name without ending gets the chosen filter's";
    EXPECT_EQ(slurp(file("figure.svg")).rfind("<?xml", 0), 0u);
    // A known ending (any case) stays; any other gets the chosen filter's.
    const std::tuple<const char*, int, const char*> names[] = {
        {"a", 0, "a.jpg"},     {"a", 2, "a.svg"},     {"a", 7, "a.jpg"},         {"a.JPG", 1, "a.JPG"},
        {"a.SVG", 0, "a.SVG"}, {"a.svg", 1, "a.svg"}, {"a.gif", 1, "a.gif.png"}, {"a.gif", 2, "a.gif.svg"}};
    for (const auto& [name, filter, expected] : names)
        EXPECT_EQ(pictureFileName(name, filter), expected) << name;
}

TEST_F(SvgExportTest, RendersLikeThePngExport) {
    if (!haveTool("rsvg-convert"))
        GTEST_SKIP() << "rsvg-convert not installed (scripts/setup.sh installs it)";
    buildDrawing("probe 5' to 3'");
    app->strands[1]->setEndLabelsVisible(true);
    sf::Image png;
    std::string error;
    ASSERT_TRUE(renderPicture(*app, png, error)) << error;
    ASSERT_TRUE(exportSvgFile(*app, file("same.svg"), error)) << error;
    ASSERT_EQ(std::system(("rsvg-convert -o '" + file("same.png") + "' '" + file("same.svg") + "'").c_str()),
              0);
    sf::Image svg;
    ASSERT_TRUE(svg.loadFromFile(file("same.png")));
    ASSERT_EQ(svg.getSize(), png.getSize());

    // SFML draws hinted glyph bitmaps, the SVG renderer unhinted outlines:
    // edge pixels differ, places and sizes may not. Each coloured letter and
    // the black of labels and lines must cover the same box within a pixel,
    // and the pictures must hold nearly the same amount of ink.
    const sf::Color colours[] = {sf::Color::Blue,  sf::Color::Red,          sf::Color::Magenta,
                                 sf::Color::Green, sf::Color(30, 160, 160), sf::Color::Black};
    for (sf::Color c : colours) {
        const sf::IntRect a = boxOfColour(png, c), b = boxOfColour(svg, c);
        const std::string name = std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
        ASSERT_GT(a.width, 5) << name;
        EXPECT_NEAR(a.left, b.left, 1) << name;
        EXPECT_NEAR(a.top, b.top, 1) << name;
        EXPECT_NEAR(a.left + a.width, b.left + b.width, 1) << name;
        EXPECT_NEAR(a.top + a.height, b.top + b.height, 1) << name;
    }
    EXPECT_NEAR(ink(svg) / ink(png), 1.0, 0.1);
}
