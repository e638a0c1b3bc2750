#include "core/references.hpp"

#include <random>
#include <stdexcept>
#include <string>

namespace vortanel {

std::vector<std::vector<uint32_t>> LitBlob(std::string_view blob, uint32_t graine) {
  std::mt19937 cles(graine);
  std::vector<std::vector<uint32_t>> lignes;
  size_t debut = 0;
  while (debut < blob.size()) {
    size_t fin = blob.find("\r\n", debut);
    if (fin == std::string_view::npos) fin = blob.size();
    std::string_view ligne = blob.substr(debut, fin - debut);
    debut = fin + 2;
    if (ligne.empty()) continue;
    const uint32_t cle = graine ? static_cast<uint32_t>(cles()) : 0u;
    std::vector<uint32_t> valeurs;
    size_t i = 0;
    while (i < ligne.size()) {
      const size_t dollar = ligne.find('$', i);
      if (dollar == std::string_view::npos || dollar == i)
        throw std::invalid_argument("reference table: a number without its \"$\" in line " +
                                    std::to_string(lignes.size() + 1));
      uint64_t v = 0;
      for (size_t k = i; k < dollar; ++k) {
        const char ch = ligne[k];
        if (ch < '0' || ch > '9' || (v = v * 10 + uint64_t(ch - '0')) > 0xFFFFFFFFull)
          throw std::invalid_argument("reference table: a bad number in line " + std::to_string(lignes.size() + 1));
      }
      valeurs.push_back(static_cast<uint32_t>(v) ^ cle);
      i = dollar + 1;
    }
    lignes.push_back(std::move(valeurs));
  }
  return lignes;
}

TReferences::TReferences(std::string_view blobTransposition, uint32_t graineTransposition,
                         std::string_view blobPositions, uint32_t grainePositions) {
  for (const auto& l : LitBlob(blobTransposition, graineTransposition)) {
    if (l.size() != 4) throw std::invalid_argument("reference table: a transposition record needs 4 numbers");
    transposition_.push_back({uint16_t(l[0]), uint16_t(l[1]), uint16_t(l[2]), uint16_t(l[3])});
  }
  for (const auto& l : LitBlob(blobPositions, grainePositions)) {
    if (l.size() < 2 || l[1] > 1000 || l.size() != 2 + 5 * size_t(l[1]))
      throw std::invalid_argument("reference table: a position record needs a key, a count and 5 values per entry");
    TRecordPosition r;
    r.mots[0] = int32_t(l[0]);
    const int n = int(l[1]);
    r.mots[5001] = n;
    for (int t = 1; t <= n; ++t)
      for (int col = 0; col < 5; ++col) r.mots[size_t(col * 1000 + t)] = int32_t(l[size_t(2 + 5 * (t - 1) + col)]);
    positions_.push_back(std::move(r));
  }
}

const TRecordTransposition* TReferences::ChercheTransposition(uint16_t sud, uint16_t nord) const {
  for (const auto& r : transposition_)
    if (r.CleSud == sud && r.CleNord == nord) return &r;
  return nullptr;
}

std::vector<TRecordTransposition> TReferences::MemeImage(uint16_t imageSud, uint16_t imageNord) const {
  std::vector<TRecordTransposition> res;
  for (const auto& r : transposition_)
    if (r.ImageSud == imageSud && r.ImageNord == imageNord) res.push_back(r);
  return res;
}

int TReferences::IndexPosition(uint32_t cle) const {
  for (size_t i = 0; i < positions_.size(); ++i)
    if (uint32_t(positions_[i].mots[0]) == cle) return int(i + 1);
  return 0;
}

const TReferences& References() {
  static const TReferences tables;
  return tables;
}

} // namespace vortanel
