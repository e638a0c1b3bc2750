#pragma once
// The worlds: every split of the opponents' cards, weighed by the vacant places,
// filtered by the constraints and merged when they differ only by equivalent cards.
#include "core/analyse.hpp"

namespace vortanel {

// Enumerates, filters, merges and numbers the retained worlds; NbMondes = 0 when
// the constraints leave none.
void FaitLesMondes(Analyse& a);

} // namespace vortanel
