#pragma once

#include <string>

// The system clipboard, as UTF-8 text.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // The clipboard's text, or "" when it holds none.
    virtual std::string readText() = 0;
    // Replaces the clipboard's content with the text.
    virtual void writeText(const std::string& utf8) = 0;
};

// The X11 CLIPBOARD selection through sf::Clipboard.
class SystemClipboard : public Clipboard {
  public:
    std::string readText() override;
    void writeText(const std::string& utf8) override;
};

// An in-memory clipboard for tests.
class ScriptedClipboard : public Clipboard {
  public:
    std::string text;
    int writes = 0;
    std::string readText() override { return text; }
    void writeText(const std::string& utf8) override {
        text = utf8;
        ++writes;
    }
};
