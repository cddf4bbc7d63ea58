#include "plugin/ole_date_time.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "platform/platform.h"

namespace kvaro {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr sys_days kOleEpoch = sys_days{std::chrono::year{1899} / 12 / 30};
constexpr long long kSecondsPerDay = 86400;

bool InRange(double v) { return std::isfinite(v) && v >= kOleDateMin && v <= kOleDateMax; }

// An OLE date counts whole days from the epoch, and its fraction is the time
// of day also before the epoch: -1.25 is 29 December 1899, 06:00. The result
// is the calendar day and the second of that day, rounded to the nearest second.
struct CalendarSecond {
  sys_days day;
  long long secondOfDay;
};

CalendarSecond SplitRounded(double v) {
  const double wholeDays = std::trunc(v);
  const double fraction = std::fabs(v - wholeDays);
  long long second = std::llround(fraction * kSecondsPerDay);
  sys_days day = kOleEpoch + days{static_cast<long long>(wholeDays)};
  if (second >= kSecondsPerDay) {
    second -= kSecondsPerDay;
    day += days{1};
  }
  return {day, second};
}

std::tm ToTm(const CalendarSecond& cs) {
  const year_month_day ymd{cs.day};
  const std::chrono::weekday wd{cs.day};
  const sys_days yearStart = sys_days{ymd.year() / 1 / 1};
  std::tm tm{};
  tm.tm_year = static_cast<int>(ymd.year()) - 1900;
  tm.tm_mon = static_cast<int>(static_cast<unsigned>(ymd.month())) - 1;
  tm.tm_mday = static_cast<int>(static_cast<unsigned>(ymd.day()));
  tm.tm_hour = static_cast<int>(cs.secondOfDay / 3600);
  tm.tm_min = static_cast<int>(cs.secondOfDay / 60 % 60);
  tm.tm_sec = static_cast<int>(cs.secondOfDay % 60);
  tm.tm_wday = static_cast<int>(wd.c_encoding());
  tm.tm_yday = static_cast<int>((cs.day - yearStart).count());
  tm.tm_isdst = 0;
  return tm;
}

}  // namespace

std::string FormatOleDate(const COleDateTime& date, const char* strftimeFormat) {
  if (date.status != COleDateTime::valid || !InRange(date.value) || strftimeFormat == nullptr ||
      *strftimeFormat == '\0') {
    return {};
  }
  const std::tm tm = ToTm(SplitRounded(date.value));
  // strftime reports 0 both for "too small" and for an empty result; grow the
  // buffer a few times and give up on formats that expand without bound.
  std::string out(64, '\0');
  for (int attempt = 0; attempt < 8; ++attempt) {
    const std::size_t n = std::strftime(out.data(), out.size(), strftimeFormat, &tm);
    if (n > 0) {
      out.resize(n);
      return out;
    }
    out.resize(out.size() * 4);
  }
  return {};
}

std::string FormatOleDateLocale(const COleDateTime& date, Platform& platform) {
  if (date.status != COleDateTime::valid) return {};
  return platform.FormatLocaleDateTime(date.value);
}

std::string FormatOleDateDayFirst(double oleDate) {
  if (!InRange(oleDate)) return {};
  const bool dateOmitted = std::trunc(oleDate) == 0.0;
  // A value of exactly 0 would omit both; it is shown as the time of day.
  const bool timeOmitted = oleDate - std::trunc(oleDate) == 0.0 && !dateOmitted;
  const std::tm tm = ToTm(SplitRounded(oleDate));
  char buffer[32];
  std::string out;
  if (!dateOmitted) {
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", tm.tm_mday, tm.tm_mon + 1,
                  tm.tm_year + 1900);
    out += buffer;
  }
  if (!timeOmitted) {
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
    if (!out.empty()) out += ' ';
    out += buffer;
  }
  return out;
}

}  // namespace kvaro
