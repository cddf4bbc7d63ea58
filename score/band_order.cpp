#include "score/band_order.h"

#include <utility>
#include <vector>

namespace kvaro {

std::string BandSortKey(std::string_view label) {
  std::string key;
  if (label.size() < kBandKeyWidth) key.assign(kBandKeyWidth - label.size(), '0');
  key.append(label);
  return key;
}

void OrderBands(BandList& bands) {
  const std::size_t m = bands.size();
  // The keys travel with their labels, so each is built once.
  std::vector<std::string> keys;
  keys.reserve(m);
  for (std::size_t i = 0; i < m; ++i) keys.push_back(BandSortKey(bands[i]));
  for (std::size_t i = 0; i + 1 < m; ++i) {
    for (std::size_t j = i + 1; j < m; ++j) {
      // std::string compares bytes as unsigned char.
      if (keys[i] < keys[j]) {
        keys[i].swap(keys[j]);
        bands.Swap(i, j);
      }
    }
  }
}

}  // namespace kvaro
