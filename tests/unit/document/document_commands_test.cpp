#include "document/document_commands.h"
#include "document/drawing_file.h"
#include "document/picture_export.h"
#include "edit/drawing_ops.h"
#include "edit/view.h"
#include "gui/child_window.h"
#include "model/strand.h"
#include "tests/unit/app_fixture.h"
#include "tests/unit/document/document_fixture.h"

class DocumentTest : public AppFixture {
  protected:
    // Writes the text to a file and opens it through the Open command.
    void openText(const std::string& name, const std::string& text) {
        std::ofstream(dir.file(name), std::ios::binary) << text;
        scripted.files->answers = {dir.file(name)};
        openDrawing(*app);
    }
    ScratchDir dir;
};

TEST_F(DocumentTest, WorkedExampleRoundTripsThroughTheDrawing) {
    openText("example.dna", kExample);
    ASSERT_EQ(app->strands.size(), 1u);
    ASSERT_EQ(app->labels.size(), 1u);
    EXPECT_EQ(app->documentPath, dir.file("example.dna"));
    EXPECT_FALSE(app->unsavedChanges);
    EXPECT_EQ(app->strands[0]->sequenceText(true), "5' - GCA- 3'");
    app->documentPath = dir.file("copy.dna");
    ASSERT_TRUE(writeDrawing(*app));
    EXPECT_EQ(slurp(dir.file("copy.dna")), kExample);
}

TEST_F(DocumentTest, SavingAtAnotherZoomWritesTheDrawingAtSize30AndKeepsTheView) {
    openText("example.dna", kExample);
    zoomIn(*app, false);
    zoomIn(*app, false);
    ASSERT_EQ(app->zoomSize, 40.f);
    sf::Vector2f before = app->strands[0]->getBases()[1]->getPosition();
    app->documentPath = dir.file("zoomed.dna");
    app->unsavedChanges = true;
    ASSERT_TRUE(saveDrawing(*app));
    EXPECT_FALSE(app->unsavedChanges);
    EXPECT_EQ(app->zoomSize, 40.f);
    EXPECT_EQ(app->strands[0]->getBases()[1]->getPosition(), before) << "saving does not move the drawing";

    // The file holds the drawing as it stands when zoomed back to 30.
    DrawingRecords saved = parseDrawing(slurp(dir.file("zoomed.dna")));
    setZoom(*app, 30.f, false);
    DrawingRecords atThirty = recordsOf(*app, [](sf::Vector2f p) { return p; });
    ASSERT_EQ(saved.strands[0].bases.size(), 3u);
    auto expectNear = [](sf::Vector2f a, sf::Vector2f b) {
        EXPECT_NEAR(a.x, b.x, 1e-3f);
        EXPECT_NEAR(a.y, b.y, 1e-3f);
    };
    for (int i = 0; i < 3; ++i)
        expectNear(saved.strands[0].bases[i].position, atThirty.strands[0].bases[i].position);
    expectNear(saved.labels[0].position, atThirty.labels[0].position);
}

TEST_F(DocumentTest, AnUnreadableFileKeepsTheOpenDrawing) {
    openText("example.dna", kExample);
    app->strands[0]->getBases()[0]->setKind(3);
    app->unsavedChanges = true;
    openText("broken.dna", "S|255|255|255|5'|1|2|3'|3|4|1|G|zz|1|\r\n");
    // The drawing was unsaved, so Open asked first; discard and try again.
    ASSERT_NE(app->gui.get("UnsavedChangesWindow"), nullptr);
    app->gui.remove("UnsavedChangesWindow");
    app->unsavedChanges = false;
    for (const char* name : {"broken.dna", "does-not-exist.dna"}) {
        scripted.files->answers = {dir.file(name)};
        openDrawing(*app);
        ASSERT_EQ(app->strands.size(), 1u) << "the open drawing stays";
        EXPECT_EQ(app->strands[0]->getBases()[0]->getKind(), 3);
        EXPECT_EQ(app->documentPath, dir.file("example.dna"));
        EXPECT_NE(app->gui.get("MessageWindow"), nullptr) << "a message names the problem";
        app->gui.remove("MessageWindow");
    }
}

TEST_F(DocumentTest, UnsavedChangesPromptFlows) {
    openText("example.dna", kExample);
    app->unsavedChanges = true;

    // Cancel keeps everything and the flag; the next New asks again.
    newDrawing(*app);
    auto* prompt = app->gui.get<gui::ChildWindow>("UnsavedChangesWindow");
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->getTitle(), "Warning");
    EXPECT_FALSE(app->unsavedChanges) << "the flag is clear while the prompt shows";
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
    sf::Image picture;
    std::string error;
    ASSERT_TRUE(renderPicture(*app, picture, error)) << error;
    EXPECT_EQ(picture.getSize(), sf::Vector2u(40, 40)) << "an empty drawing";
    EXPECT_EQ(picture.getPixel(20, 20), sf::Color::White);

    openText("example.dna", kExample);
    app->strands[0]->setAllSelected(true);
    scripted.files->answers = {dir.file("picture")};
    scripted.files->filterAnswer = 1;
    exportPicture(*app);
    ASSERT_TRUE(picture.loadFromFile(dir.file("picture.png")))
        << "a name without ending gets the chosen filter's";
    sf::FloatRect b = drawingBounds(*app);
    EXPECT_EQ(picture.getSize(),
              sf::Vector2u(static_cast<unsigned>(b.width + 40.f), static_cast<unsigned>(b.height + 40.f)));
    EXPECT_EQ(picture.getPixel(0, 0), sf::Color::White);
    EXPECT_EQ(picture.getPixel(picture.getSize().x - 1, picture.getSize().y - 1), sf::Color::White);
    // The blue G is in the picture; the black selection circle is not.
    bool blue = false;
    forEachPixel(picture, [&](int, int, sf::Color c) { blue |= c == sf::Color::Blue; });
    EXPECT_TRUE(blue);

    // An unwritable place reports a message.
    scripted.files->answers = {dir.file("missing-folder/p.png")};
    exportPicture(*app);
    EXPECT_NE(app->gui.get("MessageWindow"), nullptr);
}
