#pragma once
// Packing of the per-world trick counts into 32-bit words: a world's field is a
// thermometer of MaxLevees + 1 bits; all bits set means "not reached".
#include <cstdint>

#include "core/analyse.hpp"

namespace vortanel {

// Field sizes and constant masks for the retained worlds, and RangAffiche.
void FaitLesMasques(Analyse& a);

// Tricks held in field i of a word of width `largeur` (0 when every bit is set).
inline int ValeurChamp(uint32_t mot, int i, int largeur) {
  const uint32_t champ = (mot >> (i * largeur)) & ((1u << largeur) - 1);
  const int n = __builtin_popcount(champ);
  return n == largeur ? 0 : n;
}
inline int ValeurChamp(const TTableCouleur& t, uint32_t mot, int i) { return ValeurChamp(mot, i, t.LargeurChamp); }

// A word that keeps every other world's field and gives world r's field t tricks.
inline uint32_t MasqueLevees(const TTableCouleur& t, int levees, int r) {
  return t.Thermo[levees] | t.TrouChampMonde[r];
}

} // namespace vortanel
