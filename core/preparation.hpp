#pragma once
// From the cards laid on the pads to the normalised analysis position.
#include <string>

#include "core/analyse.hpp"
#include "core/tapis.hpp"

namespace vortanel {

enum class IssuePreparation {
  Prete,          // ready for the search
  ToujoursGagne,  // ResultatDirect holds the answer
  SansSolution,   // no split satisfies the constraints
  LimiteRefusee,  // an entry limit on a long hand that cannot be searched
};

// Reads the pads into the analysis and prepares the position (constraints, turn,
// useless cards, canonical reduction, transposition, feasibility, card lists).
IssuePreparation PreparationPosition(Analyse& a, const TTapis& tapis);

// The steps on the position rows, exposed for tests.
void ReductionCanonique(std::array<int8_t, 14>& sud, std::array<int8_t, 14>& nord);
void CalculeMaxLevees(Analyse& a);

// " You will always win 3 tricks" in the analysis' language.
std::string MessageToujours(Langue langue, int levees);

// The entries dialog's rule: a limit is stored only when below the hand's length.
void FixeRemontees(TLimite& limite, int choixSud, int longueurSud, int choixNord, int longueurNord);

} // namespace vortanel
