#include "tests/unit/plugin_fixture.h"

namespace kvaro::test {
namespace {

class CallCheckTest : public PluginTest {
 protected:
  void SetUp() override {
    StartRun("Q1AB", "DL", "EU");
    Add({"DL1ABC", "CW", "DL", "EU", "20"});
    Add({"K1ZZ", "SSB", "K", "NA", "20"});
    Add({"SV1AA", "CW", "SV", "EU", "40"});
    Add({"", "RTTY", "F", "EU", "15"});
  }
};

TEST_F(CallCheckTest, Table) {
  struct Case {
    const char *call, *mode, *prefix, *band;
    CallCheckResult expected;
  } cases[] = {
      {"DL1ABC", "CW", "DL", "20", Duplicate},
      {"DL1ABC", "CW", "XX", "20", Duplicate},      // the prefix does not matter for a dupe
      {"DL1ABC", "SSB", "DL", "20", NewPrefix},     // other mode: neither dupe nor known prefix
      {"DL2XYZ", "CW", "DL", "20", KnownPrefix},
      {"dl1abc", "CW", "DL", "20", KnownPrefix},    // letter case counts
      {"W1AW", "CW", "K", "20", NewPrefix},         // K is worked on 20 in SSB only
      {"W1AW", "SSB", "K", "20", KnownPrefix},
      {"DL1ABC", "CW", "DL", "40", NewPrefix},      // DL on 40 not worked
      {"SV2BB", "CW", "SV", "40", KnownPrefix},     // a new Greek call with a known prefix
      {"", "RTTY", "G", "15", Duplicate},           // empty equals empty
      {"X", "RTTY", "F", "15", KnownPrefix},
      {"X", "CW", "F", "15m", NewPrefix},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(plugin.CheckCall(c.call, c.mode, c.prefix, c.band), c.expected)
        << c.call << " " << c.mode << " " << c.prefix << " " << c.band;
  }
}

TEST_F(CallCheckTest, EmptyLogAnswersNew) {
  StartRun("Q1AB", "DL", "EU");
  EXPECT_EQ(plugin.CheckCall("DL1ABC", "CW", "DL", "20"), NewPrefix);
  EXPECT_EQ(plugin.CheckCall("", "", "", ""), NewPrefix);
}

TEST_F(CallCheckTest, RemovedContactsNoLongerCount) {
  Add({"DL1ABC", "CW", "DL", "EU", "20"});  // logged twice
  Remove({"DL1ABC", "CW", "DL", "EU", "20"});
  EXPECT_EQ(plugin.CheckCall("DL1ABC", "CW", "DL", "20"), Duplicate);
  Remove({"DL1ABC", "CW", "DL", "EU", "20"});
  EXPECT_EQ(plugin.CheckCall("DL1ABC", "CW", "DL", "20"), NewPrefix);
  Remove({"K1ZZ", "SSB", "K", "NA", "20"});
  EXPECT_EQ(plugin.CheckCall("W1AW", "SSB", "K", "20"), NewPrefix);
  StartRun("Q1AB", "DL", "EU");
  EXPECT_EQ(plugin.CheckCall("SV1AA", "CW", "SV", "40"), NewPrefix);
}

TEST_F(CallCheckTest, ADupeAfterAKnownPrefixStillWins) {
  Add({"DL9ZZ", "CW", "DL", "EU", "20"});
  EXPECT_EQ(plugin.CheckCall("DL9ZZ", "CW", "DL", "20"), Duplicate);
}

}  // namespace
}  // namespace kvaro::test
