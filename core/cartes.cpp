#include "core/cartes.hpp"

namespace vortanel {

namespace {
TTablesMasques Construit() {
  TTablesMasques t;
  for (int i = 0; i < 32; ++i) t.Puissance2[i] = uint32_t{1} << i;
  t.PlusHaute[0] = 14;
  t.PlusBasse[0] = 0;
  for (int m = 2; m <= 16382; m += 2) {
    bool premier = true;
    for (int c = 1; c <= 13; ++c) {
      if (m & (1 << c)) {
        if (premier) t.PlusHaute[m] = static_cast<uint8_t>(c);
        t.PlusBasse[m] = static_cast<uint8_t>(c);
        premier = false;
      }
    }
    if (premier) t.PlusHaute[m] = 14;
  }
  for (int m = 1; m <= 16382; m += 2) { // bit 0 is never a card
    t.PlusHaute[m] = t.PlusHaute[m - 1];
    t.PlusBasse[m] = t.PlusBasse[m - 1];
  }
  for (int m = 0; m <= 16382; ++m) {
    int n = 0;
    for (unsigned x = static_cast<unsigned>(m); x; x &= x - 1) ++n;
    t.NbBits[m] = static_cast<uint8_t>(n);
  }
  for (int c = 0; c <= 14; ++c) {
    uint16_t dessus = 0, dessous = 0;
    for (int d = 1; d <= 13; ++d) {
      if (d < c) dessus |= static_cast<uint16_t>(1u << d);
      if (d > c) dessous |= static_cast<uint16_t>(1u << d);
    }
    t.Dessus[c] = dessus;
    t.Dessous[c] = dessous;
  }
  for (int a = 0; a <= 14; ++a)
    for (int b = 0; b <= 14; ++b) t.Entre[a][b] = t.Dessus[a] & t.Dessous[b];
  return t;
}
} // namespace

const TTablesMasques& Masques() {
  static const TTablesMasques tables = Construit();
  return tables;
}

int PointsMasque(uint32_t masque) {
  int p = 0;
  for (int c = 1; c <= 4; ++c)
    if (masque & (1u << c)) p += 5 - c;
  return p;
}

bool DansIntervalle(int x, int lo, int hi) { return lo < x && x < hi; }

int64_t Factorielle(int n) {
  int64_t f = 1;
  for (int i = 2; i <= n; ++i) f *= i;
  return f;
}

int64_t ProduitDe(int n, int k) {
  int64_t p = 1;
  for (int i = k + 1; i <= n; ++i) p *= i;
  return p;
}

int64_t Combinaisons(int n, int k) {
  if (n == k) return 1;
  // Multiplicative form: exact in 64 bits for every n <= 62 and far past the 26 places used here.
  int kk = (n / 2 < k) ? n - k : k;
  int64_t r = 1;
  for (int i = 1; i <= kk; ++i) r = r * (n - kk + i) / i;
  return r;
}

std::string LettreCarte(int c, Langue langue) {
  static const char* const francais[] = {"", "A", "R", "D", "V", "X", "9", "8", "7", "6", "5", "4", "3", "2"};
  static const char* const anglais[] = {"", "A", "K", "Q", "J", "T", "9", "8", "7", "6", "5", "4", "3", "2"};
  if (c >= 1 && c <= 13) return langue == Langue::Anglais ? anglais[c] : francais[c];
  if (c == 14) return "-";
  if (c == 15 || c == 16) return " ";
  if (c == 0) return "*";
  return "";
}

} // namespace vortanel
