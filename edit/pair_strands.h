#pragma once

struct DrawingState;
class Strand;

// Lays two strands out as a duplex around their longest complementary run:
// the first on a row reading 5' to 3' from its 5' base's place, the second on
// a row below reading 3' to 5', the run's bases facing each other. The same
// strand may be passed twice; its second placement wins. Marks the drawing
// changed.
void pairStrands(DrawingState& state, Strand& first, Strand& second);
