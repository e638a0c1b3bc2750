#include "core/analyse.hpp"

namespace vortanel {

void InitialiseVariablesGlobales(Analyse& a, bool full) {
  TTableCouleur neuve;
  if (!full) {
    neuve.CopieSud = a.table.CopieSud;
    neuve.CopieNord = a.table.CopieNord;
  }
  a.table = std::move(neuve);
  a.limite = TLimite{};
  a.ReductionCanonique = true;
  a.TranspositionDeMains = true;
  a.JoueAlphaBetaAB = true;
  a.AffichageCanonique = true;
  a.ResultatDirect = 14;
  a.SeuilLignes = 1000;
  a.PasReduction = 1;
  a.NbReductions = 0;
  a.TempsAnalyse = 0.0;
  a.NbNoeuds = 0;
  a.RacineStrategies = nullptr;
  a.ArbreStrategies.clear();
}

std::string DescriptionMains(const std::array<int8_t, 14>& sud, const std::array<int8_t, 14>& nord, Langue langue) {
  std::string s;
  for (int c = 1; c <= 13; ++c)
    if (sud[c]) s += LettreCarte(c, langue);
  s += "-";
  for (int c = 1; c <= 13; ++c)
    if (nord[c]) s += LettreCarte(c, langue);
  return s;
}

std::string DescriptionNS(const Analyse& a) {
  return DescriptionMains(a.table.CopieSud, a.table.CopieNord, a.langue);
}

int PointsHonneur(const Analyse& a, int main, uint32_t masque) {
  if (main >= 1 && main <= 4) {
    int p = 0;
    for (int c = 1; c <= 4; ++c)
      if (a.table.Position[main - 1][c]) p += 5 - c;
    return p;
  }
  return PointsMasque(masque);
}

} // namespace vortanel
