#include "worlds/masques.hpp"

#include <algorithm>

namespace vortanel {

void FaitLesMasques(Analyse& a) {
  TTableCouleur& t = a.table;
  const int R = t.NbMondes;
  const int F = t.MaxLevees + 1;
  const int K = std::min(32 / F, R);
  t.LargeurChamp = F;
  t.MondesParMot = K;
  t.NbMots = (R - 1) / K + 1;
  uint32_t garde = 0;
  for (int d = 0; d < K; ++d) garde |= 1u << ((d + 1) * F - 1);
  t.BitsDeGarde = garde;
  t.BitsDeGardeComplement = ~garde;
  t.BitGardeMonde.assign(size_t(R), 0);
  t.TrouChampMonde.assign(size_t(R), 0);
  t.ChampMonde.assign(size_t(R), 0);
  const uint32_t champ = (1u << F) - 1;
  for (int r = 0; r < R; ++r) {
    const int i = r % K;
    t.BitGardeMonde[r] = 1u << ((i + 1) * F - 1);
    t.ChampMonde[r] = champ << (i * F);
    t.TrouChampMonde[r] = ~t.ChampMonde[r];
  }
  t.RangAffiche = {};
  for (int j = 1; j <= t.NbLevees; ++j) {
    if (t.Liste[1][j] <= 13) t.RangAffiche[t.Liste[1][j]] = static_cast<uint8_t>(t.ListeOrigine[Sud][j]);
    if (t.Liste[3][j] <= 13) t.RangAffiche[t.Liste[3][j]] = static_cast<uint8_t>(t.ListeOrigine[Nord][j]);
  }
  t.RangAffiche[14] = 0;
  t.Thermo = {};
  for (int n = 1; n <= F - 1; ++n) {
    uint64_t m = 0;
    for (int i = 0; i < K; ++i) m |= ((uint64_t{1} << n) - 1) << (i * F);
    t.Thermo[n] = static_cast<uint32_t>(m);
  }
  for (int n = F; n <= 13; ++n) t.Thermo[n] = t.Thermo[F - 1];
}

} // namespace vortanel
