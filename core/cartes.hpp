#pragma once
// Cards of the suit, hands and the lookup tables over card masks.
#include <array>
#include <cstdint>
#include <string>

#include "texts/textes.hpp"

namespace vortanel {

// Card codes: 1 = Ace .. 13 = Two; a smaller code is a higher card.
inline constexpr int PasDeCarte = 14;   // padding, or a discard in a trick
inline constexpr int JetonInconnu = 16; // opponent's card of the suit, rank unknown
inline constexpr int JetonAutre = 17;   // opponent's card of another suit
inline constexpr int FinDeListe = 20;   // ends a candidate list
inline constexpr uint16_t ToutesLesCartes = 16382; // bits 1..13

// Hands in order of play.
inline constexpr int Sud = 1, Ouest = 2, Nord = 3, Est = 4;
inline constexpr std::array<int, 5> Suivant = {0, 2, 3, 4, 1};
inline constexpr std::array<int, 5> Precedent = {0, 4, 1, 2, 3};
inline constexpr std::array<int, 5> Partenaire = {0, 3, 4, 1, 2};

struct TTablesMasques {
  std::array<uint32_t, 32> Puissance2{};
  std::array<uint8_t, 16383> NbBits{};
  std::array<uint8_t, 16383> PlusHaute{};
  std::array<uint8_t, 16383> PlusBasse{};
  // Dessus[c]: cards ranking above c; Dessous[c]: below c; Entre[a][b]: strictly between b and a.
  std::array<uint16_t, 15> Dessus{};
  std::array<uint16_t, 15> Dessous{};
  std::array<std::array<uint16_t, 15>, 15> Entre{};
};

// Read-only tables, built once on first use.
const TTablesMasques& Masques();

inline uint32_t Puissance2(int i) { return uint32_t{1} << i; }
inline int NbBits(uint32_t m) { return Masques().NbBits[m & ToutesLesCartes]; }
inline int PlusHaute(uint32_t m) { return Masques().PlusHaute[m & ToutesLesCartes]; }
inline int PlusBasse(uint32_t m) { return Masques().PlusBasse[m & ToutesLesCartes]; }

// High-card points of one card: Ace 4, King 3, Queen 2, Jack 1.
inline int PointsCarte(int c) { return c >= 1 && c <= 4 ? 5 - c : 0; }
int PointsMasque(uint32_t masque);

bool DansIntervalle(int x, int lo, int hi);
int64_t Factorielle(int n);
int64_t ProduitDe(int n, int k);
int64_t Combinaisons(int n, int k);
std::string LettreCarte(int c, Langue langue);

} // namespace vortanel
