// What one contact is worth in the TRIATHLON-DX-CONTEST.
#pragma once

#include <string_view>

namespace kvaro {

struct OwnStation {
  std::string_view prefix;
  std::string_view region;
  bool greek = false;
};

// 1 to 6 points, from whether the own and the worked station are Greek, and
// whether the worked station shares the own prefix or region.
int ContactPoints(const OwnStation& own, std::string_view prefix, std::string_view region);

// The same from what decides it: whether the own station is Greek, whether
// the worked prefix is Greek, and whether it equals the own prefix and its
// region the own region.
int ContactPoints(bool ownGreek, bool greek, bool samePrefix, bool sameRegion);

}  // namespace kvaro
