#include "gui/gui.h"
#include "gui/theme.h"
#include "tests/unit/test_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>
#include <tuple>

using namespace gui;

namespace {
auto rgba(const ImVec4& c) {
    return std::make_tuple(c.x, c.y, c.z, c.w);
}
long lines(const std::string& s) {
    return std::count(s.begin(), s.end(), '\n');
}
} // namespace

TEST(GuiTheme, ParsesSettingsColoursAndCommentsAndRejectsBadLinesWhole) {
    Theme theme;
    std::istringstream text("# a comment line\nTextSize = 20\n"
                            "WindowBg = 30 30 30 240   # trailing comment\nButton = 255 0 51\n"
                            "FrameRounding = 3\nFramePadding = 6 5\n\n");
    std::string error;
    ASSERT_TRUE(theme.parse(text, error)) << error;
    EXPECT_EQ(theme.textSize(), 20u);
    const ImVec4* colors = theme.style().Colors;
    EXPECT_EQ(rgba(colors[ImGuiCol_WindowBg]),
              rgba({30.f / 255.f, 30.f / 255.f, 30.f / 255.f, 240.f / 255.f}));
    EXPECT_EQ(rgba(colors[ImGuiCol_Button]), rgba({1.f, 0.f, 51.f / 255.f, 1.f}))
        << "alpha defaults to opaque";
    EXPECT_FLOAT_EQ(theme.style().FrameRounding, 3.f);
    EXPECT_FLOAT_EQ(theme.style().FramePadding.y, 5.f);

    const Theme builtIn;
    for (const char* line :
         {"WindowBg = 30 30\n", "WindowBg = 300 0 0\n", "Nonsense = 1\n", "FrameRounding\n",
          "FrameRounding = soft\n", "TextSize = 2\n", "FramePadding = 4\n"}) {
        Theme bad;
        std::istringstream badText(std::string("FrameRounding = 9\n") + line);
        EXPECT_FALSE(bad.parse(badText, error)) << line;
        EXPECT_NE(error.find("line 2"), std::string::npos) << error;
        EXPECT_FLOAT_EQ(bad.style().FrameRounding, builtIn.style().FrameRounding) << "nothing of " << line;
    }
}

TEST(GuiTheme, ShippedBlackThemeLoadsAndAMissingOneFallsBackWithOneMessage) {
    Gui g;
    const std::string path = sourceDir() + "/objects/Black.conf";
    ASSERT_TRUE(g.loadTheme(path));
    // Dark: the window background is darker than the text.
    const ImVec4 bg = g.theme().style().Colors[ImGuiCol_WindowBg],
                 text = g.theme().style().Colors[ImGuiCol_Text];
    EXPECT_LT(bg.x + bg.y + bg.z, 0.6f);
    EXPECT_GT(text.x + text.y + text.z, 2.4f);
    EXPECT_NE(Theme::cached(path), nullptr);

    Gui fresh;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(fresh.loadTheme("/nonexistent/objects/Black.conf"));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("/nonexistent/objects/Black.conf"), std::string::npos);
    EXPECT_EQ(lines(err), 1);
    EXPECT_EQ(rgba(fresh.theme().style().Colors[ImGuiCol_WindowBg]),
              rgba(Theme().style().Colors[ImGuiCol_WindowBg]));
    EXPECT_EQ(fresh.themeTextSize(), 18u);

    // Widgets that load a missing theme say so once and keep the gui's look.
    testing::internal::CaptureStderr();
    EXPECT_EQ(Theme::cached("/nonexistent/widget.conf"), nullptr);
    EXPECT_EQ(Theme::cached("/nonexistent/widget.conf"), nullptr);
    EXPECT_EQ(lines(testing::internal::GetCapturedStderr()), 1);
}

TEST(GuiTheme, FontLoadingReportsAMissingOrBogusFileAndMeasuresEverySize) {
    Gui g;
    for (const std::string& path :
         {std::string("/nonexistent/DejaVuSans.ttf"), sourceDir() + "/objects/Black.conf"}) {
        testing::internal::CaptureStderr();
        EXPECT_FALSE(g.setGlobalFont(path)); // missing, or readable but no font
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find(path), std::string::npos);
        EXPECT_EQ(lines(err), 1);
    }
    EXPECT_TRUE(g.setGlobalFont(testFontPath()));
    // Every loaded size measures exactly, in between sizes scale the nearest font.
    for (unsigned px : {16u, 18u, 20u, 28u, 24u})
        EXPECT_FLOAT_EQ(g.measureText(px, "GATC").y, static_cast<float>(px));
    EXPECT_GT(g.measureText(28, "GATC").x, g.measureText(16, "GATC").x);
}
