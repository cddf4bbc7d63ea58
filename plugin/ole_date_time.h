// The host's date-time record and the two texts the plug-in makes of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The record exactly as it crosses the library boundary: 12 bytes, the status
// right behind the 8-byte date, whatever alignment the compiler prefers.
#pragma pack(push, 4)
class COleDateTime {
 public:
  enum Status : std::int32_t { valid = 0, invalid = 1, null = 2 };

  double value = 0.0;  // days since 30 December 1899; the fraction is the time of day
  std::int32_t status = valid;
};
#pragma pack(pop)

static_assert(sizeof(COleDateTime) == 12);
static_assert(offsetof(COleDateTime, value) == 0);
static_assert(offsetof(COleDateTime, status) == 8);

namespace kvaro {

class Platform;

// First and last OLE dates that have a calendar text (1 January 100 and
// 31 December 9999).
inline constexpr double kOleDateMin = -657434.0;
inline constexpr double kOleDateMax = 2958465.0;

// The record in strftime notation, with the calendar fields of the nearest
// whole second. Empty for a record that is not valid or lies outside the range.
std::string FormatOleDate(const COleDateTime& date, const char* strftimeFormat);

// The record as the user's default locale writes it. Empty for a record that
// is not valid.
std::string FormatOleDateLocale(const COleDateTime& date, Platform& platform);

// The locale text of the POSIX build: DD.MM.YYYY HH:MM:SS, without the time
// when the fraction is exactly 0 and without the date when the day number is 0.
std::string FormatOleDateDayFirst(double oleDate);

}  // namespace kvaro
