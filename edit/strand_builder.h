#pragma once

#include <string>
#include <vector>

struct DrawingState;

// Builds a strand from base kinds at the pointer: one horizontal row, 48
// pixels apart, starting at the pointer's x truncated to whole pixels. With
// `fiveFirst` the row reads 5' to 3' from left to right; otherwise 3' to 5'
// (its 5' end is the rightmost base). The strand goes to the front of the
// drawing, active, with every element selected and following the pointer
// until the next click. An empty list builds nothing and changes nothing.
void buildStrand(DrawingState& state, const std::vector<int>& kinds, bool fiveFirst);

// Places a new free label with the text at the pointer, at the front of the
// drawing, selected and following the pointer; everything else is deselected.
void addLabelAtPointer(DrawingState& state, const std::string& text);
