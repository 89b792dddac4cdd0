#pragma once

#include <functional>
#include <string>
#include <vector>

struct AppState;

// The condition a menu command needs before it runs.
enum class Precondition {
    None,      // always runs
    OneStrand, // exactly one strand is active (selectedStrand() finds it)
    OneLabel   // exactly one free label is selected (selectedLabel() finds it)
};

// One row of the command table: the menu item's exact text, its condition and
// what it does.
struct MenuCommand {
    std::string item;
    Precondition precondition;
    std::function<void(AppState&)> run;
};

// The six menus and their items in order, without the clipboard direction item.
const std::vector<std::pair<std::string, std::vector<std::string>>>& menuLayout();

// Every menu command in matching order.
const std::vector<MenuCommand>& commandTable();

// Runs the command of the first item whose text equals `itemText` exactly and
// whose precondition holds. Returns true when a command ran.
bool runMenuCommand(AppState& app, const std::string& itemText);

// Paste (the menu item and Control + V): the clipboard's sequence as a new
// strand, or into the New strand window's sequence box; a clipboard too long
// for this machine's memory gets a message and changes nothing.
void pasteClipboard(AppState& app);

// Builds (or rebuilds) the menu bar "menu" without the direction item and
// clears `pointerOverMenuBar`.
void LoadMenuBar(AppState& app);

// Appends the clipboard direction item to the Edit menu: the direction the
// user can switch to.
void addDirectionMenuItem(AppState& app);

// After a resize: one drawing unit stays one pixel, and the menu bar is rebuilt
// to the new width.
void resetViewAndMenu(AppState& app);

// The web page that Control + K opens.
extern const char* const kProgramWebPage;
