#pragma once

#include <string>
#include <vector>

// Hands a web address or a mail link to the desktop's default handler.
class LinkOpener {
  public:
    virtual ~LinkOpener() = default;
    // Asks the desktop to open the link; the outcome is not reported.
    virtual void openLink(const std::string& link) = 0;
};

// Starts xdg-open with the link as its only argument (no shell involved).
class XdgLinkOpener : public LinkOpener {
  public:
    void openLink(const std::string& link) override;
};

// Records every link a test asked to open.
class ScriptedLinkOpener : public LinkOpener {
  public:
    std::vector<std::string> opened;
    void openLink(const std::string& link) override { opened.push_back(link); }
};
