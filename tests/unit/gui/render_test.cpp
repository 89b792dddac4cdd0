#include "gui/child_window.h"
#include "gui/gui.h"
#include "gui/panel.h"
#include "gui/picture.h"
#include "tests/unit/test_support.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using namespace gui;

// Draws into a real window (needs a display, e.g. under xvfb-run) and reads the pixels back.
TEST(GuiRender, WidgetsAppearAtTheirPixelPositionsOverTheWindow) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display";
    sf::RenderWindow window(sf::VideoMode(400, 300), "gui render test");
    Gui g;
    g.setTarget(window);
    ASSERT_TRUE(g.setGlobalFont(testFontPath()));
    const std::string imagePath = (std::filesystem::temp_directory_path() / "tavilon_gui_green.png").string();
    sf::Image green;
    green.create(8, 6, sf::Color(0, 200, 0));
    ASSERT_TRUE(green.saveToFile(imagePath));

    auto* win = g.add<ChildWindow>("W");
    win->setSize(200.f, 100.f);
    win->setPosition(50.f, 40.f);
    auto* panel = win->add<Panel>("ColorPanel");
    panel->setPosition(10.f, 10.f);
    panel->setSize(40.f, 40.f);
    panel->setBackgroundColor(sf::Color(220, 0, 0));
    auto* picture = win->add<Picture>("");
    ASSERT_TRUE(picture->load(imagePath));
    std::filesystem::remove(imagePath);
    EXPECT_EQ(picture->getSize(), sf::Vector2f(8.f, 6.f)) << "a picture takes its image's size";
    picture->setPosition(100.f, 60.f);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(win->add<Picture>("Missing")->load("/nonexistent/logo.png"));
    testing::internal::GetCapturedStderr();

    sf::Image shot;
    for (int frame = 0; frame < 2; ++frame) { // the second frame shows the settled layout
        window.clear(sf::Color::White);
        g.draw();
        sf::Texture texture;
        ASSERT_TRUE(texture.create(400, 300));
        texture.update(window);
        shot = texture.copyToImage();
        window.display();
    }
    const unsigned top = 40 + static_cast<unsigned>(win->titleBarHeight());
    EXPECT_EQ(shot.getPixel(50 + 30, top + 30), sf::Color(220, 0, 0));
    EXPECT_EQ(shot.getPixel(50 + 104, top + 63), sf::Color(0, 200, 0));
    EXPECT_EQ(shot.getPixel(20, 250), sf::Color::White) << "outside the widgets the drawing shows";
    EXPECT_NE(shot.getPixel(50 + 150, top + 80), sf::Color::White) << "window background";
}
