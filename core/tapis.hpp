#pragma once
// The nine pads of the card layout and the rules that decide which card or chip may
// be laid where. The main window draws this model; the command-line tool deals
// through it, so both accept exactly the same positions.
#include <array>
#include <string>
#include <vector>

namespace vortanel {

// Pads: 1 South, 2 West, 3 North, 4 East, 5 central mat, 6..9 the earlier discards
// of South, West, North, East.
inline constexpr int TapisCentral = 5;
inline constexpr int NbTapis = 9;

struct TCarteTapis {
  int code = 0; // 1..13 a card, 16 or 17 a chip
  int tapis = TapisCentral;
};

enum class RefusDeplacement { Aucun, MemeTapis, Interdit, DefausseConnue, TropDeCartes };

class TTapis {
public:
  TTapis() { InitieTapisCentral(); }

  // The 13 cards and 26 chips of each kind on the central mat, counters cleared.
  void InitieTapisCentral();

  // Checks the move of picture `image` to pad `vers`; on acceptance the counters are
  // updated (the caller then moves the picture, or calls Deplace which does both).
  RefusDeplacement AccepteDeplacement(int image, int de, int vers);
  RefusDeplacement Deplace(int image, int vers);

  // The first picture with this code on this pad, or -1.
  int Cherche(int code, int tapis) const;

  // Pictures of a pad in display order: cards highest first, then chips 16, then chips 17.
  std::vector<int> RemiseEnOrdre(int tapis) const;
  std::vector<int> Codes(int tapis) const;

  // South's and North's cards (presence flags [1..13]) back on pads 1 and 3, every
  // other picture on the central mat.
  void RestaurePositionInitiale(const std::array<int8_t, 14>& sud, const std::array<int8_t, 14>& nord);

  const std::vector<TCarteTapis>& Images() const { return images_; }
  int CartesAuCentre() const { return centre_; }

private:
  struct Compteurs {
    int cartes = 0, jetons16 = 0, jetons17 = 0, defausses = 0, jetons17Defausse = 0;
  };
  void Compte(const TCarteTapis& image, int tapis, int sens);
  bool Depasse() const;

  std::vector<TCarteTapis> images_;
  std::array<Compteurs, 5> compteurs_{}; // [1..4] by player
  int centre_ = 0;
};

} // namespace vortanel
