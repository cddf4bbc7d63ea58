// The answer to "is this station a duplicate, or is its prefix known here?"
#pragma once

#include <string_view>

#include "log/qso_log.h"

namespace kvaro {

enum CallCheckResult : int {
  Duplicate = 0,    // same call, band and mode already logged
  KnownPrefix = 1,  // not a duplicate, but the prefix is logged on this band and mode
  NewPrefix = 2,    // neither
};

CallCheckResult CheckCall(const QsoLog& log, std::string_view call, std::string_view mode,
                          std::string_view prefix, std::string_view band);

}  // namespace kvaro
