#include "engine/moteur.hpp"

namespace vortanel {

void InitialiseNoeud(Moteur& m, noeud& q) {
  q.Enfant = nullptr;
  q.Coupure = false;
  q.Termine = false;
  q.Lignes = std::make_shared<std::vector<uint32_t>>(size_t(m.t.NbMots), 0xFFFFFFFFu);
  q.NbLignes = 1;
  ++m.a.NbNoeuds;
}

void InitialiseRecherche(Moteur& m) {
  const TTableCouleur& t = m.t;
  m.JoueesPar = {};
  m.PointsJoues = {};
  m.MainSud = static_cast<uint16_t>(t.MainsMondeRetenu[Sud][0]);
  m.MainNord = static_cast<uint16_t>(t.MainsMondeRetenu[Nord][0]);
  m.MainsNS = m.MainSud | m.MainNord;
  m.PossiblesOuest = 0;
  m.PossiblesEst = 0;
  for (int w = 0; w < t.NbMondes; ++w) {
    m.PossiblesOuest |= static_cast<uint16_t>(t.MainsMondeRetenu[Ouest][w]);
    m.PossiblesEst |= static_cast<uint16_t>(t.MainsMondeRetenu[Est][w]);
  }
  m.RestantFlanc = m.PossiblesOuest | m.PossiblesEst;
  auto ferme = [&](uint16_t possibles) {
    uint16_t ferme = possibles;
    for (int i = 1; i <= 13; ++i)
      if (possibles & (1u << i))
        for (int j = 1; j <= 13; ++j)
          if (t.Representant[j] == t.Representant[i]) ferme |= static_cast<uint16_t>(1u << j);
    return ferme;
  };
  m.PossiblesOuest = ferme(m.PossiblesOuest);
  m.PossiblesEst = ferme(m.PossiblesEst);
  m.MainSudDepart = m.MainSud;
  m.MainNordDepart = m.MainNord;
  m.MainsNSDepart = m.MainsNS;
  m.PossiblesOuestDepart = m.PossiblesOuest;
  m.PossiblesEstDepart = m.PossiblesEst;
  m.RestantFlancDepart = m.RestantFlanc;
  m.Defausses = {};
  m.CartesDuPli = {};
  m.LeveesApres = {};
  m.PliGagneSud = {};
  m.PliGagneNord = {};
  m.CarteJouee.fill(-1);
  m.JoueurDuPli.fill(-1);
  m.MasqueCandidats = {};
  m.PointsFlanc = PointsMasque(m.RestantFlanc);
  m.PliCourant = 0;
  m.NumeroPli = 0;
  m.DernierPli = 4 * (t.NbLevees - 1);
}

void JoueCarte(Moteur& m, int c, int j) {
  m.JoueurDuPli[m.PliCourant] = j;
  m.CarteJouee[m.PliCourant] = c;
  if (c == PasDeCarte) ++m.Defausses[j];
  if (c < 1 || c > 13) return;
  const uint16_t b = static_cast<uint16_t>(1u << c);
  if (j == Sud) {
    m.MainSud &= ~b;
    m.MainsNS &= ~b;
  } else if (j == Nord) {
    m.MainNord &= ~b;
    m.MainsNS &= ~b;
  } else {
    m.RestantFlanc &= ~b;
    m.JoueesPar[j] |= b;
    m.PointsJoues[j] += PointsCarte(c);
  }
  if (m.PliCourant % 4 == 1)
    m.CartesDuPli[m.NumeroPli] = b;
  else
    m.CartesDuPli[m.NumeroPli] |= b;
}

void RetireCarte(Moteur& m, int c, int j) {
  m.JoueurDuPli[m.PliCourant] = -1;
  m.CarteJouee[m.PliCourant] = -1;
  if (c == PasDeCarte) --m.Defausses[j];
  if (c < 1 || c > 13) return;
  const uint16_t b = static_cast<uint16_t>(1u << c);
  if (j == Sud || j == Nord) {
    m.MainsNS |= b;
    if (j == Sud)
      m.MainSud = m.MainSudDepart & m.MainsNS;
    else
      m.MainNord = m.MainNordDepart & m.MainsNS;
  } else {
    m.RestantFlanc |= b;
    m.JoueesPar[j] &= ~b;
    m.PointsJoues[j] -= PointsCarte(c);
  }
  m.Defausses[j] = 0;
  m.CartesDuPli[m.NumeroPli] &= ~b;
}

int FinDePli(Moteur& m) {
  const int t = m.NumeroPli;
  m.PliGagneSud[t] = 0;
  m.PliGagneNord[t] = 0;
  const int h = PlusHaute(m.CartesDuPli[t]);
  const uint32_t bit = h <= 13 ? (1u << h) : 0u;
  if (bit & m.MainSudDepart) {
    m.LeveesApres[t] = m.LeveesApres[t - 1] + 1;
    m.PliGagneSud[t] = 1;
  } else if (bit & m.MainNordDepart) {
    m.LeveesApres[t] = m.LeveesApres[t - 1] + 1;
    m.PliGagneNord[t] = 1;
  } else {
    m.LeveesApres[t] = m.LeveesApres[t - 1];
  }
  return m.LeveesApres[t];
}

namespace {
// Leads by `main` among the completed tricks, less the completed tricks it won.
int Entrees(const Moteur& m, int main, const std::array<int32_t, 7>& gagne) {
  const int faits = m.PliCourant / 4;
  int n = 0;
  for (int t = 1; t <= faits; ++t) {
    if (m.JoueurDuPli[4 * (t - 1) + 1] == main) ++n;
    n -= gagne[t];
  }
  return n;
}
} // namespace

int EntreesSud(const Moteur& m) { return Entrees(m, Sud, m.PliGagneSud); }
int EntreesNord(const Moteur& m) { return Entrees(m, Nord, m.PliGagneNord); }

} // namespace vortanel
