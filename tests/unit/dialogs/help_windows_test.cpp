#include "dialogs/about_window.h"
#include "dialogs/instructions_window.h"
#include "tests/unit/dialogs/dialog_fixture.h"

#include <sstream>

namespace {

class HelpWindowsTest : public DialogFixture {};

TEST_F(HelpWindowsTest, InstructionsTextAndWindow) {
    const std::string& text = instructionsText();
    EXPECT_EQ(text.size(), 682u);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[0], "Click a base to select it.");
    EXPECT_EQ(lines[2], "Hold left click to use the selection box");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "Press G, C, A, T, or U to add a new base or change an already selected base.");
    EXPECT_EQ(lines[10], "Press Delete to remove selected base(s).");
    EXPECT_EQ(lines[11], "");
    EXPECT_EQ(lines[12], "Use the mouse wheel or + and - to zoom in and out.");
    EXPECT_EQ(lines[14], "");
    EXPECT_EQ(lines[16], "Press R to center the workspace.");

    chooseMenuItem("Instructions");
    gui::ChildWindow* dialog = window("InstructionsWindow");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->getTitle(), "Instructions");
    EXPECT_EQ(dialog->getSize(), sf::Vector2f(600, 380));
    auto* label = widget<gui::Label>("InstructionsWindow", "Instructions");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->getText(), text);
    EXPECT_EQ(label->getTextSize(), 16u);
    EXPECT_EQ(label->getPosition(), sf::Vector2f(8, 8));
    // Menu commands are blocked while it is open: no second window.
    chooseMenuItem("About");
    EXPECT_EQ(window("AboutWindow"), nullptr);
    clickCloseButton("InstructionsWindow");
    EXPECT_EQ(window("InstructionsWindow"), nullptr);
}

TEST_F(HelpWindowsTest, AboutWindowLinksKeepItOpen) {
    EXPECT_EQ(aboutVersionLine(), "Version: 0.8.0");
    chooseMenuItem("About");
    const char* kName = "AboutWindow";
    gui::ChildWindow* dialog = window(kName);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->getTitle(), "About the Software");
    EXPECT_EQ(dialog->getSize(), sf::Vector2f(416, 476));
    // Credits, button, three logos, version line.
    EXPECT_EQ(dialog->size(), 6u);
    auto* credits = widget<gui::Label>(kName, "About");
    ASSERT_NE(credits, nullptr);
    EXPECT_EQ(credits->getPosition(), sf::Vector2f(54, 16));
    EXPECT_NE(credits->getText().find("the Tavilon developers\n"), std::string::npos);
    EXPECT_EQ(credits->getText().rfind("     the", 0), 0u);
    EXPECT_NE(credits->getText().find("\n              2026\n"), std::string::npos);
    EXPECT_NE(credits->getText().find("tavilon@example.org\n"), std::string::npos);

    // The button, then each logo: an empty picture has no size and cannot be
    // clicked, so these clicks also prove that the logo files load.
    clickInDialog(kName, 82 + 118, 90 + 24);
    ASSERT_EQ(scripted.links->opened.size(), 1u);
    EXPECT_EQ(scripted.links->opened.back(), "mailto:tavilon@example.org");
    clickInDialog(kName, 16 + 100, 154 + 60);
    clickInDialog(kName, 14 + 60, 350 + 40);
    clickInDialog(kName, 210 + 60, 330 + 50);
    ASSERT_EQ(scripted.links->opened.size(), 4u);
    EXPECT_EQ(scripted.links->opened[1], "https://tavilon.org/");
    EXPECT_EQ(scripted.links->opened[2], "https://www.sfml-dev.org/");
    EXPECT_EQ(scripted.links->opened[3], "https://github.com/ocornut/imgui");
    EXPECT_EQ(window(kName), dialog);
}

} // namespace
