#include "core/tapis.hpp"

#include <algorithm>

namespace vortanel {

namespace {
// The player a pad belongs to (1..4), 0 for the central mat.
int JoueurDuTapis(int tapis) {
  if (tapis >= 1 && tapis <= 4) return tapis;
  if (tapis >= 6 && tapis <= 9) return tapis - 5;
  return 0;
}
bool EstDefausse(int tapis) { return tapis >= 6 && tapis <= 9; }
} // namespace

void TTapis::InitieTapisCentral() {
  images_.clear();
  for (int c = 1; c <= 13; ++c) images_.push_back({c, TapisCentral});
  for (int i = 0; i < 26; ++i) images_.push_back({16, TapisCentral});
  for (int i = 0; i < 26; ++i) images_.push_back({17, TapisCentral});
  compteurs_ = {};
  centre_ = 13;
}

void TTapis::Compte(const TCarteTapis& image, int tapis, int sens) {
  if (tapis == TapisCentral) {
    if (image.code < 14) centre_ += sens;
    return;
  }
  Compteurs& k = compteurs_[JoueurDuTapis(tapis)];
  if (EstDefausse(tapis)) {
    if (image.code < 14) k.defausses += sens;
    else if (image.code == 17) k.jetons17Defausse += sens;
  } else if (image.code < 14) {
    k.cartes += sens;
  } else if (image.code == 16) {
    k.jetons16 += sens;
  } else {
    k.jetons17 += sens;
  }
}

bool TTapis::Depasse() const {
  int couleur = 0;
  for (int h = 1; h <= 4; ++h) {
    const Compteurs& k = compteurs_[h];
    couleur += k.cartes + k.jetons16 + k.defausses;
    if (k.cartes + k.jetons16 + k.jetons17 + k.defausses + k.jetons17Defausse > 13) return true;
  }
  return couleur > 13;
}

RefusDeplacement TTapis::AccepteDeplacement(int image, int de, int vers) {
  if (de == vers) return RefusDeplacement::MemeTapis;
  const TCarteTapis& img = images_[image];
  const bool libre = de == 1 || de == 3 || de == 6 || de == 8 || vers == 2 || vers == 4 || vers == 5;
  if (!libre && img.code >= 14) {
    if (vers == 1 || vers == 3 || vers == 6 || vers == 8) return RefusDeplacement::Interdit;
    if (img.code == 16) return RefusDeplacement::DefausseConnue;
    return RefusDeplacement::Interdit;
  }
  Compte(img, de, -1);
  Compte(img, vers, +1);
  // The counts are checked on every move but those to the mat, so no player can be
  // given more than 13 cards whatever pad the move comes from.
  if (vers != TapisCentral && Depasse()) {
    Compte(img, vers, -1);
    Compte(img, de, +1);
    return RefusDeplacement::TropDeCartes;
  }
  return RefusDeplacement::Aucun;
}

RefusDeplacement TTapis::Deplace(int image, int vers) {
  const RefusDeplacement r = AccepteDeplacement(image, images_[image].tapis, vers);
  if (r == RefusDeplacement::Aucun) images_[image].tapis = vers;
  return r;
}

int TTapis::Cherche(int code, int tapis) const {
  for (size_t i = 0; i < images_.size(); ++i)
    if (images_[i].code == code && images_[i].tapis == tapis) return static_cast<int>(i);
  return -1;
}

std::vector<int> TTapis::RemiseEnOrdre(int tapis) const {
  std::vector<int> ordre;
  for (size_t i = 0; i < images_.size(); ++i)
    if (images_[i].tapis == tapis) ordre.push_back(static_cast<int>(i));
  std::stable_sort(ordre.begin(), ordre.end(), [&](int x, int y) { return images_[x].code < images_[y].code; });
  return ordre;
}

std::vector<int> TTapis::Codes(int tapis) const {
  std::vector<int> codes;
  for (int i : RemiseEnOrdre(tapis)) codes.push_back(images_[i].code);
  return codes;
}

void TTapis::RestaurePositionInitiale(const std::array<int8_t, 14>& sud, const std::array<int8_t, 14>& nord) {
  InitieTapisCentral();
  for (int c = 1; c <= 13; ++c) {
    if (sud[c]) Deplace(c - 1, 1);
    else if (nord[c]) Deplace(c - 1, 3);
  }
}

} // namespace vortanel
