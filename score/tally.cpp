#include "score/tally.h"

#include <limits>

namespace kvaro {

BandFigures& BandFigures::operator+=(const BandFigures& other) {
  qsos += other.qsos;
  points += other.points;
  cw += other.cw;
  ssb += other.ssb;
  rtty += other.rtty;
  dxcc += other.dxcc;
  greece += other.greece;
  greekStations += other.greekStations;
  return *this;
}

std::int32_t ClampToInt32(std::int64_t value) {
  constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value < lo ? lo : value > hi ? hi : value);
}

}  // namespace kvaro
