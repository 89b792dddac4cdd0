#include "document/document_commands.h"
#include "document/drawing_file.h"
#include "document/picture_export.h"
#include "edit/drawing_ops.h"
#include "gui/button.h"
#include "gui/child_window.h"
#include "edit/view.h"
#include "model/label.h"
#include "model/strand.h"
#include "tests/unit/app_fixture.h"

#include <SFML/Graphics/Image.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const char* const kExample = "S|255|255|255|5'|90|200|3'|270|200|1|G|120|200|C|168|200|A|216|200|\r\n"
                             "L|probe|150|300|\r\n";

} // namespace

class DocumentTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        dir = fs::temp_directory_path() / ("tavilon-doc-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string file(const std::string& name) { return (dir / name).string(); }

    // Writes the text to a file and opens it through the Open command.
    void openText(const std::string& name, const std::string& text) {
        std::ofstream(file(name), std::ios::binary) << text;
        scripted.files->answers = {file(name)};
        openDrawing(*app);
    }

    fs::path dir;
};

TEST_F(DocumentTest, WorkedExampleRoundTripsThroughTheDrawing) {
    openText("example.dna", kExample);
    ASSERT_EQ(app->strands.size(), 1u);
    ASSERT_EQ(app->labels.size(), 1u);
    EXPECT_EQ(app->documentPath, file("example.dna"));
    EXPECT_FALSE(app->unsavedChanges);
    EXPECT_EQ(app->strands[0]->sequenceText(true), "5' - GCA- 3'");

    app->documentPath = file("copy.dna");
    ASSERT_TRUE(writeDrawing(*app));
    EXPECT_EQ(slurp(file("copy.dna")), kExample);
}

TEST_F(DocumentTest, SavingAtAnotherZoomWritesTheDrawingAtSize30AndKeepsTheView) {
    openText("example.dna", kExample);
    zoomIn(*app, false);
    zoomIn(*app, false);
    ASSERT_EQ(app->zoomSize, 40.f);
    sf::Vector2f before = app->strands[0]->getBases()[1]->getPosition();
    app->documentPath = file("zoomed.dna");
    app->unsavedChanges = true;
    ASSERT_TRUE(saveDrawing(*app));
    EXPECT_FALSE(app->unsavedChanges);
    EXPECT_EQ(app->zoomSize, 40.f);
    EXPECT_EQ(app->strands[0]->getBases()[1]->getPosition(), before) << "saving does not move the drawing";

    // The file holds the drawing as it stands when zoomed back to 30.
    DrawingRecords saved = parseDrawing(slurp(file("zoomed.dna")));
    setZoom(*app, 30.f, false);
    DrawingRecords atThirty = recordsOfDrawing(*app);
    ASSERT_EQ(saved.strands[0].bases.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(saved.strands[0].bases[i].position.x, atThirty.strands[0].bases[i].position.x, 1e-3f);
        EXPECT_NEAR(saved.strands[0].bases[i].position.y, atThirty.strands[0].bases[i].position.y, 1e-3f);
    }
    EXPECT_NEAR(saved.labels[0].position.x, atThirty.labels[0].position.x, 1e-3f);
}

TEST_F(DocumentTest, AnUnreadableFileKeepsTheOpenDrawing) {
    openText("example.dna", kExample);
    app->strands[0]->getBases()[0]->setKind(3);
    app->unsavedChanges = true;
    openText("broken.dna", "S|255|255|255|5'|1|2|3'|3|4|1|G|zz|1|\r\n");
    // The drawing was unsaved, so Open asked first; discard and try again.
    ASSERT_TRUE(app->gui.get("UnsavedChangesWindow") != nullptr);
    app->gui.remove("UnsavedChangesWindow");
    app->unsavedChanges = false;
    scripted.files->answers = {file("broken.dna")};
    openDrawing(*app);

    ASSERT_EQ(app->strands.size(), 1u) << "the open drawing stays";
    EXPECT_EQ(app->strands[0]->getBases()[0]->getKind(), 3);
    EXPECT_EQ(app->documentPath, file("example.dna"));
    EXPECT_TRUE(app->gui.get("MessageWindow") != nullptr) << "a message names the problem";

    app->gui.remove("MessageWindow");
    scripted.files->answers = {file("does-not-exist.dna")};
    openDrawing(*app);
    EXPECT_EQ(app->strands.size(), 1u);
    EXPECT_TRUE(app->gui.get("MessageWindow") != nullptr);
}

TEST_F(DocumentTest, UnsavedChangesPromptFlows) {
    openText("example.dna", kExample);
    app->unsavedChanges = true;

    // Cancel keeps everything and the flag; the next New asks again.
    newDrawing(*app);
    ASSERT_TRUE(app->gui.get("UnsavedChangesWindow") != nullptr);
    EXPECT_FALSE(app->unsavedChanges) << "the flag is clear while the prompt shows";
    auto* prompt = app->gui.get<gui::ChildWindow>("UnsavedChangesWindow");
    EXPECT_EQ(prompt->getTitle(), "Warning");
    app->gui.remove("UnsavedChangesWindow");
    app->unsavedChanges = true;

    // Save Changes on an untitled drawing whose save dialog is cancelled must
    // not go on to clear the drawing.
    app->documentPath.clear();
    newDrawing(*app);
    scripted.files->answers.clear();
    ASSERT_FALSE(saveDrawing(*app));
    EXPECT_EQ(app->strands.size(), 1u);

    // Discard clears the drawing.
    app->gui.remove("UnsavedChangesWindow");
    app->unsavedChanges = true;
    newDrawing(*app);
    EXPECT_EQ(app->strands.size(), 1u);
    app->gui.remove("UnsavedChangesWindow");
    newDrawing(*app);
    EXPECT_TRUE(app->strands.empty());
    EXPECT_TRUE(app->labels.empty());
    EXPECT_EQ(app->documentPath, "");
}

TEST_F(DocumentTest, ExportWritesTheDrawingWithItsMargins) {
    openText("example.dna", kExample);
    app->strands[0]->setAllSelected(true);
    scripted.files->answers = {file("picture")};
    scripted.files->filterAnswer = 1;
    exportPicture(*app);
    ASSERT_TRUE(fs::exists(file("picture.png"))) << "a name without ending gets the chosen filter's";
    sf::Image picture;
    ASSERT_TRUE(picture.loadFromFile(file("picture.png")));
    sf::FloatRect b = drawingBounds(*app);
    EXPECT_EQ(picture.getSize().x, static_cast<unsigned>(b.width + 40.f));
    EXPECT_EQ(picture.getSize().y, static_cast<unsigned>(b.height + 40.f));
    EXPECT_EQ(picture.getPixel(0, 0), sf::Color::White);
    EXPECT_EQ(picture.getPixel(picture.getSize().x - 1, picture.getSize().y - 1), sf::Color::White);
    // The blue G is in the picture; the black selection circle is not.
    bool blue = false;
    for (unsigned y = 0; y < picture.getSize().y; ++y)
        for (unsigned x = 0; x < picture.getSize().x; ++x) blue |= picture.getPixel(x, y) == sf::Color::Blue;
    EXPECT_TRUE(blue);

    // An unknown ending on an explicit name still exports (ending added); an
    // unwritable place reports a message.
    scripted.files->answers = {(dir / "missing-folder" / "p.png").string()};
    exportPicture(*app);
    EXPECT_TRUE(app->gui.get("MessageWindow") != nullptr);
}

TEST_F(DocumentTest, AnEmptyDrawingExportsAs40By40White) {
    sf::Image picture;
    std::string error;
    ASSERT_TRUE(renderPicture(*app, picture, error)) << error;
    EXPECT_EQ(picture.getSize(), sf::Vector2u(40, 40));
    EXPECT_EQ(picture.getPixel(20, 20), sf::Color::White);
    EXPECT_EQ(pictureFileName("a.JPG", 1), "a.JPG");
    EXPECT_EQ(pictureFileName("a", 0), "a.jpg");
    EXPECT_EQ(pictureFileName("a.gif", 1), "a.gif.png");
}
