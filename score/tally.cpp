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

void BandTally::Count(const QsoRecord& record, const OwnStation& own) {
  ++figures_.qsos;
  if (record.mode() == "CW") ++figures_.cw;
  if (record.mode() == "SSB") ++figures_.ssb;
  if (record.mode() == "RTTY") ++figures_.rtty;
  figures_.points += ContactPoints(own, record.prefix(), record.region());
  if (IsGreekPrefix(record.prefix())) ++figures_.greece;
  const std::string_view greekCall = record.greekCall();
  if (!greekCall.empty() && greekCalls_.insert(greekCall).second) ++figures_.greekStations;
  if (prefixes_.insert(record.prefix()).second) ++figures_.dxcc;
}

}  // namespace kvaro
