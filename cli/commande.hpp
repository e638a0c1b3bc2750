#pragma once
// The commands of vortanel-cli over the library: one analysis, and the batch mode.
#include <iosfwd>
#include <string>

#include <nlohmann/json.hpp>

#include "core/saisie.hpp"

namespace vortanel {

struct TReponse {
  int statut = 0;      // 0 answered, 1 failed (e.g. a report that could not be saved), 2 bad input
  std::string sortie;  // stdout
  std::string erreur;  // one line for stderr
};

TReponse ExecuteAnalyse(const TDemande& d);

// A request from one JSON object of the batch mode (keys: option names, "_" for "-").
TDemande DemandeDepuisJson(const nlohmann::json& objet);

// Reads one JSON object per line and writes one JSON result per line, in input order.
void ExecuteLot(std::istream& entree, std::ostream& sortie, int taches);

} // namespace vortanel
