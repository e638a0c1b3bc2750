#include "core/preparation.hpp"

#include <algorithm>
#include <utility>

#include "core/references.hpp"

namespace vortanel {

namespace {

using Rangee = std::array<int8_t, 14>;

uint32_t MasqueRangee(const Rangee& r) {
  uint32_t m = 0;
  for (int c = 1; c <= 13; ++c)
    if (r[c]) m |= 1u << c;
  return m;
}

int LongueurRangee(const Rangee& r) {
  int n = 0;
  for (int c = 1; c <= 13; ++c) n += r[c] != 0;
  return n;
}

// The codes of a row of presence flags, highest first.
std::vector<int> CodesRangee(const Rangee& r) {
  std::vector<int> codes;
  for (int c = 1; c <= 13; ++c)
    if (r[c]) codes.push_back(c);
  return codes;
}

std::string Inverse(const std::string& parite) {
  if (parite == "paire") return "impaire";
  if (parite == "impaire") return "paire";
  return parite;
}

std::string AutreFlanc(const std::string& flanc) {
  if (flanc == "ouest") return "est";
  if (flanc == "est") return "ouest";
  return flanc;
}

// Every split of the unknown cards that the constraints admit, by lengths.
struct Admissibles {
  bool existe = false;
  int plusLongOuest = 0;
  int plusLongEst = 0;
};

Admissibles ChercheAdmissibles(const Analyse& a) {
  const TTableCouleur& t = a.table;
  const TLimite& l = a.limite;
  uint32_t connues = 0;
  for (int r = 0; r < 7; ++r) connues |= MasqueRangee(t.Position[r]);
  const uint32_t inconnues = ToutesLesCartes & ~connues;
  std::vector<int> cartes;
  for (int c = 1; c <= 13; ++c)
    if (inconnues & (1u << c)) cartes.push_back(c);
  Admissibles res;
  const uint32_t n = static_cast<uint32_t>(cartes.size());
  for (uint32_t s = 0; s < (1u << n); ++s) {
    uint32_t ouest = t.MasqueConnu[Ouest];
    for (uint32_t i = 0; i < n; ++i)
      if (s & (1u << i)) ouest |= 1u << cartes[i];
    const uint32_t est = (inconnues & ~ouest) | t.MasqueConnu[Est];
    const int lo = NbBits(ouest), le = NbBits(est);
    if (l.Parite[Ouest] == "paire" && lo % 2 != 0) continue;
    if (l.Parite[Ouest] == "impaire" && lo % 2 == 0) continue;
    if (!DansIntervalle(lo, l.LongueurMin[Ouest] - 1, l.LongueurMax[Ouest] + 1)) continue;
    if (!DansIntervalle(le, l.LongueurMin[Est] - 1, l.LongueurMax[Est] + 1)) continue;
    if (!DansIntervalle(PointsMasque(ouest), l.PointsMin[Ouest] - 1, l.PointsMax[Ouest] + 1)) continue;
    if (!DansIntervalle(PointsMasque(est), l.PointsMin[Est] - 1, l.PointsMax[Est] + 1)) continue;
    if (lo > t.PlacesVacantes[Ouest] || le > t.PlacesVacantes[Est]) continue;
    res.existe = true;
    res.plusLongOuest = std::max(res.plusLongOuest, lo);
    res.plusLongEst = std::max(res.plusLongEst, le);
  }
  return res;
}

// The m lowest cards of a hand leave for row 4; returns how many left.
void GardeLesPlusHautes(TTableCouleur& t, int rangee, int garde) {
  int vues = 0;
  for (int c = 1; c <= 13; ++c) {
    if (!t.Position[rangee][c]) continue;
    if (++vues > garde) {
      t.Position[rangee][c] = 0;
      t.Position[4][c] = 1;
      --t.CartesEnJeu;
    }
  }
}

} // namespace

std::string MessageToujours(Langue langue, int levees) {
  const TMessages& m = TextesDe(langue).messages;
  return m.VousFerezToujours + std::to_string(levees) + (levees > 1 ? m.Levees : m.Levee);
}

void FixeRemontees(TLimite& limite, int choixSud, int longueurSud, int choixNord, int longueurNord) {
  if (choixSud >= 0 && choixSud < longueurSud) {
    limite.RemonteesSud = choixSud;
    limite.RemonteesNord = 13;
  } else if (choixNord >= 0 && choixNord < longueurNord) {
    limite.RemonteesNord = choixNord;
    limite.RemonteesSud = 13;
  } else if (choixSud < 0 && choixNord < 0) {
    limite.RemonteesSud = 14;
    limite.RemonteesNord = 14;
  }
}

void ReductionCanonique(Rangee& sud, Rangee& nord) {
  const int nN = LongueurRangee(nord), nS = LongueurRangee(sud);
  const int k = 13 - nN - nS;
  auto tenue = [&](int c) { return sud[c] || nord[c]; };

  // 1. Within each run of touching cards North takes the highest ones.
  for (bool change = true; change;) {
    change = false;
    for (int a = 1; a <= 12; ++a)
      for (int b = a + 1; b <= 13; ++b) {
        if (!sud[a] || !nord[b]) continue;
        bool touche = true;
        for (int c = a; c <= b && touche; ++c) touche = tenue(c);
        if (!touche) continue;
        sud[a] = 0, nord[a] = 1;
        nord[b] = 0, sud[b] = 1;
        change = true;
      }
  }

  // 2. Small cards beyond the k + 1 highest become the lowest free codes.
  auto petites = [&](Rangee& main, int longueur) {
    int vues = 0;
    for (int c = 1; c <= 13; ++c)
      if (main[c] && ++vues > k + 1) main[c] = 0;
    int n = LongueurRangee(main);
    for (int c = 13; c >= 1 && n < longueur; --c)
      if (!tenue(c)) main[c] = 1, ++n;
  };
  if (nN > k) {
    petites(sud, nS);
    petites(nord, nN);
  }

  // 3a: the hand's cards below the reference card become the lowest codes.
  auto basses = [&](Rangee& main, const Rangee& reference, int compte) {
    const std::vector<int> ref = CodesRangee(reference);
    int rang = std::min(k, compte);
    if (rang <= 0 || rang > static_cast<int>(ref.size())) rang = static_cast<int>(ref.size());
    const int c = rang > 0 ? ref[rang - 1] : 13;
    int m = 0;
    for (int d = c + 1; d <= 13; ++d) m += main[d] != 0;
    for (int d = c + 1; d <= 13 - m; ++d) main[d] = 0;
    for (int d = 14 - m; d <= 13; ++d) main[d] = 1;
  };

  if (nS > 0 && nS < nN) {
    basses(sud, nord, k);
    // 3b. North's small cards below South's lowest run are equivalent to the lowest codes.
    int bas = 0;
    for (int c = 1; c <= 13; ++c)
      if (sud[c]) bas = c;
    int t = 1, trou = 0;
    for (int c = bas - 1; c >= 1; --c) {
      if (sud[c]) ++t;
      else if (!nord[c]) {
        trou = c;
        break;
      }
    }
    bool auDessus = false;
    for (int c = 1; c < trou; ++c) auDessus = auDessus || nord[c];
    if (trou > 0 && !auDessus) {
      int retirees = 0;
      for (int c = 13; c > bas && retirees < t; --c)
        if (nord[c]) nord[c] = 0, ++retirees;
      for (int c = 13; c >= 1 && retirees > 0; --c)
        if (!sud[c] && !nord[c]) nord[c] = 1, --retirees;
    }
  } else if (nS == nN && nN > 0) {
    int plusBasse = 0;
    for (int c = 13; c >= 1 && !plusBasse; --c)
      if (tenue(c)) plusBasse = c;
    if (sud[plusBasse]) basses(sud, nord, nN);
    else basses(nord, sud, nN);
  }

  // 5. A code held twice stays North's; South takes the nearest free code above it.
  for (int c = 1; c <= 13; ++c) {
    if (!(sud[c] && nord[c])) continue;
    sud[c] = 0;
    int libre = 0;
    for (int d = c - 1; d >= 1 && !libre; --d)
      if (!sud[d] && !nord[d]) libre = d;
    for (int d = c + 1; d <= 13 && !libre; ++d)
      if (!sud[d] && !nord[d]) libre = d;
    if (libre) sud[libre] = 1;
  }
}

void CalculeMaxLevees(Analyse& a) {
  TTableCouleur& t = a.table;
  const int m = std::max(LongueurRangee(t.Position[0]), LongueurRangee(t.Position[2]));
  // The cards out of play (rows 4 to 6) are not the opponents' top cards.
  std::vector<int> reste;
  for (int c = 1; c <= 13; ++c) {
    bool hors = t.Position[0][c] || t.Position[2][c];
    for (int r = 4; r <= 6; ++r) hors = hors || t.Position[r][c];
    if (!hors) reste.push_back(c);
  }
  auto commence = [&](int n) {
    if (static_cast<int>(reste.size()) < n) return false;
    for (int i = 0; i < n; ++i)
      if (reste[i] != i + 1) return false;
    return true;
  };
  const int e = commence(3) ? 3 : commence(2) ? 2 : commence(1) ? 1 : 0;
  t.MaxLevees = std::max(1, std::min(m - e, 6));
}

IssuePreparation PreparationPosition(Analyse& a, const TTapis& tapis) {
  // Every analysis starts from a clean record: only the user's settings and the saved
  // layout survive an earlier attempt that stopped half-way.
  {
    const TLimite reglages = a.limite;
    InitialiseVariablesGlobales(a, false);
    a.limite.Parite[Ouest] = reglages.Parite[Ouest];
    a.limite.FlancLong = reglages.FlancLong;
    a.limite.FlancFort = reglages.FlancFort;
    a.limite.RemonteesNord = reglages.RemonteesNord;
    a.limite.RemonteesSud = reglages.RemonteesSud;
  }
  TTableCouleur& t = a.table;
  TLimite& l = a.limite;

  // 1. Read the pads.
  bool carteFlanc = false, jeton16 = false, defausseFlanc = false;
  for (const TCarteTapis& img : tapis.Images()) {
    const int c = img.code;
    switch (img.tapis) {
    case 1:
    case 3:
      if (c <= 13) t.Position[img.tapis - 1][c] = 1;
      break;
    case 2:
    case 4: {
      const int h = img.tapis;
      if (c <= 13) {
        t.Position[h - 1][c] = 1;
        t.MasqueConnu[h] |= static_cast<uint16_t>(1u << c);
        ++l.LongueurMin[h];
        l.PointsMin[h] += PointsCarte(c);
        carteFlanc = true;
      } else if (c == JetonInconnu) {
        ++l.LongueurMin[h];
        jeton16 = true;
      } else {
        --t.PlacesVacantes[h];
      }
      break;
    }
    case 6:
    case 8:
      if (c <= 13) {
        t.Position[4][c] = 1;
        --t.CartesEnJeu;
        t.PointsEnJeu -= PointsCarte(c);
      }
      break;
    case 7:
    case 9: {
      const int h = img.tapis == 7 ? Ouest : Est;
      if (c <= 13) {
        t.Position[h == Ouest ? 5 : 6][c] = 1;
        --t.CartesEnJeu;
        t.PointsEnJeu -= PointsCarte(c);
        defausseFlanc = true;
      }
      --t.PlacesVacantes[h];
      break;
    }
    default:
      break;
    }
  }
  int S = LongueurRangee(t.Position[0]), N = LongueurRangee(t.Position[2]);
  const int pointsNS = PointsMasque(MasqueRangee(t.Position[0]) | MasqueRangee(t.Position[2]));
  const int opp = t.CartesEnJeu - S - N;
  l.LongueurMax[Ouest] = t.CartesEnJeu - l.LongueurMin[Est] - (S + N);
  l.LongueurMax[Est] = t.CartesEnJeu - l.LongueurMin[Ouest] - (S + N);
  l.PointsMax[Ouest] = t.PointsEnJeu - l.PointsMin[Est] - pointsNS;
  l.PointsMax[Est] = t.PointsEnJeu - l.PointsMin[Ouest] - pointsNS;

  // 2.
  for (int h = 1; h <= 4; ++h) t.NbCartesMain[h] = LongueurRangee(t.Position[h - 1]);

  // 3. Strong opponent (on the points in play), long opponent, parity.
  auto fort = [&](int h, int o, int pts) {
    l.PointsMin[h] = std::max(l.PointsMin[h], pts / 2 + 1);
    l.PointsMax[o] = std::min(l.PointsMax[o], pts - l.PointsMin[h]);
  };
  const int pts = t.PointsEnJeu - pointsNS;
  if (l.FlancFort == "ouest") fort(Ouest, Est, pts);
  else if (l.FlancFort == "est") fort(Est, Ouest, pts);
  auto longue = [&](int h, int o) {
    l.LongueurMin[h] = std::max(l.LongueurMin[h], opp / 2 + 1);
    l.LongueurMax[o] = std::min(l.LongueurMax[o], opp - l.LongueurMin[h]);
  };
  if (l.FlancLong == "ouest") longue(Ouest, Est);
  else if (l.FlancLong == "est") longue(Est, Ouest);
  if (l.Parite[Ouest] == "paire" || l.Parite[Ouest] == "impaire") {
    const bool paire = l.Parite[Ouest] == "paire";
    l.Parite[Est] = (paire == (opp % 2 == 0)) ? "paire" : "impaire";
    const int reste = paire ? 0 : 1;
    if (l.LongueurMin[Ouest] % 2 != reste) {
      ++l.LongueurMin[Ouest];
      l.LongueurMax[Est] = opp - l.LongueurMin[Ouest];
    }
    if (((l.LongueurMax[Ouest] % 2) + 2) % 2 != reste) {
      --l.LongueurMax[Ouest];
      l.LongueurMin[Est] = opp - l.LongueurMax[Ouest];
    }
  }
  l.Contraintes = false;
  l.RemonteesLimitees = l.RemonteesNord < 14 || l.RemonteesSud < 14;
  if (!l.Parite[Ouest].empty() || !l.Parite[Est].empty() || !l.FlancLong.empty() || !l.FlancFort.empty()) {
    a.AffichageCanonique = a.JoueAlphaBetaAB = false;
    l.Contraintes = true;
  }
  if (carteFlanc || defausseFlanc) {
    a.AffichageCanonique = a.JoueAlphaBetaAB = a.TranspositionDeMains = a.ReductionCanonique = false;
    l.Contraintes = true;
  }
  if (jeton16) {
    a.AffichageCanonique = a.JoueAlphaBetaAB = false;
    l.Contraintes = true;
  }

  // 4. Orientation: North is the longer hand, or as long with the higher top card.
  int plusHaute = 0;
  for (int c = 13; c >= 1; --c)
    if (t.Position[0][c] || t.Position[2][c]) plusHaute = c;
  if (S > N || (S == N && plusHaute > 0 && t.Position[0][plusHaute])) {
    std::swap(t.Position[0], t.Position[2]);
    std::swap(t.Position[1], t.Position[3]);
    std::swap(t.NbCartesMain[1], t.NbCartesMain[3]);
    std::swap(t.NbCartesMain[2], t.NbCartesMain[4]);
    std::swap(t.MasqueConnu[Ouest], t.MasqueConnu[Est]);
    std::swap(l.LongueurMin[Ouest], l.LongueurMin[Est]);
    std::swap(l.LongueurMax[Ouest], l.LongueurMax[Est]);
    std::swap(l.PointsMin[Ouest], l.PointsMin[Est]);
    std::swap(l.PointsMax[Ouest], l.PointsMax[Est]);
    std::swap(t.PlacesVacantes[Ouest], t.PlacesVacantes[Est]);
    std::swap(l.Parite[Ouest], l.Parite[Est]);
    // The entry limit belongs to the hand the user gave it to.
    std::swap(l.RemonteesSud, l.RemonteesNord);
    l.FlancLong = AutreFlanc(l.FlancLong);
    l.FlancFort = AutreFlanc(l.FlancFort);
    std::swap(S, N);
  }

  // 5. An opponent never needs more known cards than the tricks to play; the ones set
  // aside still fill his places, his length and his points.
  const int L = std::max(S, N);
  for (int h : {Ouest, Est}) {
    while (LongueurRangee(t.Position[h - 1]) > L) {
      int c = 13;
      while (!t.Position[h - 1][c]) --c;
      t.Position[h - 1][c] = 0;
      t.Position[4][c] = 1;
      --t.CartesEnJeu;
      t.MasqueConnu[h] &= static_cast<uint16_t>(~(1u << c));
      --l.LongueurMin[h];
      --l.LongueurMax[h];
      --t.PlacesVacantes[h];
      l.PointsMin[h] -= PointsCarte(c);
      l.PointsMax[h] -= PointsCarte(c);
      l.Parite[h] = Inverse(l.Parite[h]);
    }
  }

  // 6, 7.
  for (int h = 1; h <= 4; ++h) {
    int i = 0;
    for (int c = 1; c <= 13; ++c)
      if (t.Position[h - 1][c]) t.ListeOrigine[h][++i] = c;
  }
  t.CopieSud = t.Position[0];
  t.CopieNord = t.Position[2];

  // 8, 9.
  if (a.ReductionCanonique) ReductionCanonique(t.Position[0], t.Position[2]);
  if (a.TranspositionDeMains) {
    const uint16_t s = static_cast<uint16_t>(MasqueRangee(t.Position[0]));
    const uint16_t n = static_cast<uint16_t>(MasqueRangee(t.Position[2]));
    if (const TRecordTransposition* r = a.references->ChercheTransposition(s, n)) {
      for (int c = 1; c <= 13; ++c) {
        t.Position[0][c] = (r->ImageSud >> c) & 1;
        t.Position[2][c] = (r->ImageNord >> c) & 1;
      }
    }
  }
  t.IndexRessource = 0;
  if (a.JoueAlphaBetaAB)
    t.IndexRessource = a.references->IndexPosition(
        (MasqueRangee(t.Position[2]) << 14) + MasqueRangee(t.Position[0]));

  // A long hand with limited entries may be stranded: its extra cards are no sure tricks.
  const bool nordLimite = l.RemonteesNord < 13 && N > S;
  if (nordLimite && L > 6) return IssuePreparation::LimiteRefusee;

  // 10.
  if (opp == 0 && !nordLimite) {
    a.ResultatDirect = L;
    t.LeveesEnPlus = 0;
    return IssuePreparation::ToujoursGagne;
  }

  // 11, 12. Every split of the unknown cards is examined.
  const Admissibles adm = ChercheAdmissibles(a);
  if (!nordLimite && opp > 0) {
    const int M = std::max(adm.plusLongOuest, adm.plusLongEst);
    if (M < L) {
      GardeLesPlusHautes(t, 0, M);
      GardeLesPlusHautes(t, 2, M);
      t.LeveesEnPlus = L - M;
    }
  }
  if (!adm.existe) return IssuePreparation::SansSolution;

  S = LongueurRangee(t.Position[0]);
  N = LongueurRangee(t.Position[2]);
  const Rangee sud = t.Position[0], nord = t.Position[2];

  // 14. One card each: the highest card in play wins the only trick.
  if (S <= 1 && N <= 1 && !l.Contraintes) {
    int haute = 0;
    for (int c = 13; c >= 1; --c)
      if (!t.Position[4][c] && !t.Position[5][c] && !t.Position[6][c]) haute = c;
    a.ResultatDirect = (haute > 0 && (sud[haute] || nord[haute])) ? 1 : 0;
  } else if (a.ResultatDirect == 14) {
    CalculeMaxLevees(a);
    t.MinLevees = 1;
  }

  // 13. Rows 0..3 become rank lists.
  for (int r = 0; r < 4; ++r) {
    const std::vector<int> codes = CodesRangee(t.Position[r]);
    t.Position[r] = {};
    for (size_t i = 0; i < codes.size(); ++i) t.Position[r][i + 1] = static_cast<int8_t>(codes[i]);
    t.NbCartesListe[r + 1] = static_cast<int>(codes.size());
  }

  // 15.
  t.NbCartesFlanc = t.CartesEnJeu - S - N;
  t.NbLevees = std::max(S, N);
  t.Liste[1] = {};
  t.NbPlis = 4 * t.NbLevees;
  t.DernierPli = 4 * (t.NbLevees - 1);

  // 16.
  for (int i = 1; i <= t.NbLevees; ++i) {
    t.Liste[1][i] = i <= S ? t.Position[0][i] : PasDeCarte;
    t.Liste[3][i] = i <= N ? t.Position[2][i] : PasDeCarte;
  }
  int n = 0;
  for (int c = 1; c <= 13; ++c) {
    if (sud[c] || nord[c] || t.Position[4][c] || t.Position[5][c] || t.Position[6][c]) continue;
    t.Liste[6][++n] = c;
  }
  t.NbCartesListe[6] = n;
  if (a.ResultatDirect <= 13) return IssuePreparation::ToujoursGagne;
  return IssuePreparation::Prete;
}

} // namespace vortanel
