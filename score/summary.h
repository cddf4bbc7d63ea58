// The summary text: title, one row per band, total row and claimed score.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "log/band_list.h"
#include "log/qso_log.h"
#include "score/points.h"

namespace kvaro {

struct SummaryTitle {
  std::string_view startDayMonth;  // first placeholder of the period
  std::string_view endDate;        // second placeholder of the period
  std::string_view contestant;
};

struct Summary {
  std::string text;
  std::int32_t score = 0;
};

// Orders `bands` in place (it stays ordered), then counts every band from the
// log. The text ends right after the score, with no line end.
Summary BuildSummary(const SummaryTitle& title, const OwnStation& own, const QsoLog& log,
                     BandList& bands);

}  // namespace kvaro
