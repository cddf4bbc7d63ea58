// Puts the band labels in descending order of their zero-filled keys, so that
// bands named in metres come out with the longest wavelength first.
#pragma once

#include <string>
#include <string_view>

#include "log/band_list.h"

namespace kvaro {

inline constexpr std::size_t kBandKeyWidth = 20;

// The label filled on the left with "0" to 20 characters; longer labels are
// their own key.
std::string BandSortKey(std::string_view label);

// Orders the labels in place as an exchange sort does: for each position,
// every later label with a greater key is swapped into it. Labels with equal
// keys (7 and 07) are never swapped with each other, though a swap with a
// third label can still reorder them.
void OrderBands(BandList& bands);

// The exchange sort itself, step by step; m(m-1)/2 comparisons.
void ExchangeSortBands(BandList& bands);

}  // namespace kvaro
