#pragma once
// The two read-only reference tables: holdings and their equivalent images, and the
// prepared data of some North-South holdings. They are loaded from text blobs: lines
// ended by CR LF, each a run of decimal numbers each followed by "$"; with a non-zero
// seed every number of a line is XOR-ed with a key drawn for that line.
#include <cstdint>
#include <string_view>
#include <vector>

namespace vortanel {

struct TRecordTransposition {
  uint16_t CleSud = 0, ImageSud = 0, CleNord = 0, ImageNord = 0;
};

// 5002 words: [0] key (North mask x 2^14 + South mask), [1..1000], [1001..2000],
// [2001..3000], [3001..4000], [4001..5000] five columns, [5001] entries per column.
struct TRecordPosition {
  std::vector<int32_t> mots = std::vector<int32_t>(5002, 0);
};

// Decodes a blob into its lines of numbers.
std::vector<std::vector<uint32_t>> LitBlob(std::string_view blob, uint32_t graine);

class TReferences {
public:
  // Empty tables: every lookup fails.
  TReferences() = default;
  // Throws std::invalid_argument on a malformed blob.
  TReferences(std::string_view blobTransposition, uint32_t graineTransposition, std::string_view blobPositions,
              uint32_t grainePositions);

  // The first record for this holding, or nullptr.
  const TRecordTransposition* ChercheTransposition(uint16_t sud, uint16_t nord) const;
  // The records whose image is this holding (holdings that share it).
  std::vector<TRecordTransposition> MemeImage(uint16_t imageSud, uint16_t imageNord) const;
  // 1-based number of the first record with this key, 0 when absent.
  int IndexPosition(uint32_t cle) const;
  const TRecordPosition& Position(int index) const { return positions_[size_t(index - 1)]; }

  const std::vector<TRecordTransposition>& TableTransposition() const { return transposition_; }
  const std::vector<TRecordPosition>& TablePositions() const { return positions_; }

private:
  std::vector<TRecordTransposition> transposition_;
  std::vector<TRecordPosition> positions_;
};

// The tables the program ships (empty).
const TReferences& References();

} // namespace vortanel
