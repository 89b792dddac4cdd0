#pragma once

#include <cstddef>

struct AppState;

// ---------------------------------------------------------------------------
// Copy, cut and paste of sequences through the system clipboard, as text such
// as "5' - GCA- 3'" (whole strand, 5' to 3') or "3' - ACG - 5'".
// ---------------------------------------------------------------------------

// Puts the active strand's text (whole, or its selected bases only) on the
// clipboard in the given direction, and prints the whole-strand and the
// selected-bases texts on standard output, one line each. Does nothing
// unless exactly one strand is active.
void copyStrandText(AppState& app, bool selectedOnly, bool fiveToThree);

// Copies as copyStrandText, then deletes the selected bases, or the whole strand.
void cutStrandText(AppState& app, bool selectedOnly, bool fiveToThree);

// The most base letters a paste takes on this machine: a base takes some 200
// bytes in the editor, and half the memory is left for everything else.
std::size_t longestPaste();

// While the New strand window is open: replaces the text of its focused
// sequence box with the clipboard's base letters (nothing when the box has no
// focus). Otherwise builds a strand of the clipboard's base letters at the
// pointer, laid out in the clipboard direction: read 3' to 5', the text's
// first letter is the 3' end, so a copy and paste in either direction keeps
// the sequence. Returns false, doing nothing, when the clipboard holds more
// than `mostLetters` base letters (default: longestPaste()).
bool pasteStrandText(AppState& app, std::size_t mostLetters = longestPaste());
