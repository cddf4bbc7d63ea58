#include "score/points.h"

#include "log/qso_record.h"

namespace kvaro {

int ContactPoints(const OwnStation& own, std::string_view prefix, std::string_view region) {
  return ContactPoints(own.greek, IsGreekPrefix(prefix), prefix == own.prefix, region == own.region);
}

int ContactPoints(bool ownGreek, bool greek, bool samePrefix, bool sameRegion) {
  if (ownGreek) {
    // A Greek own station never compares its own prefix.
    if (greek) return 4;
    return sameRegion ? 2 : 3;
  }
  if (samePrefix) return 1;
  if (sameRegion) return greek ? 5 : 2;
  return greek ? 6 : 3;
}

}  // namespace kvaro
