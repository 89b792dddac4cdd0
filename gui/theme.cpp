#include "gui/theme.h"

#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <vector>

namespace gui {

namespace {

ImVec4 rgba(int r, int g, int b, int a = 255) {
    return ImVec4(r / 255.f, g / 255.f, b / 255.f, a / 255.f);
}

// The ImGuiStyle members a theme file may set, by name.
struct FloatSetting {
    const char* name;
    float ImGuiStyle::*member;
    float low, high;
};
struct VecSetting {
    const char* name;
    ImVec2 ImGuiStyle::*member;
    float low, high;
};

const FloatSetting floatSettings[] = {
    {"Alpha", &ImGuiStyle::Alpha, 0.2f, 1.f},
    {"WindowRounding", &ImGuiStyle::WindowRounding, 0.f, 24.f},
    {"WindowBorderSize", &ImGuiStyle::WindowBorderSize, 0.f, 4.f},
    {"ChildRounding", &ImGuiStyle::ChildRounding, 0.f, 24.f},
    {"PopupRounding", &ImGuiStyle::PopupRounding, 0.f, 24.f},
    {"PopupBorderSize", &ImGuiStyle::PopupBorderSize, 0.f, 4.f},
    {"FrameRounding", &ImGuiStyle::FrameRounding, 0.f, 24.f},
    {"FrameBorderSize", &ImGuiStyle::FrameBorderSize, 0.f, 4.f},
    {"GrabMinSize", &ImGuiStyle::GrabMinSize, 1.f, 64.f},
    {"GrabRounding", &ImGuiStyle::GrabRounding, 0.f, 24.f},
    {"ScrollbarSize", &ImGuiStyle::ScrollbarSize, 1.f, 64.f},
    {"ScrollbarRounding", &ImGuiStyle::ScrollbarRounding, 0.f, 24.f},
    {"IndentSpacing", &ImGuiStyle::IndentSpacing, 0.f, 64.f},
};

const VecSetting vecSettings[] = {
    {"WindowPadding", &ImGuiStyle::WindowPadding, 0.f, 64.f},
    {"FramePadding", &ImGuiStyle::FramePadding, 0.f, 64.f},
    {"ItemSpacing", &ImGuiStyle::ItemSpacing, 0.f, 64.f},
    {"ItemInnerSpacing", &ImGuiStyle::ItemInnerSpacing, 0.f, 64.f},
    {"WindowTitleAlign", &ImGuiStyle::WindowTitleAlign, 0.f, 1.f},
    {"ButtonTextAlign", &ImGuiStyle::ButtonTextAlign, 0.f, 1.f},
};

ImGuiStyle builtInDarkStyle() {
    ImGuiStyle style;
    ImGui::StyleColorsDark(&style);
    style.WindowRounding = 4.f;
    style.FrameRounding = 3.f;
    style.GrabRounding = 3.f;
    style.PopupRounding = 3.f;
    style.WindowBorderSize = 1.f;
    style.FramePadding = ImVec2(6.f, 4.f);
    style.ItemSpacing = ImVec2(8.f, 4.f);
    style.WindowTitleAlign = ImVec2(0.f, 0.5f);
    ImVec4* c = style.Colors;
    c[ImGuiCol_Text] = rgba(235, 235, 235);
    c[ImGuiCol_WindowBg] = rgba(30, 30, 30, 240);
    c[ImGuiCol_PopupBg] = rgba(36, 36, 36, 245);
    c[ImGuiCol_Border] = rgba(80, 80, 80);
    c[ImGuiCol_FrameBg] = rgba(55, 55, 55);
    c[ImGuiCol_FrameBgHovered] = rgba(70, 70, 70);
    c[ImGuiCol_FrameBgActive] = rgba(85, 85, 85);
    c[ImGuiCol_TitleBg] = rgba(20, 20, 20);
    c[ImGuiCol_TitleBgActive] = rgba(45, 45, 45);
    c[ImGuiCol_MenuBarBg] = rgba(40, 40, 40);
    c[ImGuiCol_Button] = rgba(60, 60, 60);
    c[ImGuiCol_ButtonHovered] = rgba(80, 80, 80);
    c[ImGuiCol_ButtonActive] = rgba(100, 100, 100);
    c[ImGuiCol_Header] = rgba(70, 70, 70);
    c[ImGuiCol_HeaderHovered] = rgba(90, 90, 90);
    c[ImGuiCol_HeaderActive] = rgba(105, 105, 105);
    c[ImGuiCol_SliderGrab] = rgba(150, 150, 150);
    c[ImGuiCol_SliderGrabActive] = rgba(200, 200, 200);
    c[ImGuiCol_CheckMark] = rgba(220, 220, 220);
    return style;
}

std::string trim(const std::string& s) {
    const char* ws = " \t\r";
    size_t a = s.find_first_not_of(ws);
    if (a == std::string::npos) return "";
    size_t b = s.find_last_not_of(ws);
    return s.substr(a, b - a + 1);
}

// Reads every number of the value; false when anything else is in it.
bool numbers(const std::string& text, std::vector<float>& out) {
    std::istringstream in(text);
    float v;
    while (in >> v) {
        if (!std::isfinite(v)) return false;
        out.push_back(v);
    }
    return in.eof();
}

} // namespace

Theme::Theme() : style_(builtInDarkStyle()) {}

bool Theme::loadFromFile(const std::string& path, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot open the file";
        return false;
    }
    return parse(in, error);
}

bool Theme::parse(std::istream& in, std::string& error) {
    // Work on a copy so a bad line leaves the theme untouched.
    ImGuiStyle style = style_;
    unsigned textSize = textSize_;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        line = trim(line.substr(0, line.find('#')));
        if (line.empty()) continue;
        auto fail = [&](const std::string& why) {
            error = "line " + std::to_string(lineNo) + ": " + why;
            return false;
        };
        size_t eq = line.find('=');
        if (eq == std::string::npos) return fail("expected 'Name = value'");
        std::string key = trim(line.substr(0, eq));
        std::vector<float> v;
        if (!numbers(line.substr(eq + 1), v)) return fail("'" + key + "' needs numbers");

        if (key == "TextSize") {
            if (v.size() != 1 || v[0] < 8.f || v[0] > 96.f)
                return fail("TextSize needs one number from 8 to 96");
            textSize = static_cast<unsigned>(v[0]);
            continue;
        }
        bool known = false;
        for (const auto& s : floatSettings)
            if (key == s.name) {
                if (v.size() != 1 || v[0] < s.low || v[0] > s.high)
                    return fail("'" + key + "' is out of range");
                style.*s.member = v[0];
                known = true;
            }
        for (const auto& s : vecSettings)
            if (key == s.name) {
                if (v.size() != 2 || v[0] < s.low || v[0] > s.high || v[1] < s.low || v[1] > s.high)
                    return fail("'" + key + "' needs two numbers in range");
                style.*s.member = ImVec2(v[0], v[1]);
                known = true;
            }
        for (int i = 0; i < ImGuiCol_COUNT && !known; ++i)
            if (key == ImGui::GetStyleColorName(i)) {
                if (v.size() != 3 && v.size() != 4) return fail("colour '" + key + "' needs 3 or 4 values");
                for (float x : v)
                    if (x < 0.f || x > 255.f) return fail("colour '" + key + "' values must be 0 to 255");
                style.Colors[i] =
                    ImVec4(v[0] / 255.f, v[1] / 255.f, v[2] / 255.f, v.size() == 4 ? v[3] / 255.f : 1.f);
                known = true;
            }
        if (!known) return fail("unknown setting '" + key + "'");
    }
    style_ = style;
    textSize_ = textSize;
    return true;
}

std::shared_ptr<const Theme> Theme::cached(const std::string& path) {
    static std::map<std::string, std::shared_ptr<const Theme>> themes;
    auto it = themes.find(path);
    if (it != themes.end()) return it->second;
    auto theme = std::make_shared<Theme>();
    std::string error;
    std::shared_ptr<const Theme> result;
    if (theme->loadFromFile(path, error))
        result = theme;
    else
        std::cerr << "gui: theme '" << path << "' not loaded (" << error
                  << "); using the built-in dark style\n";
    themes[path] = result;
    return result;
}

ThemeColors::ThemeColors(const Theme* theme, std::initializer_list<ImGuiCol> slots, bool framed) {
    if (!theme) return;
    if (framed) {
        ImGui::PushStyleVar(ImGuiStyleVar_FrameRounding, theme->style().FrameRounding);
        ImGui::PushStyleVar(ImGuiStyleVar_FrameBorderSize, theme->style().FrameBorderSize);
        ImGui::PushStyleVar(ImGuiStyleVar_GrabRounding, theme->style().GrabRounding);
        pushedVars_ = 3;
    }
    for (ImGuiCol slot : slots) {
        ImGui::PushStyleColor(slot, theme->style().Colors[slot]);
        ++pushed_;
    }
}

ThemeColors::~ThemeColors() {
    if (pushed_) ImGui::PopStyleColor(pushed_);
    if (pushedVars_) ImGui::PopStyleVar(pushedVars_);
}

} // namespace gui
