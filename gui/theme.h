#pragma once

#include <imgui.h>
#include <iosfwd>
#include <memory>
#include <string>

namespace gui {

// The look of the widgets: an ImGui style plus the default character size.
//
// Theme files are plain text, one setting per line, `#` starts a comment:
//   TextSize = 18            default character size in pixels (8..96)
//   FrameRounding = 3        any ImGuiStyle float member listed in theme.cpp
//   FramePadding = 6 4       ImGuiStyle vector members take two numbers
//   WindowBg = 30 30 30 240  ImGui colour names take red green blue [alpha], 0..255
// Settings not named keep the built-in dark values.
class Theme {
  public:
    // The built-in dark style (used when no theme file can be read).
    Theme();

    // Reads a theme file over the built-in style. On failure returns false,
    // fills `error` with the reason (naming the line) and leaves this theme as it was.
    bool loadFromFile(const std::string& path, std::string& error);
    // Parses theme text; same rules as loadFromFile.
    bool parse(std::istream& in, std::string& error);

    // The ImGui style these settings describe.
    const ImGuiStyle& style() const { return style_; }
    // Default character size in pixels (18 unless the file says otherwise).
    unsigned textSize() const { return textSize_; }

    // The theme of a file, read once per path and shared; null when the file
    // cannot be read (one line on standard error the first time).
    static std::shared_ptr<const Theme> cached(const std::string& path);

  private:
    ImGuiStyle style_;
    unsigned textSize_ = 18;
};

// Pushes a theme's colours for the given ImGui colour slots (and, for framed
// widgets, its frame rounding and border) and pops them when it goes out of
// scope; does nothing for a null theme.
class ThemeColors {
  public:
    ThemeColors(const Theme* theme, std::initializer_list<ImGuiCol> slots, bool framed = false);
    ~ThemeColors();
    ThemeColors(const ThemeColors&) = delete;
    ThemeColors& operator=(const ThemeColors&) = delete;

  private:
    int pushed_ = 0;
    int pushedVars_ = 0;
};

} // namespace gui
