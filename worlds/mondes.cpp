#include "worlds/mondes.hpp"

#include <vector>

namespace vortanel {

void FaitLesMondes(Analyse& a) {
  TTableCouleur& t = a.table;
  const TLimite& l = a.limite;
  const int n = t.NbCartesFlanc;

  // 1. Enumerate. Only one split of each West-East mirror pair is needed when nothing
  // tells West from East.
  t.SudVide = t.NbCartesListe[1] == 0;
  t.DemiEnumeration = t.SudVide && !l.Contraintes && t.PlacesVacantes[Ouest] == t.PlacesVacantes[Est] && n > 0;
  const int E = t.DemiEnumeration ? (1 << n) / 2 : (1 << n);
  t.NbMondesEnumeres = static_cast<uint16_t>(E);
  uint16_t sud = 0, nord = 0;
  for (int i = 1; i <= t.NbLevees; ++i) {
    if (t.Liste[1][i] <= 13) sud |= static_cast<uint16_t>(1u << t.Liste[1][i]);
    if (t.Liste[3][i] <= 13) nord |= static_cast<uint16_t>(1u << t.Liste[3][i]);
  }
  for (auto& m : t.MainsMonde) m.assign(size_t(E), 0);
  for (auto& h : t.CartesMonde)
    for (auto& k : h) k.assign(size_t(E), 0);
  for (int w = 0; w < E; ++w) {
    t.MainsMonde[Sud][w] = sud;
    t.MainsMonde[Nord][w] = nord;
    for (int i = 1; i <= n; ++i) {
      const uint16_t b = static_cast<uint16_t>(1u << t.Liste[6][i]);
      if (w & (1 << (i - 1))) t.MainsMonde[Ouest][w] |= b;
      else t.MainsMonde[Est][w] |= b;
    }
  }

  // 2. Touching cards of one list are one card.
  t.Representant = {};
  for (int liste = 1; liste <= 6; ++liste) {
    std::array<int, 14> L{};
    for (int i = 1; i <= 13; ++i) {
      const int c = t.Liste[liste][i];
      if (c >= 1 && c <= 13) L[c] = c;
    }
    for (bool change = true; change;) {
      change = false;
      for (int c = 13; c >= 2; --c)
        if (L[c] && L[c - 1] && L[c - 1] + 1 == L[c]) L[c] = L[c - 1], change = true;
    }
    for (int c = 1; c <= 13; ++c)
      if (L[c]) t.Representant[c] = L[c];
  }
  t.Representant[0] = 0;

  // 3. Sorted card lists of the defenders, packed 4 bits a card for the class search.
  std::vector<uint64_t> cle(size_t(E), 0);
  for (int w = 0; w < E; ++w) {
    for (int h : {Ouest, Est}) {
      int k = 0;
      for (int c = 1; c <= 13; ++c) {
        if (!(t.MainsMonde[h][w] & (1u << c))) continue;
        ++k;
        t.CartesMonde[h][k][w] = static_cast<uint16_t>(t.Representant[c]);
        if (k <= t.NbLevees) cle[w] |= uint64_t(t.Representant[c]) << (4 * (k - 1) + (h == Est ? 32 : 0));
      }
    }
  }

  // 4. A-priori probabilities from the vacant places.
  const int VW = t.PlacesVacantes[Ouest], VE = t.PlacesVacantes[Est], V = VW + VE;
  t.ProbaMonde.assign(size_t(E), 0.0f);
  const long double total = static_cast<long double>(Combinaisons(V, VW));
  for (int w = 0; w < E; ++w) {
    const int LW = NbBits(t.MainsMonde[Ouest][w]);
    if (VW - LW < 0 || n - LW > VE || V - n < VW - LW) {
      t.ProbaMonde[w] = -1.0f;
      continue;
    }
    t.ProbaMonde[w] = static_cast<float>(static_cast<long double>(Combinaisons(V - n, VW - LW)) / total);
  }

  // 5. Filters.
  t.MondeActif.assign(size_t(E), 1);
  for (int w = 0; w < E; ++w) {
    const uint16_t ouest = t.MainsMonde[Ouest][w], est = t.MainsMonde[Est][w];
    const int lo = NbBits(ouest), le = NbBits(est);
    bool exclu = t.ProbaMonde[w] == -1.0f;
    exclu = exclu || (l.Parite[Ouest] == "paire" && lo % 2 != 0) || (l.Parite[Ouest] == "impaire" && lo % 2 == 0);
    exclu = exclu || !DansIntervalle(lo, l.LongueurMin[Ouest] - 1, l.LongueurMax[Ouest] + 1) ||
            !DansIntervalle(le, l.LongueurMin[Est] - 1, l.LongueurMax[Est] + 1);
    exclu = exclu || !DansIntervalle(PointsMasque(ouest), l.PointsMin[Ouest] - 1, l.PointsMax[Ouest] + 1) ||
            !DansIntervalle(PointsMasque(est), l.PointsMin[Est] - 1, l.PointsMax[Est] + 1);
    exclu = exclu || lo > t.PlacesVacantes[Ouest] || le > t.PlacesVacantes[Est];
    exclu = exclu || (t.MasqueConnu[Ouest] & ~ouest) || (t.MasqueConnu[Est] & ~est);
    if (exclu) t.MondeActif[w] = 0;
  }

  // 6. Equivalence classes: the same top cards, card for card, in both defenders' hands.
  t.ClasseMonde.assign(size_t(E), -1);
  int classe = 0;
  for (int j = 0; j < E; ++j) {
    if (!t.MondeActif[j] || t.ClasseMonde[j] != -1) continue;
    t.ClasseMonde[j] = classe;
    for (int p = j + 1; p < E; ++p)
      if (t.MondeActif[p] && t.ClasseMonde[p] == -1 && cle[p] == cle[j]) t.ClasseMonde[p] = classe;
    ++classe;
  }

  // 7, 8. The first world of each class represents it.
  std::vector<int> representant(size_t(classe), -1);
  std::vector<int> taille(size_t(classe), 0);
  std::vector<double> proba(size_t(classe), 0.0);
  for (int w = 0; w < E; ++w) {
    const int c = t.ClasseMonde[w];
    if (c < 0) continue;
    if (representant[c] < 0) representant[c] = w;
    else t.MondeActif[w] = 0;
    ++taille[c];
  }
  const int R = classe;
  t.NbMondes = R;
  t.Multiplicite.assign(size_t(E), 0);

  // 9, 10. Compaction in enumerated order, and the probabilities of each class.
  for (auto& h : t.MainsMondeRetenu) h.assign(size_t(R), 0);
  for (auto& h : t.CartesMondeRetenu)
    for (auto& k : h) k.clear();
  for (int h = 1; h <= 4; ++h)
    for (int k = 0; k <= t.NbLevees; ++k) t.CartesMondeRetenu[h][k].assign(size_t(R), 0);
  t.ProbaMondeRetenu.assign(size_t(R), 0.0f);
  // Classes are numbered in order of their first world, so class r is retained world r.
  for (int r = 0; r < R; ++r) {
    const int j = representant[r];
    t.Multiplicite[r] = static_cast<uint16_t>(taille[r]);
    for (int h = 1; h <= 4; ++h) {
      t.MainsMondeRetenu[h][r] = t.MainsMonde[h][j];
      for (int k = 1; k <= t.NbLevees; ++k) t.CartesMondeRetenu[h][k][r] = t.CartesMonde[h][k][j];
    }
  }
  std::vector<float> somme(size_t(R), 0.0f);
  for (int w = 0; w < E; ++w)
    if (t.ClasseMonde[w] >= 0) somme[t.ClasseMonde[w]] += t.ProbaMonde[w];
  float totalRetenu = 0.0f;
  for (int r = 0; r < R; ++r) totalRetenu += somme[r];
  for (int r = 0; r < R; ++r) t.ProbaMondeRetenu[r] = somme[r] / totalRetenu;

  a.SeuilLignes = 1000;
  a.PasReduction = 1;
}

} // namespace vortanel
