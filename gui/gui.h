#pragma once

#include "gui/container.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/Window/Event.hpp>
#include <deque>
#include <memory>
#include <string>
#include <vector>

struct ImGuiContext;
struct ImFont;

namespace gui {

class Theme;

// A queued menu-item click: the id given to MenuBar::queueItemClicks and the item's text.
struct Callback {
    int id = 0;
    std::string text;
};

// The widget manager: owns the top-level widgets (child windows, the menu bar,
// loose widgets), feeds them the window's events and draws them over the window.
//
// ImGui 1.86 reads its input once per frame, so every event handed to
// handleEvent runs one ImGui frame of its own; actions raised in that frame run
// right after it, in the order they were raised, when no widget is being walked.
class Gui : public Container {
  public:
    // Creates the ImGui context with the built-in dark style and ImGui's own
    // font; works without a window (headless), with a view of 1024 x 768.
    Gui();
    ~Gui() override;

    // Binds the window: the view follows its size and draw() renders into it
    // with OpenGL 2 (the window's context must be able to become active).
    void setTarget(sf::RenderWindow& window);
    // Display size used while there is no window (default 1024 x 768).
    void setViewSize(unsigned width, unsigned height);

    // Loads the TrueType font for every widget, at the theme's size and at 16, 20
    // and 28 px. A missing or unusable file prints one line on standard error,
    // keeps the current font and returns false.
    bool setGlobalFont(const std::string& ttfPath);
    // Reads a theme file (see Theme) and applies it. A missing or unreadable file
    // prints one line on standard error, keeps the built-in dark style and returns false.
    bool loadTheme(const std::string& path);

    // Feeds one window event: one ImGui frame, then the actions it raised.
    void handleEvent(const sf::Event& event);
    // Takes the oldest queued menu click; false when the queue is empty.
    bool pollCallback(Callback& out);
    // Renders the widgets on top of the window; does nothing without a window.
    void draw();

    // True when the pointer was over a widget window or an open menu in the last frame.
    bool isPointerOverWidgets() const { return pointerOverWidgets_; }

    // ---- For the widgets of this layer ----
    // Queues the bound action of a widget (by its life token) to run after the frame.
    void queueAction(const std::shared_ptr<Widget*>& life, Trigger trigger);
    // Queues the removal of a child window whose unbound close button was pressed.
    void queueRemoval(const std::shared_ptr<Widget*>& life);
    // Queues a menu click for pollCallback.
    void queueCallback(Callback callback) { callbacks_.push_back(std::move(callback)); }
    // One more frame without input is needed before the next event.
    void requestFrame() { frameRequested_ = true; }
    // Theme character size in pixels.
    unsigned themeTextSize() const;
    // The theme in force.
    const Theme& theme() const { return *theme_; }
    // Makes the font for that pixel size current (nearest loaded size, scaled); undo with popFont.
    void pushFont(unsigned px);
    void popFont();
    // Size of a text drawn at that character size with the widgets' font.
    sf::Vector2f measureText(unsigned px, const std::string& utf8) const;
    // True inside a frame that will be rendered to the window.
    bool isRendering() const { return rendering_; }
    // Number of ImGui frames run so far (events, settling, drawing).
    unsigned long frameCount() const { return frames_; }

  private:
    struct PendingAction {
        std::shared_ptr<Widget*> life;
        Trigger trigger;
        bool removeWindow;
    };

    void submit(sf::Vector2f origin) override;
    void translate(const sf::Event& event);
    void runFrame(bool render);
    void runActions();
    void settle();
    void rebuildFonts();
    const std::pair<unsigned, ImFont*>& nearestFont(unsigned px) const;
    void applyStyle();

    ImGuiContext* context_ = nullptr;
    sf::RenderWindow* window_ = nullptr;
    bool rendererReady_ = false;
    sf::Vector2u viewSize_{1024, 768};
    std::unique_ptr<Theme> theme_;
    std::string fontPath_;
    std::vector<std::pair<unsigned, ImFont*>> fonts_;
    std::vector<std::pair<ImFont*, float>> fontStack_;
    std::vector<PendingAction> pending_;
    std::deque<Callback> callbacks_;
    sf::Clock clock_;
    bool frameRequested_ = true;
    bool rendering_ = false;
    bool pointerOverWidgets_ = false;
    unsigned long frames_ = 0;
};

} // namespace gui
