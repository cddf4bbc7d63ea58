#include "log/qso_log.h"

#include <algorithm>

namespace kvaro {

bool QsoLog::RemoveFirst(std::string_view call, std::string_view mode, std::string_view band) {
  const auto it = std::find_if(records_.begin(), records_.end(), [&](const QsoRecord& r) {
    return r.call == call && r.mode == mode && r.band == band;
  });
  if (it == records_.end()) return false;
  records_.erase(it);
  return true;
}

}  // namespace kvaro
