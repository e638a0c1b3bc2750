#pragma once
// The search state of one analysis: the nodes of the current line, the card masks of
// the line being played and the buffers the strategy-set merges reuse.
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/analyse.hpp"

namespace vortanel {

// Rows of a strategy set, row after row, NbMots words each. A row array is shared
// (reference sets, transposition entries) only once its node is complete, and a
// shared row array is never modified.
using Rangees = std::shared_ptr<std::vector<uint32_t>>;

struct noeud {
  int8_t JoueurNoeud = 0;
  int8_t CarteNoeud = 0;
  noeud* Parent = nullptr;
  noeud* Enfant = nullptr;
  Rangees Alpha;
  Rangees Beta;
  Rangees Lignes;
  int32_t NbLignes = 0, NbAlpha = 0, NbBeta = 0;
  bool Coupure = false;
  uint8_t PliNoeud = 0;
  uint8_t LeveesNS = 0;
  bool Termine = false;
  // Candidate list for the next ply: entries 1..12 of (card, player), ending with 20.
  std::array<int32_t, 14> CandidatCarte{};
  std::array<int32_t, 14> CandidatJoueur{};
};

struct Moteur;
void InitialiseNoeud(Moteur& m, noeud& q);

struct Moteur {
  Analyse& a;
  TTableCouleur& t;
  TLimite& limite;

  explicit Moteur(Analyse& analyse) : a(analyse), t(analyse.table), limite(analyse.limite) {}

  // Search state.
  int32_t PliCourant = 0;
  int32_t NumeroPli = 0;
  int32_t DernierPli = 0;
  uint16_t MainSud = 0, MainNord = 0, MainsNS = 0;
  uint16_t PossiblesOuest = 0, PossiblesEst = 0, RestantFlanc = 0;
  uint16_t MainSudDepart = 0, MainNordDepart = 0, MainsNSDepart = 0;
  uint16_t PossiblesOuestDepart = 0, PossiblesEstDepart = 0, RestantFlancDepart = 0;
  std::array<uint16_t, 5> JoueesPar{};   // [2], [4]
  std::array<int32_t, 5> PointsJoues{};  // [2], [4]
  std::array<int32_t, 5> Defausses{};    // [1..4]
  std::array<uint16_t, 7> CartesDuPli{}; // [1..6]
  std::array<int32_t, 7> LeveesApres{};  // [0..6]
  std::array<int32_t, 7> PliGagneSud{}, PliGagneNord{};
  std::array<int32_t, 25> CarteJouee{}, JoueurDuPli{}; // [1..24]
  std::array<int32_t, 25> MasqueCandidats{};           // [1..24]; -1: the defender has shown out
  std::array<int32_t, 25> CleCandidat{};               // ordering keys of the list being sorted
  int32_t PointsFlanc = 0;

  // Buffers reused by the merges (no allocation per row or item).
  std::vector<uint32_t> tampon;
  std::vector<uint8_t> elimine;
  std::vector<float> tamponReels;

  int32_t NbMots() const { return t.NbMots; }
  std::span<uint32_t> Ligne(noeud& n, int i) { return {n.Lignes->data() + size_t(i) * t.NbMots, size_t(t.NbMots)}; }
};

// Playing and taking back cards of the current line.
void InitialiseRecherche(Moteur& m);
void JoueCarte(Moteur& m, int c, int j);
void RetireCarte(Moteur& m, int c, int j);
int FinDePli(Moteur& m);
// Entries spent by South and North after the completed tricks (a hand that won the
// last completed trick may lead again for free).
int EntreesSud(const Moteur& m);
int EntreesNord(const Moteur& m);

} // namespace vortanel
