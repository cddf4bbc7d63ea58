#include "log/call_check.h"

namespace kvaro {

// One walk answers both questions: a duplicate anywhere wins over a known
// prefix found earlier.
CallCheckResult CheckCall(const QsoLog& log, std::string_view call, std::string_view mode,
                          std::string_view prefix, std::string_view band) {
  bool prefixKnown = false;
  for (const QsoRecord& r : log) {
    if (r.band != band || r.mode != mode) continue;
    if (r.call == call) return Duplicate;
    if (r.prefix == prefix) prefixKnown = true;
  }
  return prefixKnown ? KnownPrefix : NewPrefix;
}

}  // namespace kvaro
