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

#include <SFML/Graphics/Image.hpp>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The character data of an XML text: everything outside the tags.
std::string textContent(const std::string& xml) {
    std::string out;
    bool inTag = false;
    for (char c : xml) {
        if (c == '<')
            inTag = true;
        else if (c == '>')
            inTag = false;
        else if (!inTag && c != '\n')
            out += c;
    }
    return out;
}

bool haveTool(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

sf::Color opaque(sf::Color c) {
    // rsvg-convert leaves pixels it never painted transparent; on white they are white.
    return c.a < 255 ? sf::Color::White : c;
}

int channelDistance(sf::Color a, sf::Color b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

// Pixels whose colours differ by more than `limit` in some channel.
unsigned long countDiffering(const sf::Image& a, const sf::Image& b, int limit) {
    unsigned long n = 0;
    for (unsigned y = 0; y < a.getSize().y; ++y)
        for (unsigned x = 0; x < a.getSize().x; ++x)
            n += channelDistance(opaque(a.getPixel(x, y)), opaque(b.getPixel(x, y))) > limit;
    return n;
}

// The box (left, top, width, height) of the pixels within 60 of `colour` in every channel.
sf::IntRect boxOfColour(const sf::Image& image, sf::Color colour) {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    for (unsigned y = 0; y < image.getSize().y; ++y)
        for (unsigned x = 0; x < image.getSize().x; ++x) {
            if (channelDistance(opaque(image.getPixel(x, y)), colour) >= 60) continue;
            left = std::min(left, static_cast<int>(x));
            right = std::max(right, static_cast<int>(x));
            top = std::min(top, static_cast<int>(y));
            bottom = std::max(bottom, static_cast<int>(y));
        }
    if (right < 0) return {};
    return {left, top, right - left + 1, bottom - top + 1};
}

// Sum over all pixels and channels of how far each is from white.
double ink(const sf::Image& image) {
    double sum = 0;
    for (unsigned y = 0; y < image.getSize().y; ++y)
        for (unsigned x = 0; x < image.getSize().x; ++x) {
            sf::Color c = opaque(image.getPixel(x, y));
            sum += (255 - c.r) + (255 - c.g) + (255 - c.b);
        }
    return sum;
}

} // namespace

class SvgExportTest : public AppFixture {
  protected:
    void SetUp() override {
        AppFixture::SetUp();
        dir = fs::temp_directory_path() / ("tavilon-svg-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string file(const std::string& name) { return (dir / name).string(); }

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

    fs::path dir;
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
    const std::string lost = (dir / "missing" / "p.svg").string();
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
    EXPECT_EQ(filters[0].description, "JPEG Images (*.jpg)");
    EXPECT_EQ(filters[1].description, "PNG Images (*.png)");
    EXPECT_EQ(filters[2].description, "SVG Images (*.svg)");
    EXPECT_EQ(filters[2].pattern, "*.svg");
    EXPECT_TRUE(fs::exists(file("figure.svg"))) << "a name without ending gets the chosen filter's";
    EXPECT_EQ(slurp(file("figure.svg")).rfind("<?xml", 0), 0u);
    EXPECT_EQ(pictureFileName("a", 2), "a.svg");
    EXPECT_EQ(pictureFileName("a.SVG", 0), "a.SVG");
    EXPECT_EQ(pictureFileName("a.svg", 1), "a.svg");
    EXPECT_EQ(pictureFileName("a.gif", 2), "a.gif.svg");
    EXPECT_EQ(pictureFileName("a", 7), "a.jpg");
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
    std::cout << "svg vs png: " << countDiffering(png, svg, 96) << " of " << png.getSize().x * png.getSize().y
              << " pixels differ by more than 96 in some channel\n";
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
        std::cout << "colour " << name << ": box " << a.left << "," << a.top << " " << a.width << "x"
                  << a.height << " (png) vs " << b.left << "," << b.top << " " << b.width << "x" << b.height
                  << " (svg)\n";
    }
    const double inkPng = ink(png), inkSvg = ink(svg);
    std::cout << "ink: png " << inkPng << ", svg " << inkSvg << "\n";
    EXPECT_NEAR(inkSvg / inkPng, 1.0, 0.1);
}
