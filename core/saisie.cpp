#include "core/saisie.hpp"

#include "core/preparation.hpp"

#include <array>
#include <cctype>
#include <vector>

namespace vortanel {

namespace {

struct Main {
  const char* nom;
  int tapis;
  const std::string* cartes;
};

// Card codes of a text, and how many small cards ("x") it asks for.
std::vector<int> LitCartes(const std::string& texte, const char* nom, int& petites) {
  std::vector<int> codes;
  petites = 0;
  for (size_t i = 0; i < texte.size(); ++i) {
    const char ch = texte[i];
    if (ch == ' ' || ch == '-' || ch == ',') continue;
    if (ch == 'x') {
      ++petites;
      continue;
    }
    if (ch == '1' && i + 1 < texte.size() && texte[i + 1] == '0') {
      codes.push_back(5);
      ++i;
      continue;
    }
    int code = 0;
    switch (std::toupper(static_cast<unsigned char>(ch))) {
    case 'A': code = 1; break;
    case 'K': case 'R': code = 2; break;
    case 'Q': case 'D': code = 3; break;
    case 'J': case 'V': code = 4; break;
    case 'T': case 'X': code = 5; break;
    default:
      if (ch >= '2' && ch <= '9') code = 15 - (ch - '0');
    }
    if (!code) throw ErreurDemande(std::string("unknown card '") + ch + "' in " + nom);
    codes.push_back(code);
  }
  return codes;
}

std::string NomCarte(int c) { return LettreCarte(c, Langue::Anglais); }

void Compte(int n, const char* option) {
  if (n < 0 || n > 13) throw ErreurDemande(std::string("--") + option + " must be 0 to 13, not " + std::to_string(n));
}

void Parmi(const std::string& v, std::initializer_list<const char*> choix, const char* option) {
  for (const char* c : choix)
    if (v == c) return;
  std::string liste;
  for (const char* c : choix) liste += (liste.empty() ? "" : "|") + std::string(c);
  throw ErreurDemande(std::string("--") + option + " must be " + liste + ", not '" + v + "'");
}

} // namespace

void VerifieOptions(const TDemande& d) {
  Compte(d.westUnknown, "west-unknown");
  Compte(d.eastUnknown, "east-unknown");
  Compte(d.westOther, "west-other");
  Compte(d.eastOther, "east-other");
  if (!d.westParity.empty()) Parmi(d.westParity, {"even", "odd"}, "west-parity");
  if (!d.longOpp.empty()) Parmi(d.longOpp, {"west", "east"}, "long");
  if (!d.strongOpp.empty()) Parmi(d.strongOpp, {"west", "east"}, "strong");
  if (d.entriesSouth < -1 || d.entriesSouth > 5) throw ErreurDemande("--entries-south must be 0 to 5");
  if (d.entriesNorth < -1 || d.entriesNorth > 5) throw ErreurDemande("--entries-north must be 0 to 5");
  Parmi(d.lang, {"en", "fr"}, "lang");
  Parmi(d.display, {"simplified", "normal"}, "display");
  Parmi(d.strategies, {"useful", "all"}, "strategies");
  Parmi(d.format, {"text", "json"}, "format");
}

void Dispose(const TDemande& d, TTapis& tapis, Analyse& a) {
  VerifieOptions(d);
  const std::array<Main, 8> mains = {{{"north", 3, &d.north},
                                      {"south", 1, &d.south},
                                      {"west", 2, &d.west},
                                      {"east", 4, &d.east},
                                      {"discards-south", 6, &d.discardsSouth},
                                      {"discards-west", 7, &d.discardsWest},
                                      {"discards-north", 8, &d.discardsNorth},
                                      {"discards-east", 9, &d.discardsEast}}};
  tapis.InitieTapisCentral();
  std::array<const char*, 14> proprietaire{};
  std::array<int, 8> petites{};
  auto pose = [&](int image, const Main& m, const std::string& quoi) {
    switch (tapis.Deplace(image, m.tapis)) {
    case RefusDeplacement::Aucun: return;
    case RefusDeplacement::TropDeCartes:
      throw ErreurDemande(quoi + " for " + m.nom + ": a player would hold more than 13 cards, or the suit more than 13");
    default:
      throw ErreurDemande(quoi + " cannot go to " + m.nom);
    }
  };
  for (size_t i = 0; i < mains.size(); ++i) {
    for (int c : LitCartes(*mains[i].cartes, mains[i].nom, petites[i])) {
      if (proprietaire[c])
        throw ErreurDemande("card " + NomCarte(c) + " given twice: " + proprietaire[c] + " and " + mains[i].nom);
      proprietaire[c] = mains[i].nom;
      pose(c - 1, mains[i], "card " + NomCarte(c));
    }
  }
  for (size_t i = 0; i < mains.size(); ++i) {
    for (int k = 0; k < petites[i]; ++k) {
      int c = 13;
      while (c >= 1 && proprietaire[c]) --c;
      if (c < 1) throw ErreurDemande(std::string("no small card left for an x in ") + mains[i].nom);
      proprietaire[c] = mains[i].nom;
      pose(c - 1, mains[i], "card " + NomCarte(c));
    }
  }
  auto jetons = [&](int code, int n, const Main& m, const char* quoi) {
    for (int k = 0; k < n; ++k) pose(tapis.Cherche(code, TapisCentral), m, quoi);
  };
  jetons(JetonInconnu, d.westUnknown, mains[2], "an unknown card");
  jetons(JetonInconnu, d.eastUnknown, mains[3], "an unknown card");
  jetons(JetonAutre, d.westOther, mains[2], "a card of another suit");
  jetons(JetonAutre, d.eastOther, mains[3], "a card of another suit");

  a.langue = d.lang == "fr" ? Langue::Francais : Langue::Anglais;
  a.limite.Parite[Ouest] = d.westParity == "even" ? "paire" : d.westParity == "odd" ? "impaire" : "";
  a.limite.FlancLong = d.longOpp == "west" ? "ouest" : d.longOpp == "east" ? "est" : "";
  a.limite.FlancFort = d.strongOpp == "west" ? "ouest" : d.strongOpp == "east" ? "est" : "";
  FixeRemontees(a.limite, d.entriesSouth, static_cast<int>(tapis.Codes(1).size()), d.entriesNorth,
                static_cast<int>(tapis.Codes(3).size()));
  a.StrategiesUtiles = d.strategies == "useful";
  a.hasard.seed(d.seed);
}

} // namespace vortanel
