#pragma once

#include <string>
#include <vector>

// One entry of a file chooser's type list, such as "PNG Images (*.png)" / "*.png".
struct FileFilter {
    std::string description;
    std::string pattern;
};

// Modal open and save dialogs. Each returns the chosen full path, or "" when
// the user cancelled. `chosenFilter` receives the index of the filter that was
// selected when the dialog closed (0 when unknown).
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // Asks for an existing file to open.
    virtual std::string chooseOpenPath(const std::vector<FileFilter>& filters) = 0;
    // Asks for a path to save to, offering `suggestedName` (such as
    // "untitled.dna"); the dialog asks before replacing an existing file.
    virtual std::string chooseSavePath(const std::vector<FileFilter>& filters,
                                       const std::string& suggestedName, int* chosenFilter = nullptr) = 0;
};

// GTK 3 GtkFileChooserNative (the desktop portal where one runs).
class NativeFileChooser : public FileChooser {
  public:
    std::string chooseOpenPath(const std::vector<FileFilter>& filters) override;
    std::string chooseSavePath(const std::vector<FileFilter>& filters, const std::string& suggestedName,
                               int* chosenFilter = nullptr) override;
};

// Answers from a queue that a test fills; an empty queue answers "" (cancel).
class ScriptedFileChooser : public FileChooser {
  public:
    std::vector<std::string> answers;
    int filterAnswer = 0;
    int openCalls = 0;
    int saveCalls = 0;
    std::vector<std::vector<FileFilter>> filtersSeen;
    std::vector<std::string> suggestedNames;

    std::string chooseOpenPath(const std::vector<FileFilter>& filters) override {
        ++openCalls;
        return next(filters);
    }
    std::string chooseSavePath(const std::vector<FileFilter>& filters, const std::string& suggestedName,
                               int* chosenFilter = nullptr) override {
        ++saveCalls;
        suggestedNames.push_back(suggestedName);
        if (chosenFilter) *chosenFilter = filterAnswer;
        return next(filters);
    }

  private:
    std::string next(const std::vector<FileFilter>& filters) {
        filtersSeen.push_back(filters);
        if (answers.empty()) return "";
        std::string a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
};
