#include "cli/commande.hpp"

#include <atomic>
#include <istream>
#include <ostream>
#include <thread>
#include <vector>

#include "core/preparation.hpp"

namespace vortanel {

namespace {

using nlohmann::json;

std::string Cartes(const TTableCouleur& t, int liste, Langue langue) {
  std::string s;
  for (int i = 1; i <= t.NbLevees; ++i)
    if (t.Liste[liste][i] >= 1 && t.Liste[liste][i] <= 13) s += LettreCarte(t.Liste[liste][i], langue);
  return s;
}

// A hand as entered (after the turn), from its presence flags.
std::string CartesSaisies(const std::array<int8_t, 14>& main, Langue langue) {
  std::string s;
  for (int c = 1; c <= 13; ++c)
    if (main[c]) s += LettreCarte(c, langue);
  return s;
}

} // namespace

TReponse ExecuteAnalyse(const TDemande& d) {
  TReponse r;
  Analyse a(d.seed);
  TTapis tapis;
  try {
    Dispose(d, tapis, a);
  } catch (const ErreurDemande& e) {
    r.statut = 2;
    r.erreur = e.what();
    return r;
  }
  const TTextes& textes = TextesDe(a.langue);
  json j;
  std::string message;
  const IssuePreparation issue = PreparationPosition(a, tapis);
  switch (issue) {
  case IssuePreparation::ToujoursGagne: {
    const int n = a.ResultatDirect + a.table.LeveesEnPlus;
    message = MessageToujours(a.langue, n);
    j["outcome"] = n == 0 ? "no_trick" : "sure_tricks";
    j["sure_tricks"] = n;
    break;
  }
  case IssuePreparation::SansSolution:
    message = textes.messages.RequeteSansSolution;
    j["outcome"] = "no_solution";
    break;
  case IssuePreparation::LimiteRefusee:
    message = textes.messages.LimiteRemonteesRefusee;
    j["outcome"] = "no_solution";
    break;
  case IssuePreparation::Prete:
    j["outcome"] = "prepared";
    j["extra_tricks"] = a.table.LeveesEnPlus;
    j["tricks_played"] = a.table.NbLevees;
    j["north"] = CartesSaisies(a.table.CopieNord, a.langue);
    j["south"] = CartesSaisies(a.table.CopieSud, a.langue);
    j["north_prepared"] = Cartes(a.table, 3, a.langue);
    j["south_prepared"] = Cartes(a.table, 1, a.langue);
    break;
  }
  if (!message.empty()) j["message"] = message;
  if (d.format == "json") {
    r.sortie = j.dump() + "\n";
  } else if (!message.empty()) {
    r.sortie = message + "\n";
  } else {
    r.sortie = "North " + j["north"].get<std::string>() + "  South " + j["south"].get<std::string>() + "  extra tricks " +
               std::to_string(a.table.LeveesEnPlus) + "\n";
  }
  return r;
}

TDemande DemandeDepuisJson(const json& o) {
  if (!o.is_object()) throw ErreurDemande("a line must be a JSON object");
  TDemande d;
  auto texte = [&](const char* cle, std::string& v) {
    if (!o.contains(cle)) return;
    if (!o[cle].is_string()) throw ErreurDemande(std::string("\"") + cle + "\" must be a text");
    v = o[cle].get<std::string>();
  };
  auto entier = [&](const char* cle, auto& v) {
    if (!o.contains(cle)) return;
    if (!o[cle].is_number_integer()) throw ErreurDemande(std::string("\"") + cle + "\" must be a whole number");
    v = o[cle].get<std::remove_reference_t<decltype(v)>>();
  };
  static const char* const connues[] = {"north", "south", "west", "east", "west_unknown", "east_unknown",
                                        "west_other", "east_other", "discards_south", "discards_west",
                                        "discards_north", "discards_east", "west_parity", "long", "strong",
                                        "entries_south", "entries_north", "lang", "display", "strategies",
                                        "format", "seed", "contract"};
  for (const auto& [cle, valeur] : o.items()) {
    bool ok = false;
    for (const char* k : connues) ok = ok || cle == k;
    if (!ok) throw ErreurDemande("unknown key \"" + cle + "\"");
  }
  texte("north", d.north);
  texte("south", d.south);
  texte("west", d.west);
  texte("east", d.east);
  entier("west_unknown", d.westUnknown);
  entier("east_unknown", d.eastUnknown);
  entier("west_other", d.westOther);
  entier("east_other", d.eastOther);
  texte("discards_south", d.discardsSouth);
  texte("discards_west", d.discardsWest);
  texte("discards_north", d.discardsNorth);
  texte("discards_east", d.discardsEast);
  texte("west_parity", d.westParity);
  texte("long", d.longOpp);
  texte("strong", d.strongOpp);
  entier("entries_south", d.entriesSouth);
  entier("entries_north", d.entriesNorth);
  texte("lang", d.lang);
  texte("display", d.display);
  texte("strategies", d.strategies);
  texte("contract", d.contract);
  entier("seed", d.seed);
  d.format = "json";
  return d;
}

void ExecuteLot(std::istream& entree, std::ostream& sortie, int taches) {
  std::vector<std::string> lignes;
  for (std::string l; std::getline(entree, l);)
    if (l.find_first_not_of(" \t\r") != std::string::npos) lignes.push_back(l);
  std::vector<std::string> resultats(lignes.size());
  std::atomic<size_t> suivante{0};
  auto travaille = [&] {
    for (size_t i; (i = suivante++) < lignes.size();) {
      try {
        const TDemande d = DemandeDepuisJson(json::parse(lignes[i]));
        const TReponse r = ExecuteAnalyse(d);
        if (r.statut == 2) resultats[i] = json{{"error", r.erreur}}.dump();
        else {
          std::string s = r.sortie;
          while (!s.empty() && s.back() == '\n') s.pop_back();
          resultats[i] = s;
        }
      } catch (const std::exception& e) {
        resultats[i] = json{{"error", e.what()}}.dump();
      }
    }
  };
  const int n = std::max(1, std::min<int>(taches, static_cast<int>(lignes.size())));
  std::vector<std::thread> fils;
  for (int k = 1; k < n; ++k) fils.emplace_back(travaille);
  travaille();
  for (auto& f : fils) f.join();
  for (const auto& r : resultats) sortie << r << "\n";
}

} // namespace vortanel
