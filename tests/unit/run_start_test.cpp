#include "tests/unit/plugin_fixture.h"

namespace kvaro::test {
namespace {

using RunStartTest = PluginTest;

TEST_F(RunStartTest, CompanionStartsOncePerLoading) {
  StartRun("Q1AB", "DL", "EU");
  StartRun("Q1AB", "DL", "EU");
  EXPECT_EQ(platform.started, (std::vector<std::string>{".\\Plugins\\Dorbex.exe"}));
  EXPECT_TRUE(plugin.stats().companionStarted);
}

TEST_F(RunStartTest, RecordsTheOwnStationAndEmptiesTheLists) {
  Add({"X", "CW", "K", "NA", "20"});
  StartRun("SV1ABC", "SV9", "EU", -1);
  EXPECT_EQ(plugin.qsoLog().size(), 0u);
  EXPECT_EQ(plugin.bandList().size(), 0u);
  const StatsState& s = plugin.stats();
  EXPECT_EQ(s.ownCall, "SV1ABC");
  EXPECT_EQ(s.ownPrefix, "SV9");
  EXPECT_EQ(s.ownRegion, "EU");
  EXPECT_EQ(s.exportFlag, -1);
  EXPECT_EQ(s.ownIsGreek, 1);
  EXPECT_STREQ(s.startDayMonth, "15.06");
  EXPECT_STREQ(s.endDate, "16.06.2013");
}

TEST_F(RunStartTest, OwnIsGreekOnlyForTheThreePrefixes) {
  for (auto [prefix, greek] : {std::pair{"SV", 1}, {"SV5", 1}, {"SV9", 1}, {"SV2", 0}, {"sv", 0}, {"", 0}}) {
    StartRun("Q1AB", prefix, "EU");
    EXPECT_EQ(plugin.stats().ownIsGreek, greek) << prefix;
  }
}

TEST_F(RunStartTest, PeriodTextsAreCutOrCopiedWhole) {
  struct Case {
    COleDateTime start, end;
    const char *dayMonth, *endDate;
  } cases[] = {
      {{41440.5, 0}, {41441.5, 0}, "15.06", "16.06.2013"},
      {{0.0, 0}, {0.0, 0}, "00:00", "00:00:00"},  // a time-only text is shorter than 10
      {{41440.5, COleDateTime::null}, {41441.5, COleDateTime::invalid}, "", ""},
  };
  for (Case& c : cases) {
    plugin.ResetStats({0, "Q1AB", &c.start, &c.end, "DL", "EU"});
    EXPECT_STREQ(plugin.stats().startDayMonth, c.dayMonth);
    EXPECT_STREQ(plugin.stats().endDate, c.endDate);
  }
  plugin.ResetStats({0, "Q1AB", nullptr, nullptr, "DL", "EU"});
  EXPECT_STREQ(plugin.stats().startDayMonth, "");
}

TEST_F(RunStartTest, SetupShowsItsMessageWithoutOwnerOrCaption) {
  StartRun("Q1AB", "DL", "EU");
  Add({"X", "CW", "K", "NA", "20"});
  plugin.Setup();
  ASSERT_EQ(platform.messages.size(), 1u);
  const ShownMessage& m = platform.messages[0];
  EXPECT_EQ(m.text, "No additional setup for this contest");
  EXPECT_FALSE(m.hasCaption);
  EXPECT_EQ(m.style, 0u);
  EXPECT_EQ(m.owner, BoxOwner::None);
  EXPECT_EQ(plugin.qsoLog().size(), 1u);
  EXPECT_EQ(plugin.stats().ownCall, "Q1AB");
}

}  // namespace
}  // namespace kvaro::test
