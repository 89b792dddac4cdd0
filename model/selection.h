#pragma once

#include "model/drawing_state.h"

// The one strand whose active flag is set; nullptr when none or several are active.
Strand* selectedStrand(DrawingState& state);

// The one selected free label; nullptr when none or several are selected.
Label* selectedLabel(DrawingState& state);
