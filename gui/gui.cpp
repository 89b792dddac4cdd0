#include "gui/gui.h"

#include "gui/theme.h"

#include <SFML/Window/Clipboard.hpp>
#include <SFML/Window/Context.hpp>
#include <algorithm>
#include <backends/imgui_impl_opengl2.h>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <imgui.h>
#include <imgui_internal.h>
#include <iostream>

namespace gui {

namespace {

// ImGui reads the system clipboard through these; the text must outlive the call.
const char* clipboardText(void*) {
    static std::string text;
    const auto utf8 = sf::Clipboard::getString().toUtf8();
    text.assign(utf8.begin(), utf8.end());
    return text.c_str();
}

void setClipboardText(void*, const char* text) {
    sf::Clipboard::setString(sf::String::fromUtf8(text, text + std::strlen(text)));
}

int mouseIndex(sf::Mouse::Button button) {
    switch (button) {
    case sf::Mouse::Left:
        return 0;
    case sf::Mouse::Right:
        return 1;
    case sf::Mouse::Middle:
        return 2;
    case sf::Mouse::XButton1:
        return 3;
    case sf::Mouse::XButton2:
        return 4;
    default:
        return -1;
    }
}

// True when the file starts like a TrueType or OpenType font, which is what
// ImGui's rasteriser accepts; it asserts on anything else.
bool looksLikeFont(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char head[4] = {};
    if (!in.read(head, 4)) return false;
    const std::string tag(head, 4);
    return tag == std::string("\0\1\0\0", 4) || tag == "true" || tag == "OTTO" || tag == "ttcf";
}

// Glyphs the widgets can show: Latin with its extensions, Greek (for labels
// such as Δ or α) and the common punctuation block (primes, dashes, quotes).
const ImWchar glyphRanges[] = {0x0020, 0x00FF, 0x0100, 0x024F, 0x0370, 0x03FF, 0x2000, 0x206F, 0};

} // namespace

Gui::Gui() : theme_(std::make_unique<Theme>()) {
    ImGuiContext* previous = ImGui::GetCurrentContext();
    context_ = ImGui::CreateContext();
    ImGui::SetCurrentContext(context_);
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    io.ConfigWindowsMoveFromTitleBarOnly = true;
    // SFML delivers repeated key presses itself (when the window asks for them);
    // ImGui's own timed repeat would act on keys held across unrelated events.
    io.KeyRepeatDelay = 1e9f;
    io.GetClipboardTextFn = clipboardText;
    io.SetClipboardTextFn = setClipboardText;
    const std::pair<ImGuiKey, sf::Keyboard::Key> keys[] = {
        {ImGuiKey_Tab, sf::Keyboard::Tab},
        {ImGuiKey_LeftArrow, sf::Keyboard::Left},
        {ImGuiKey_RightArrow, sf::Keyboard::Right},
        {ImGuiKey_UpArrow, sf::Keyboard::Up},
        {ImGuiKey_DownArrow, sf::Keyboard::Down},
        {ImGuiKey_PageUp, sf::Keyboard::PageUp},
        {ImGuiKey_PageDown, sf::Keyboard::PageDown},
        {ImGuiKey_Home, sf::Keyboard::Home},
        {ImGuiKey_End, sf::Keyboard::End},
        {ImGuiKey_Insert, sf::Keyboard::Insert},
        {ImGuiKey_Delete, sf::Keyboard::Delete},
        {ImGuiKey_Backspace, sf::Keyboard::Backspace},
        {ImGuiKey_Space, sf::Keyboard::Space},
        {ImGuiKey_Enter, sf::Keyboard::Enter},
        {ImGuiKey_A, sf::Keyboard::A},
        {ImGuiKey_C, sf::Keyboard::C},
        {ImGuiKey_V, sf::Keyboard::V},
        {ImGuiKey_X, sf::Keyboard::X},
        {ImGuiKey_Y, sf::Keyboard::Y},
        {ImGuiKey_Z, sf::Keyboard::Z},
    };
    // Escape stays unmapped: in this editor it is the window's close key, and an
    // active ImGui edit box would otherwise throw away what was typed.
    for (const auto& [imguiKey, sfKey] : keys)
        io.KeyMap[imguiKey] = sfKey;
    rebuildFonts();
    applyStyle();
    // Gui is itself the root container: everything added below it knows its owner.
    Widget& self = *this;
    self.gui_ = this;
    if (previous) ImGui::SetCurrentContext(previous);
}

Gui::~Gui() {
    removeAllWidgets();
    ImGui::SetCurrentContext(context_);
    if (rendererReady_) {
        // The font texture lives in the GL objects SFML shares between its
        // contexts; any context of SFML can delete it, even once the window is closed.
        sf::Context glContext;
        ImGui_ImplOpenGL2_Shutdown();
    }
    ImGui::DestroyContext(context_);
}

void Gui::setTarget(sf::RenderWindow& window) {
    ImGui::SetCurrentContext(context_);
    window_ = &window;
    if (!rendererReady_) {
        (void)window.setActive(true);
        rendererReady_ = ImGui_ImplOpenGL2_Init();
    }
    requestFrame();
}

void Gui::setViewSize(unsigned width, unsigned height) {
    viewSize_ = {width, height};
    requestFrame();
}

bool Gui::setGlobalFont(const std::string& ttfPath) {
    if (!std::ifstream(ttfPath, std::ios::binary)) {
        std::cerr << "gui: font '" << ttfPath << "' cannot be read; using ImGui's default font\n";
        return false;
    }
    if (!looksLikeFont(ttfPath)) {
        std::cerr << "gui: font '" << ttfPath
                  << "' is not a TrueType or OpenType file; using ImGui's default font\n";
        return false;
    }
    const std::string previous = fontPath_;
    fontPath_ = ttfPath;
    rebuildFonts();
    if (fontPath_.empty()) {
        std::cerr << "gui: font '" << ttfPath << "' could not be rasterised; using ImGui's default font\n";
        fontPath_ = previous;
        rebuildFonts();
        return false;
    }
    return true;
}

bool Gui::loadTheme(const std::string& path) {
    auto theme = std::make_unique<Theme>();
    std::string error;
    if (!theme->loadFromFile(path, error)) {
        std::cerr << "gui: theme '" << path << "' not loaded (" << error
                  << "); using the built-in dark style\n";
        theme_ = std::make_unique<Theme>();
        applyStyle();
        rebuildFonts();
        return false;
    }
    const bool sizeChanged = theme->textSize() != theme_->textSize();
    theme_ = std::move(theme);
    applyStyle();
    if (sizeChanged) rebuildFonts();
    return true;
}

unsigned Gui::themeTextSize() const {
    return theme_->textSize();
}

void Gui::applyStyle() {
    ImGui::SetCurrentContext(context_);
    ImGui::GetStyle() = theme_->style();
    requestFrame();
}

void Gui::rebuildFonts() {
    ImGui::SetCurrentContext(context_);
    ImGuiIO& io = ImGui::GetIO();
    if (rendererReady_ && window_ && window_->setActive(true)) ImGui_ImplOpenGL2_DestroyFontsTexture();
    io.Fonts->Clear();
    fonts_.clear();
    std::vector<unsigned> sizes = {theme_->textSize(), 16, 20, 28};
    std::sort(sizes.begin(), sizes.end());
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    if (!fontPath_.empty()) {
        ImFontConfig config;
        config.OversampleH = 2;
        config.OversampleV = 1;
        for (unsigned px : sizes) {
            ImFont* font =
                io.Fonts->AddFontFromFileTTF(fontPath_.c_str(), static_cast<float>(px), &config, glyphRanges);
            if (font) fonts_.emplace_back(px, font);
        }
        if (fonts_.size() != sizes.size() || !io.Fonts->Build()) {
            io.Fonts->Clear();
            fonts_.clear();
            fontPath_.clear();
        }
    }
    if (fonts_.empty()) {
        // ImGui's built-in bitmap font, drawn at 13 px and scaled for other sizes.
        fonts_.emplace_back(13u, io.Fonts->AddFontDefault());
    }
    unsigned char* pixels = nullptr;
    int w = 0, h = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &w, &h);
    // The theme's size is the default font of every window.
    io.FontDefault = fonts_.front().second;
    for (const auto& [px, font] : fonts_)
        if (px == theme_->textSize()) io.FontDefault = font;
    requestFrame();
}

const std::pair<unsigned, ImFont*>& Gui::nearestFont(unsigned px) const {
    const auto* best = &fonts_.front();
    for (const auto& entry : fonts_)
        if (std::abs(static_cast<int>(entry.first) - static_cast<int>(px)) <
            std::abs(static_cast<int>(best->first) - static_cast<int>(px)))
            best = &entry;
    return *best;
}

void Gui::pushFont(unsigned px) {
    const auto best = nearestFont(px);
    ImFont* font = best.second;
    fontStack_.emplace_back(font, font->Scale);
    // The scale is read when the font becomes current, and the text drawn while
    // it is current keeps that size, so it can be restored at popFont.
    font->Scale = static_cast<float>(px) / static_cast<float>(best.first);
    ImGui::PushFont(font);
}

sf::Vector2f Gui::measureText(unsigned px, const std::string& utf8) const {
    const auto& [size, font] = nearestFont(px);
    (void)size;
    const ImVec2 extent =
        font->CalcTextSizeA(static_cast<float>(px), FLT_MAX, 0.f, utf8.c_str(), utf8.c_str() + utf8.size());
    return {extent.x, extent.y};
}

void Gui::popFont() {
    ImGui::PopFont();
    auto [font, scale] = fontStack_.back();
    fontStack_.pop_back();
    font->Scale = scale;
}

// ---- Events ----

void Gui::translate(const sf::Event& event) {
    ImGuiIO& io = ImGui::GetIO();
    switch (event.type) {
    case sf::Event::MouseMoved:
        io.MousePos = ImVec2(static_cast<float>(event.mouseMove.x), static_cast<float>(event.mouseMove.y));
        break;
    case sf::Event::MouseButtonPressed:
    case sf::Event::MouseButtonReleased: {
        io.MousePos =
            ImVec2(static_cast<float>(event.mouseButton.x), static_cast<float>(event.mouseButton.y));
        int i = mouseIndex(event.mouseButton.button);
        if (i < 0) break;
        const bool down = event.type == sf::Event::MouseButtonPressed;
        // A press while ImGui still thinks the button is down (its release
        // happened outside the window) must still count as a fresh press.
        if (down && io.MouseDown[i]) io.MouseDownDuration[i] = -1.f;
        io.MouseDown[i] = down;
        break;
    }
    case sf::Event::MouseWheelScrolled:
        if (event.mouseWheelScroll.wheel == sf::Mouse::VerticalWheel)
            io.MouseWheel += event.mouseWheelScroll.delta;
        else
            io.MouseWheelH += event.mouseWheelScroll.delta;
        break;
    case sf::Event::MouseLeft:
        io.MousePos = ImVec2(-FLT_MAX, -FLT_MAX);
        break;
    case sf::Event::KeyPressed:
    case sf::Event::KeyReleased: {
        const bool down = event.type == sf::Event::KeyPressed;
        const int code = event.key.code;
        if (code >= 0 && code < static_cast<int>(IM_ARRAYSIZE(io.KeysDown))) {
            // A repeated press (key repeat) reads as a new press for ImGui.
            if (down && io.KeysDown[code]) io.KeysDownDuration[code] = -1.f;
            io.KeysDown[code] = down;
        }
        io.KeyCtrl = event.key.control;
        io.KeyShift = event.key.shift;
        io.KeyAlt = event.key.alt;
        io.KeySuper = event.key.system;
        break;
    }
    case sf::Event::TextEntered:
        // Control characters reach ImGui as key presses; only printable text is typed.
        if (event.text.unicode >= 32 && event.text.unicode != 127) io.AddInputCharacter(event.text.unicode);
        break;
    case sf::Event::LostFocus:
        // Releases that happen while another window has the focus never arrive.
        std::fill(std::begin(io.KeysDown), std::end(io.KeysDown), false);
        std::fill(std::begin(io.MouseDown), std::end(io.MouseDown), false);
        io.KeyCtrl = io.KeyShift = io.KeyAlt = io.KeySuper = false;
        break;
    default:
        break;
    }
}

void Gui::handleEvent(const sf::Event& event) {
    ImGui::SetCurrentContext(context_);
    // Changes made since the last frame (a window opened by a menu command, a
    // focus request) must be known to ImGui before this event's input is read.
    settle();
    translate(event);
    runFrame(false);
    runActions();
    settle();
}

void Gui::settle() {
    for (int i = 0; i < 8 && frameRequested_; ++i) {
        runFrame(false);
        runActions();
    }
}

// ---- Frames ----

void Gui::runFrame(bool render) {
    ImGui::SetCurrentContext(context_);
    ImGuiIO& io = ImGui::GetIO();
    frameRequested_ = false;
    rendering_ = render;
    if (window_) {
        const sf::Vector2u size = window_->getSize();
        io.DisplaySize = ImVec2(static_cast<float>(size.x), static_cast<float>(size.y));
    } else {
        io.DisplaySize = ImVec2(static_cast<float>(viewSize_.x), static_cast<float>(viewSize_.y));
    }
    io.DeltaTime = std::clamp(clock_.restart().asSeconds(), 1e-4f, 0.25f);
    if (render) ImGui_ImplOpenGL2_NewFrame();
    ImGui::NewFrame();
    submit({0.f, 0.f});
    pointerOverWidgets_ = ImGui::IsWindowHovered(ImGuiHoveredFlags_AnyWindow) || ImGui::IsAnyItemActive() ||
                          ImGui::IsPopupOpen("", ImGuiPopupFlags_AnyPopupId);
    if (render)
        ImGui::Render();
    else
        ImGui::EndFrame();
    ++frames_;
    rendering_ = false;
    // A window that ImGui keeps hidden for its first frame (to measure it) cannot
    // be hit yet: give it a frame before the next event arrives.
    for (ImGuiWindow* w : ImGui::GetCurrentContext()->Windows)
        if (w->Active && (w->HiddenFramesCannotSkipItems > 0 || w->HiddenFramesCanSkipItems > 0))
            frameRequested_ = true;
}

void Gui::submit(sf::Vector2f) {
    for (const auto& child : children()) {
        if (widgetHasOwnWindow(*child)) {
            submitWidget(*child, {0.f, 0.f});
            continue;
        }
        // A loose widget gets a borderless, transparent window of its own.
        const std::string hostName = "##host" + std::to_string(reinterpret_cast<std::uintptr_t>(child.get()));
        ImGui::SetNextWindowPos(ImVec2(child->getPosition().x, child->getPosition().y));
        ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(0.f, 0.f));
        ImGui::PushStyleVar(ImGuiStyleVar_WindowMinSize, ImVec2(1.f, 1.f));
        ImGui::Begin(hostName.c_str(), nullptr,
                     ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoBackground |
                         ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_AlwaysAutoResize |
                         ImGuiWindowFlags_NoMove);
        ImGui::PopStyleVar(2);
        submitWidget(*child, {-child->getPosition().x + ImGui::GetWindowPos().x,
                              -child->getPosition().y + ImGui::GetWindowPos().y});
        ImGui::End();
    }
}

void Gui::queueAction(const std::shared_ptr<Widget*>& life, Trigger trigger) {
    pending_.push_back({life, trigger, false});
}

void Gui::queueRemoval(const std::shared_ptr<Widget*>& life) {
    pending_.push_back({life, Trigger::Closed, true});
}

void Gui::runActions() {
    while (!pending_.empty()) {
        std::vector<PendingAction> batch;
        batch.swap(pending_);
        for (const PendingAction& p : batch) {
            Widget* widget = *p.life;
            // An earlier action of this batch may have removed the widget.
            if (!widget) continue;
            if (p.removeWindow) {
                if (widget->parent_) widget->parent_->remove(widget);
                continue;
            }
            // Run a copy: the action may remove its own widget, which destroys the stored one.
            std::function<void()> action = widget->actions_[static_cast<size_t>(p.trigger)];
            if (action) action();
        }
    }
}

bool Gui::pollCallback(Callback& out) {
    if (callbacks_.empty()) return false;
    out = std::move(callbacks_.front());
    callbacks_.pop_front();
    return true;
}

void Gui::draw() {
    if (!window_ || !rendererReady_) return;
    ImGui::SetCurrentContext(context_);
    if (!window_->setActive(true)) return;
    runFrame(true);
    window_->pushGLStates();
    ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
    window_->popGLStates();
    // The OpenGL 2 renderer leaves states SFML keeps cached (bound texture,
    // client arrays); hand SFML a known state again for the next frame.
    window_->resetGLStates();
    runActions();
}

} // namespace gui
