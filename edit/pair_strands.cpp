#include "edit/pair_strands.h"

#include "edit/pairing.h"
#include "model/drawing_state.h"
#include "model/strand.h"

void pairStrands(DrawingState& state, Strand& first, Strand& second) {
    if (first.isEmpty()) return;
    const std::vector<int> a = first.kindSequence();
    const std::vector<int> b = second.kindSequence();
    const PairingMatch match = findPairing(a, b);
    const sf::Vector2f origin = first.getBases().front()->getPosition();
    const PairLayout layout = computePairLayout(match, static_cast<int>(a.size()), static_cast<int>(b.size()),
                                                origin.x, origin.y, state.zoomSize);

    first.getFiveLabel().moveTo(layout.firstFive);
    for (std::size_t i = 0; i < first.getBases().size(); ++i)
        first.getBases()[i]->moveTo(layout.first[i]);
    first.getThreeLabel().moveTo(layout.firstThree);

    second.getThreeLabel().moveTo(layout.secondThree);
    for (std::size_t i = second.getBases().size(); i-- > 0;)
        second.getBases()[i]->moveTo(layout.second[i]);
    second.getFiveLabel().moveTo(layout.secondFive);

    // The duplex is a change to the drawing that a person made; leaving it
    // unmarked would let the program close without asking.
    state.unsavedChanges = true;
}
