#include "log/qso_record.h"

namespace kvaro {

bool IsGreekPrefix(std::string_view prefix) {
  return prefix == "SV" || prefix == "SV5" || prefix == "SV9";
}

}  // namespace kvaro
