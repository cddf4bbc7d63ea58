#include <gtest/gtest.h>

#include <string>

#include "plugin/ole_date_time.h"
#include "tests/unit/fake_platform.h"

namespace kvaro::test {
namespace {

constexpr double k15June2013 = 41440.0;

TEST(DateTime, CabrilloFormTable) {
  struct Case {
    double value;
    std::int32_t status;
    std::string expected;
  } cases[] = {
      {k15June2013 + (9 * 60 + 30) / 1440.0, COleDateTime::valid, "2013-06-15 0930"},
      {k15June2013 + (9 * 3600 + 29 * 60 + 59.6) / 86400.0, COleDateTime::valid, "2013-06-15 0930"},
      {k15June2013 + (23 * 3600 + 59 * 60 + 59.7) / 86400.0, COleDateTime::valid, "2013-06-16 0000"},
      {0.0, COleDateTime::valid, "1899-12-30 0000"},
      {-1.25, COleDateTime::valid, "1899-12-29 0600"},  // before the epoch the fraction is still the time
      {kOleDateMax, COleDateTime::valid, "9999-12-31 0000"},
      {kOleDateMin - 0.5, COleDateTime::valid, ""},
      {kOleDateMax + 0.5, COleDateTime::valid, ""},
      {k15June2013, COleDateTime::invalid, ""},
      {k15June2013, COleDateTime::null, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatOleDate({c.value, c.status}, "%Y-%m-%d %H%M"), c.expected) << c.value;
  }
}

TEST(DateTime, FirstDayOfTheRangeHasAText) {
  const std::string text = FormatOleDate({kOleDateMin, COleDateTime::valid}, "%m-%d %H%M");
  EXPECT_EQ(text, "01-01 0000");
}

TEST(DateTime, StrftimeFormHandlesLongAndEmptyFormats) {
  const COleDateTime date{k15June2013 + 0.5, COleDateTime::valid};
  EXPECT_EQ(FormatOleDate(date, "%A %d %B %Y, %H:%M:%S"), "Saturday 15 June 2013, 12:00:00");
  EXPECT_EQ(FormatOleDate(date, ""), "");
  EXPECT_EQ(FormatOleDate(date, std::string(500, 'x').c_str()), std::string(500, 'x'));
}

TEST(DateTime, DayFirstLocaleFormTable) {
  struct Case {
    double value;
    std::string expected;
  } cases[] = {
      {k15June2013 + 0.5, "15.06.2013 12:00:00"},
      {k15June2013, "15.06.2013"},           // midnight: no time
      {0.75, "18:00:00"},                    // day 0: no date
      {0.0, "00:00:00"},
      {k15June2013 + 1.0 / 86400 / 4, "15.06.2013 00:00:00"},  // not exactly midnight
      {kOleDateMax + 1, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatOleDateDayFirst(c.value), c.expected) << c.value;
}

TEST(DateTime, LocaleFormAsksThePlatformOnlyForValidRecords) {
  FakePlatform platform;
  EXPECT_EQ(FormatOleDateLocale({k15June2013, COleDateTime::null}, platform), "");
  EXPECT_EQ(FormatOleDateLocale({k15June2013, COleDateTime::invalid}, platform), "");
  EXPECT_EQ(platform.localeCalls, 0);
  EXPECT_EQ(FormatOleDateLocale({k15June2013 + 0.5, COleDateTime::valid}, platform),
            "15.06.2013 12:00:00");
}

TEST(DateTime, DefaultRecordIsValidZero) {
  const COleDateTime d;
  const double value = d.value;  // the packed record's field is read by value
  EXPECT_EQ(value, 0.0);
  EXPECT_EQ(d.status, COleDateTime::valid);
}

}  // namespace
}  // namespace kvaro::test
