#include <climits>

#include "score/summary.h"
#include "tests/unit/plugin_fixture.h"

namespace kvaro::test {
namespace {

constexpr const char* kTitle =
    "\t TRIATHLON-DX-CONTEST  15.06-16.06.2013 \r\n\t\tContestant: Q1AB\r\n"
    "Band\tQSOs\tPoints\tCW\tSSB\tRTTY\tDXCC\tGreece\r\n";

class SummaryTest : public PluginTest {
 protected:
  void LogWorkedExample() {
    Add({"X1", "CW", "SV", "A", "20"});
    Add({"X1", "SSB", "SV", "A", "20"});
    Add({"X2", "CW", "DL", "A", "20"});
    Add({"X3", "RTTY", "K", "B", "20"});
    Add({"X4", "CW", "SV9", "B", "40"});
    Add({"X5", "CW", "F", "A", "40"});
  }
};

TEST_F(SummaryTest, WorkedExampleForAStationOutsideGreece) {
  StartRun("Q1AB", "DL", "A");
  LogWorkedExample();
  std::int32_t result = 0;
  const std::string text = plugin.GetResult(&result);
  EXPECT_EQ(text, std::string(kTitle) +
                      "40\t 2\t 8\t 2\t 0\t 0\t 2\t 1\r\n"
                      "20\t 4\t 14\t 2\t 1\t 1\t 3\t 2\r\n"
                      "Total\t 6\t 22\t 4\t 1\t 1\t 5\t 3\r\n"
                      "Score: 22*(5+2) = 154");
  EXPECT_EQ(result, 154);
  EXPECT_EQ(plugin.claimedScore(), 154);
  EXPECT_EQ(platform.profile.at({"Plugins\\KVARO.ini", "Settings", "Claimed"}), "154");
}

TEST_F(SummaryTest, WorkedExampleForAGreekStation) {
  StartRun("Q1AB", "SV", "A");
  LogWorkedExample();
  EXPECT_EQ(Summary(), std::string(kTitle) +
                           "40\t 2\t 6\t 2\t 0\t 0\t 2\t 1\r\n"
                           "20\t 4\t 13\t 2\t 1\t 1\t 3\t 2\r\n"
                           "Total\t 6\t 19\t 4\t 1\t 1\t 5\t 3\r\n"
                           "Score: 19*(5+2) = 133");
}

TEST_F(SummaryTest, EmptyLogGivesTitleTotalAndZeroScore) {
  StartRun("Q1AB", "DL", "A");
  std::int32_t result = -7;
  EXPECT_EQ(std::string(plugin.GetResult(&result)),
            std::string(kTitle) + "Total\t 0\t 0\t 0\t 0\t 0\t 0\t 0\r\nScore: 0*(0+0) = 0");
  EXPECT_EQ(result, 0);
  EXPECT_EQ(platform.profile.at({"Plugins\\KVARO.ini", "Settings", "Claimed"}), "0");
}

TEST_F(SummaryTest, BeforeAnyRunTheContestantAndPeriodAreEmpty) {
  EXPECT_EQ(Summary(),
            "\t TRIATHLON-DX-CONTEST  - \r\n\t\tContestant: \r\n"
            "Band\tQSOs\tPoints\tCW\tSSB\tRTTY\tDXCC\tGreece\r\n"
            "Total\t 0\t 0\t 0\t 0\t 0\t 0\t 0\r\nScore: 0*(0+0) = 0");
}

TEST_F(SummaryTest, EmptyCallCountsOnlyInTheTotalQsos) {
  StartRun("Q1AB", "DL", "A");
  Add({"", "CW", "SV", "A", "20"});
  Add({"X1", "cw", "K", "B", "20"});  // lower-case mode: no mode column
  Add({"X2", "FM", "K", "B", "20"});
  EXPECT_EQ(Summary(), std::string(kTitle) +
                           "20\t 2\t 6\t 0\t 0\t 0\t 1\t 0\r\n"
                           "Total\t 3\t 6\t 0\t 0\t 0\t 1\t 0\r\n"
                           "Score: 6*(1+0) = 6");
}

TEST_F(SummaryTest, DistinctPrefixesAndGreekStationsAreCountedPerBand) {
  StartRun("Q1AB", "DL", "A");
  for (const char* band : {"20", "40", "80"}) Add({"SV1X", "CW", "SV", "A", band});
  Add({"SV1X", "CW", "SV", "A", "20"});  // same station again: two QSOs, one multiplier
  Add({"", "CW", "", "A", "20"});        // no call: not counted on the band
  Add({"X9", "CW", "", "A", "20"});      // an empty prefix is a prefix like any other
  const std::string text = Summary();
  EXPECT_NE(text.find("20\t 3\t 12\t 3\t 0\t 0\t 2\t 2\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Total\t 6\t 22\t 5\t 0\t 0\t 4\t 4\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Score: 22*(4+3) = 154"), std::string::npos) << text;
}

TEST_F(SummaryTest, RemovedBandKeepsARowOfZerosUntilTheNextRun) {
  StartRun("Q1AB", "DL", "A");
  Add({"X1", "CW", "K", "B", "15"});
  Add({"X2", "CW", "K", "B", "20"});
  Remove({"X1", "CW", "K", "B", "15"});
  EXPECT_NE(Summary().find("20\t 1\t 3\t 1\t 0\t 0\t 1\t 0\r\n15\t 0\t 0\t 0\t 0\t 0\t 0\t 0\r\n"),
            std::string::npos);
  StartRun("Q1AB", "DL", "A");
  EXPECT_EQ(Summary().find("15\t"), std::string::npos);
}

TEST_F(SummaryTest, PointsTable) {
  struct Case {
    const char *ownPrefix, *prefix, *region;
    int points;
  } cases[] = {
      {"DL", "DL", "B", 1},  {"DL", "SV", "A", 5},  {"DL", "SV", "B", 6},  {"DL", "F", "A", 2},
      {"DL", "F", "B", 3},   {"DL", "SV1", "B", 3}, {"DL", "sv", "A", 2},  {"", "", "B", 1},
      {"SV", "SV", "B", 4},  {"SV9", "SV5", "A", 4}, {"SV", "F", "A", 2},  {"SV", "F", "B", 3},
      {"SV5", "SV5 ", "A", 2},
  };
  for (const Case& c : cases) {
    const OwnStation own{c.ownPrefix, "A", IsGreekPrefix(c.ownPrefix)};
    EXPECT_EQ(ContactPoints(own, c.prefix, c.region), c.points)
        << "own " << c.ownPrefix << ", worked " << c.prefix << " in " << c.region;
  }
}

TEST_F(SummaryTest, ScoreBeyondTheInt32RangeIsClamped) {
  StartRun("Q1AB", "DL", "A");
  // 40000 distinct prefixes at 3 points: 120000 * 40000 does not fit in 32 bits.
  for (int i = 0; i < 40000; ++i) Add({"X", "CW", "P" + std::to_string(i), "B", "20"});
  std::int32_t result = 0;
  const std::string text = plugin.GetResult(&result);
  EXPECT_EQ(result, INT_MAX);
  EXPECT_NE(text.find("Score: 120000*(40000+0) = 2147483647"), std::string::npos);
}

TEST_F(SummaryTest, NullResultPointerIsNotWrittenThrough) {
  StartRun("Q1AB", "DL", "A");
  Add({"X1", "CW", "K", "B", "20"});
  const char* text = plugin.GetResult(nullptr);
  EXPECT_NE(std::string(text).find("Score: 3*(1+0) = 3"), std::string::npos);
  EXPECT_EQ(plugin.claimedScore(), 3);
}

TEST_F(SummaryTest, ReturnedTextStaysUntilTheNextSummary) {
  StartRun("Q1AB", "DL", "A");
  Add({"X1", "CW", "K", "B", "20"});
  std::int32_t result = 0;
  const char* text = plugin.GetResult(&result);
  const std::string before = text;
  StartRun("Q2XY", "SV", "B");
  Add({"X2", "SSB", "F", "A", "40"});
  Remove({"X2", "SSB", "F", "A", "40"});
  plugin.CheckCall("X1", "CW", "K", "20");
  EXPECT_EQ(std::string(text), before);
}

TEST_F(SummaryTest, FailedSettingsWriteStillReportsTheScore) {
  platform.failWrites = true;
  StartRun("Q1AB", "DL", "A");
  Add({"X1", "CW", "K", "B", "20"});
  std::int32_t result = 0;
  plugin.GetResult(&result);
  EXPECT_EQ(result, 3);
  ASSERT_EQ(platform.writes.size(), 1u);
  EXPECT_EQ(platform.writes[0].value, "3");
}

}  // namespace
}  // namespace kvaro::test
