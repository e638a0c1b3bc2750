#pragma once
// The state of one analysis: the suit table, the constraints, the switches, the result
// tables and the strategy tree. One object per analysis; nothing of it is global.
#include <array>
#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "core/cartes.hpp"
#include "core/references.hpp"

namespace vortanel {

using TLigneByte = std::vector<uint8_t>;
using TLigneInteger = std::vector<int32_t>;
using TLigneReal = std::vector<double>;
using TCarreInteger = std::vector<TLigneInteger>;
using TCarreLongword = std::vector<std::vector<uint32_t>>;
using TCarreReal = std::vector<TLigneReal>;

// Constraints on the layout and on declarer's play; "" means free.
struct TLimite {
  std::array<std::string, 5> Parite{};           // [2] West, [4] East: "paire", "impaire" or ""
  std::string FlancLong;                          // "ouest", "est" or ""
  std::string FlancFort;                          // "ouest", "est" or ""
  std::array<int32_t, 5> LongueurMin{0, 0, 0, 0, 0};
  std::array<int32_t, 5> LongueurMax{13, 13, 13, 13, 13};
  std::array<int32_t, 5> PointsMin{0, 0, 0, 0, 0};
  std::array<int32_t, 5> PointsMax{10, 10, 10, 10, 10};
  int32_t RemonteesNord = 14; // 14: no limit; 13: the other hand is limited
  int32_t RemonteesSud = 14;
  bool RemonteesLimitees = false;
  bool Contraintes = false;
};

// A node of the strategy tree kept for the results window. Nodes live in the
// analysis' arena; the links never own, so a node that shares another node's
// children (DeTransposition) is released exactly once with the arena.
struct nodeTF {
  int32_t CarteNoeud = 0; // 100 at the root
  int32_t PliNoeud = 0;
  int32_t JoueurNoeud = 0;
  int32_t NbLignes = 0;
  std::vector<uint32_t> Lignes; // NbLignes rows of NbMots words, row after row
  nodeTF* PremierFils = nullptr;
  nodeTF* FrereSuivant = nullptr;
  nodeTF* Pere = nullptr;
  double Valeur = 0.0;
  bool Drapeau1 = false, Drapeau2 = false, DeTransposition = false, Drapeau4 = false;
  int32_t Entier1 = 0, Entier2 = 0;
};
using NTForm2 = nodeTF*;

struct TProbasDesStrategies {
  std::vector<TLigneReal> ProbaAuMoins; // [t][s]
  TLigneReal Esperance;                 // [s]
  TLigneReal EsperancePT;               // [s]
  float EsperanceAleatoire = 0.0f;
};

struct TLeveesDesStrategies {
  TCarreInteger Levees; // [w][s]
};

struct TIdentifieStrategies {
  TLigneInteger ManiementPT; // [s]
  TCarreInteger Utile;       // [t][s]
};

struct TTableCouleur {
  // Position and counts.
  std::array<std::array<int8_t, 14>, 7> Position{}; // [row][card 1..13]
  std::array<int32_t, 5> NbCartesMain{};           // [1..4]
  int32_t CartesEnJeu = 13;
  int32_t PointsEnJeu = 10;
  std::array<uint16_t, 5> MasqueConnu{};
  std::array<int32_t, 5> PlacesVacantes{13, 13, 13, 13, 13}; // [2], [4]
  int32_t LeveesEnPlus = 0;
  std::array<int8_t, 14> CopieSud{}, CopieNord{};
  std::array<std::array<int32_t, 14>, 5> ListeOrigine{}; // [hand][1..13]
  int32_t IndexRessource = 0;

  // Card lists and indicators.
  int32_t NbLevees = 0;
  int32_t NbCartesFlanc = 0;
  int32_t NbPlis = 0;        // plies of the search: 4 x NbLevees
  int32_t DernierPli = 0;    // 4 x (NbLevees - 1)
  std::array<int32_t, 7> NbCartesListe{};
  std::array<std::array<int32_t, 14>, 7> Liste{}; // [1..6][1..13]
  std::array<uint8_t, 15> RangAffiche{};          // [1..14]

  // Worlds.
  uint16_t NbMondesEnumeres = 0;
  bool SudVide = false;
  bool DemiEnumeration = false; // only one of each West-East mirror pair enumerated
  std::array<int32_t, 14> Representant{};
  std::array<std::vector<uint16_t>, 5> MainsMonde;                        // [h][w]
  std::array<std::array<std::vector<uint16_t>, 14>, 5> CartesMonde;       // [h][k][w]
  std::vector<float> ProbaMonde;
  TLigneInteger MondeActif;
  TLigneInteger ClasseMonde;
  std::vector<uint16_t> Multiplicite;
  int32_t NbMondes = 0;
  std::array<TLigneInteger, 5> MainsMondeRetenu;                           // [h][r]
  std::array<std::array<TLigneInteger, 14>, 5> CartesMondeRetenu;          // [h][k][r]
  std::vector<float> ProbaMondeRetenu;

  // Packed world fields.
  int32_t MaxLevees = 0, MinLevees = 0;
  int32_t LargeurChamp = 0, MondesParMot = 0, NbMots = 0;
  uint32_t BitsDeGarde = 0, BitsDeGardeComplement = 0;
  std::vector<uint32_t> BitGardeMonde, TrouChampMonde, ChampMonde;
  std::array<uint32_t, 14> Thermo{};

  // Strategy results.
  int32_t NbStrategies = 0;
  int32_t NbPT = 0;
  double ProbaTotale = 0.0;
  TLigneInteger NumeroOrigine;
  TProbasDesStrategies Probas;
  TLeveesDesStrategies LeveesStrategies;
  TIdentifieStrategies Identifie;
};

// The analysis: everything one run of the analyser reads and writes.
struct Analyse {
  TTableCouleur table;
  TLimite limite;
  bool ReductionCanonique = true;
  bool TranspositionDeMains = true;
  bool JoueAlphaBetaAB = true;
  bool AffichageCanonique = true;
  bool StrategiesUtiles = true;
  int32_t ResultatDirect = 14; // tricks known without a search; 14 = unknown
  Langue langue = Langue::Francais;
  const TReferences* references = &References();

  // Search parameters and results that outlive the search.
  int32_t SeuilLignes = 1000;
  int32_t PasReduction = 1;
  int32_t NbReductions = 0;
  double TempsAnalyse = 0.0; // days
  int64_t NbNoeuds = 0;
  std::deque<nodeTF> ArbreStrategies; // owns every strategy-tree node
  NTForm2 RacineStrategies = nullptr;

  std::mt19937 hasard{1};

  explicit Analyse(uint32_t graine = 1) : hasard(graine) {}

  // Uniform draw in 0..n-1.
  int Aleatoire(int n) { return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(hasard)); }

  nodeTF* NouveauNoeudTF(int carte, int pli, int joueur) {
    nodeTF& n = ArbreStrategies.emplace_back();
    n.CarteNoeud = carte;
    n.PliNoeud = pli;
    n.JoueurNoeud = joueur;
    return &n;
  }
};

// Restores the analysis to its state at start; with full = false the saved
// North-South layout (CopieSud, CopieNord) is kept so it can be laid out again.
void InitialiseVariablesGlobales(Analyse& a, bool full);

// South's letters, "-", North's letters, each highest first, from hands given as
// presence flags [1..13].
std::string DescriptionMains(const std::array<int8_t, 14>& sud, const std::array<int8_t, 14>& nord, Langue langue);
// The hands as the user entered them (the saved North-South layout).
std::string DescriptionNS(const Analyse& a);

// Points of the cards flagged in a hand's row (hand 1..4), otherwise of the mask.
int PointsHonneur(const Analyse& a, int main, uint32_t masque);

} // namespace vortanel
