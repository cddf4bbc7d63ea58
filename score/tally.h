// The figures of one band, and of all bands together.
#pragma once

#include <cstdint>

namespace kvaro {

// Counts are kept in 64 bits and clamped to the signed 32-bit range where
// they are shown, so that no log can overflow them.
struct BandFigures {
  std::int64_t qsos = 0;
  std::int64_t points = 0;
  std::int64_t cw = 0;
  std::int64_t ssb = 0;
  std::int64_t rtty = 0;
  std::int64_t dxcc = 0;
  std::int64_t greece = 0;
  std::int64_t greekStations = 0;

  BandFigures& operator+=(const BandFigures& other);
};

std::int32_t ClampToInt32(std::int64_t value);

}  // namespace kvaro
