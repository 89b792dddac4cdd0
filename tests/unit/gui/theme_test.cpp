#include "gui/gui.h"
#include "gui/theme.h"
#include "tests/unit/test_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

using namespace gui;

namespace {
bool sameColor(const ImVec4& a, const ImVec4& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z && a.w == b.w;
}
} // namespace

TEST(GuiTheme, ParsesSettingsColoursAndComments) {
    Theme theme;
    std::istringstream text("# a comment line\n"
                            "TextSize = 20\n"
                            "WindowBg = 30 30 30 240   # trailing comment\n"
                            "Button = 255 0 51\n"
                            "FrameRounding = 3\n"
                            "FramePadding = 6 5\n"
                            "\n");
    std::string error;
    ASSERT_TRUE(theme.parse(text, error)) << error;
    EXPECT_EQ(theme.textSize(), 20u);
    EXPECT_FLOAT_EQ(theme.style().Colors[ImGuiCol_WindowBg].x, 30.f / 255.f);
    EXPECT_FLOAT_EQ(theme.style().Colors[ImGuiCol_WindowBg].w, 240.f / 255.f);
    EXPECT_FLOAT_EQ(theme.style().Colors[ImGuiCol_Button].x, 1.f);
    EXPECT_FLOAT_EQ(theme.style().Colors[ImGuiCol_Button].z, 0.2f);
    EXPECT_FLOAT_EQ(theme.style().Colors[ImGuiCol_Button].w, 1.f) << "alpha defaults to opaque";
    EXPECT_FLOAT_EQ(theme.style().FrameRounding, 3.f);
    EXPECT_FLOAT_EQ(theme.style().FramePadding.y, 5.f);
}

TEST(GuiTheme, RejectsBadLinesAndKeepsTheThemeUnchanged) {
    const Theme builtIn;
    const char* bad[] = {"WindowBg = 30 30\n", "WindowBg = 300 0 0\n",   "Nonsense = 1\n",
                         "FrameRounding\n",    "FrameRounding = soft\n", "TextSize = 2\n",
                         "FramePadding = 4\n"};
    for (const char* line : bad) {
        Theme theme;
        std::istringstream text(std::string("FrameRounding = 9\n") + line);
        std::string error;
        EXPECT_FALSE(theme.parse(text, error)) << line;
        EXPECT_NE(error.find("line 2"), std::string::npos) << error;
        EXPECT_FLOAT_EQ(theme.style().FrameRounding, builtIn.style().FrameRounding) << line;
    }
}

TEST(GuiTheme, MissingFileFallsBackToTheBuiltInDarkStyleWithOneMessage) {
    Gui g;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(g.loadTheme("/nonexistent/objects/Black.conf"));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("/nonexistent/objects/Black.conf"), std::string::npos);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    EXPECT_TRUE(
        sameColor(g.theme().style().Colors[ImGuiCol_WindowBg], Theme().style().Colors[ImGuiCol_WindowBg]));
    EXPECT_EQ(g.themeTextSize(), 18u);

    // Widgets that load a missing theme say so once and keep the gui's look.
    testing::internal::CaptureStderr();
    EXPECT_EQ(Theme::cached("/nonexistent/widget.conf"), nullptr);
    EXPECT_EQ(Theme::cached("/nonexistent/widget.conf"), nullptr);
    const std::string widgetErr = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(widgetErr.begin(), widgetErr.end(), '\n'), 1);
}

TEST(GuiTheme, TheShippedBlackThemeLoads) {
    Gui g;
    const std::string path = sourceDir() + "/objects/Black.conf";
    ASSERT_TRUE(g.loadTheme(path));
    EXPECT_EQ(g.themeTextSize(), 18u);
    // Dark: the window background is darker than the text.
    const ImVec4 bg = g.theme().style().Colors[ImGuiCol_WindowBg];
    const ImVec4 text = g.theme().style().Colors[ImGuiCol_Text];
    EXPECT_LT(bg.x + bg.y + bg.z, 0.6f);
    EXPECT_GT(text.x + text.y + text.z, 2.4f);
    ASSERT_NE(Theme::cached(path), nullptr);
}

TEST(GuiTheme, FontLoadingReportsAMissingOrBogusFile) {
    Gui g;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(g.setGlobalFont("/nonexistent/DejaVuSans.ttf"));
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("/nonexistent/DejaVuSans.ttf"), std::string::npos);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);

    const std::string bogus = sourceDir() + "/objects/Black.conf"; // readable, but no font
    testing::internal::CaptureStderr();
    EXPECT_FALSE(g.setGlobalFont(bogus));
    err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);

    EXPECT_TRUE(g.setGlobalFont(testFontPath()));
    // Every loaded size measures exactly, in between sizes scale the nearest font.
    for (unsigned px : {16u, 18u, 20u, 28u, 24u})
        EXPECT_FLOAT_EQ(g.measureText(px, "GATC").y, static_cast<float>(px));
    EXPECT_GT(g.measureText(28, "GATC").x, g.measureText(16, "GATC").x);
}
