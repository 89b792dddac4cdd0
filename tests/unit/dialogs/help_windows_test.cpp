#include "dialogs/about_window.h"
#include "dialogs/instructions_window.h"
#include "tests/unit/dialogs/dialog_fixture.h"

#include <sstream>

namespace {

class HelpWindowsTest : public DialogFixture {};

TEST_F(HelpWindowsTest, InstructionsShowTheSeventeenLinesOfTheGuide) {
    const std::string& text = instructionsText();
    EXPECT_EQ(text.size(), 682u);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 17u);
    const std::pair<int, const char*> rows[] = {
        {0, "Click a base to select it."},
        {2, "Hold left click to use the selection box"}, // no full stop
        {4, ""},
        {11, ""},
        {14, ""},
        {5, "Press G, C, A, T, or U to add a new base or change an already selected base."},
        {10, "Press Delete to remove selected base(s)."},
        {12, "Use the mouse wheel or + and - to zoom in and out."},
        {16, "Press R to center the workspace."}};
    for (const auto& [index, line] : rows)
        EXPECT_EQ(lines[static_cast<std::size_t>(index)], line) << "line " << index + 1;

    chooseMenuItem("Instructions");
    auto* label = widget<gui::Label>("InstructionsWindow", "Instructions");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->getText(), text);
    EXPECT_EQ(label->getTextSize(), 16u);
    EXPECT_EQ(label->getPosition(), sf::Vector2f(8, 8));
}

TEST_F(HelpWindowsTest, AboutWindowLinksKeepItOpen) {
    EXPECT_EQ(aboutVersionLine(), "Version: 0.8.0");
    chooseMenuItem("About");
    const char* kName = "AboutWindow";
    gui::ChildWindow* dialog = window(kName);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->size(), 6u) << "credits, button, three logos, version line";
    auto* credits = widget<gui::Label>(kName, "About");
    ASSERT_NE(credits, nullptr);
    EXPECT_EQ(credits->getPosition(), sf::Vector2f(54, 16));
    const std::string& c = credits->getText();
    EXPECT_EQ(c.rfind("     the", 0), 0u) << "five spaces lead the first line";
    for (const char* part : {"the Tavilon developers\n", "\n              2026\n", "tavilon@example.org\n"})
        EXPECT_NE(c.find(part), std::string::npos) << part;

    // The button, then each logo: an empty picture has no size and cannot be
    // clicked, so these clicks also prove that the logo files load.
    const sf::Vector2f points[] = {
        {82 + 118, 90 + 24}, {16 + 100, 154 + 60}, {14 + 60, 350 + 40}, {210 + 60, 330 + 50}};
    for (const sf::Vector2f& p : points)
        clickInDialog(kName, p.x, p.y);
    EXPECT_EQ(scripted.links->opened,
              (std::vector<std::string>{"mailto:tavilon@example.org", "https://tavilon.org/",
                                        "https://www.sfml-dev.org/", "https://github.com/ocornut/imgui"}));
    EXPECT_EQ(window(kName), dialog);
}

} // namespace
