#include "score/band_order.h"

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace kvaro {

std::string BandSortKey(std::string_view label) {
  std::string key;
  if (label.size() < kBandKeyWidth) key.assign(kBandKeyWidth - label.size(), '0');
  key.append(label);
  return key;
}

void ExchangeSortBands(BandList& bands) {
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

void OrderBands(BandList& bands) {
  const std::size_t m = bands.size();
  std::vector<std::string> keys;
  keys.reserve(m);
  for (std::size_t i = 0; i < m; ++i) keys.push_back(BandSortKey(bands[i]));
  std::vector<std::size_t> order(m);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(), [&keys](std::size_t a, std::size_t b) { return keys[a] > keys[b]; });
  // With every key distinct the exchange sort ends in plain descending key
  // order, which a sort finds in m log m steps. Labels with equal keys (7
  // and 07) end in an order that only the exchange sort itself tells.
  for (std::size_t k = 1; k < m; ++k) {
    if (keys[order[k - 1]] == keys[order[k]]) return ExchangeSortBands(bands);
  }
  bands.Reorder(order);
}

}  // namespace kvaro
