// The pieces of a Cabrillo 2.0 log that do not touch a file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "export/export_context.h"

namespace kvaro {

inline constexpr const char* kExtraHeaderFile = "cabrillo.ini";

// "CW" for "CW", "PH" for "SSB", "RY" for every other mode text.
const char* CabrilloModeCode(std::string_view mode);

// The twelve header lines, each ending with CR LF.
std::string CabrilloHeader(const StationInfo& station, std::int32_t claimedScore);

}  // namespace kvaro
