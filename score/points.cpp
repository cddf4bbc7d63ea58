#include "score/points.h"

#include "log/qso_record.h"

namespace kvaro {

int ContactPoints(const OwnStation& own, std::string_view prefix, std::string_view region) {
  const bool greek = IsGreekPrefix(prefix);
  const bool sameRegion = region == own.region;
  if (own.greek) {
    // A Greek own station never compares its own prefix.
    if (greek) return 4;
    return sameRegion ? 2 : 3;
  }
  if (prefix == own.prefix) return 1;
  if (sameRegion) return greek ? 5 : 2;
  return greek ? 6 : 3;
}

}  // namespace kvaro
