#pragma once
// A layout request as the command-line tool and the batch mode take it, and its
// dealing onto the pads through the same move rules as the main window.
#include <stdexcept>
#include <string>

#include "core/analyse.hpp"
#include "core/tapis.hpp"

namespace vortanel {

struct ErreurDemande : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct TDemande {
  std::string north, south, west, east;
  int westUnknown = 0, eastUnknown = 0, westOther = 0, eastOther = 0;
  std::string discardsSouth, discardsWest, discardsNorth, discardsEast;
  std::string westParity, longOpp, strongOpp; // "even"/"odd", "west"/"east"
  int entriesSouth = -1, entriesNorth = -1;  // -1: unlimited
  std::string lang = "en", display = "simplified", strategies = "useful", format = "text";
  std::string contract;
  std::string save; // report name; empty: not saved
  bool saveRequested = false;
  uint32_t seed = 1;
};

// Checks the option values (not the cards); throws ErreurDemande.
void VerifieOptions(const TDemande& d);

// Deals the request onto the pads and sets the analysis' constraints and options;
// throws ErreurDemande naming the problem.
void Dispose(const TDemande& d, TTapis& tapis, Analyse& a);

} // namespace vortanel
