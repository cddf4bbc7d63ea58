// One stored contact, and the Greek-prefix test that the whole plug-in shares.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "plugin/ole_date_time.h"

namespace kvaro {

// "SV", "SV5" and "SV9" exactly: case-sensitive, whole text.
bool IsGreekPrefix(std::string_view prefix);

struct QsoRecord {
  std::string call;
  std::string prefix;
  std::string region;
  std::string band;
  std::string mode;
  std::string rstReceived;
  std::string rstSent;
  std::string exchgReceived;
  std::string exchgSent;
  std::uint32_t freqKhz = 0;  // the host's frequency in Hz, divided by 1000
  COleDateTime time;

  // The callsign when the worked station is Greek, else empty. It follows from
  // the stored prefix, so it is not stored a second time.
  std::string_view greekCall() const {
    return IsGreekPrefix(prefix) ? std::string_view{call} : std::string_view{};
  }
};

}  // namespace kvaro
