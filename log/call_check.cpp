#include "log/call_check.h"

namespace kvaro {

// A duplicate anywhere in the log wins over a known prefix.
CallCheckResult CheckCall(const QsoLog& log, std::string_view call, std::string_view mode,
                          std::string_view prefix, std::string_view band) {
  if (log.HasCall(band, mode, call)) return Duplicate;
  return log.HasPrefix(band, mode, prefix) ? KnownPrefix : NewPrefix;
}

}  // namespace kvaro
