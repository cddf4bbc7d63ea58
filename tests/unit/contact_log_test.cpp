#include "tests/unit/plugin_fixture.h"

namespace kvaro::test {
namespace {

class ContactLogTest : public PluginTest {
 protected:
  void SetUp() override { StartRun("Q1AB", "DL", "EU"); }

  std::vector<std::string> Calls() const {
    std::vector<std::string> calls;
    for (const QsoRecord& r : plugin.qsoLog()) calls.emplace_back(r.call());
    return calls;
  }
};

TEST_F(ContactLogTest, StoresEveryFieldFromItsArgument) {
  Contact c{"SV5DKL", "SSB", "SV5", "EU", "20"};
  c.freqHz = 14025999;
  c.time = {41440.75, COleDateTime::invalid};
  const ContactArgs args{c.call.c_str(), &c.time, c.freqHz, "SSB", "57", "58", "011", "022",
                         "SV5", "EU", "20"};
  EXPECT_EQ(plugin.AddData(args), 1);
  ASSERT_EQ(plugin.qsoLog().size(), 1u);
  const QsoRecord& r = plugin.qsoLog()[0];
  EXPECT_EQ(r.call(), "SV5DKL");
  EXPECT_EQ(r.prefix(), "SV5");
  EXPECT_EQ(r.region(), "EU");
  EXPECT_EQ(r.band(), "20");
  EXPECT_EQ(r.mode(), "SSB");
  EXPECT_EQ(r.rstSent(), "57");
  EXPECT_EQ(r.rstReceived(), "58");
  EXPECT_EQ(r.exchgSent(), "011");
  EXPECT_EQ(r.exchgReceived(), "022");
  EXPECT_EQ(r.greekCall(), "SV5DKL");
  EXPECT_EQ(r.freqKhz, 14025u);
  const double time = r.time.value;  // the packed record's field is read by value
  EXPECT_EQ(time, 41440.75);
  EXPECT_EQ(r.time.status, COleDateTime::invalid);  // copied with its status
}

TEST_F(ContactLogTest, FrequencyIsCutToWholeKilohertz) {
  for (auto [hz, khz] : {std::pair{14025999u, 14025u}, {999u, 0u}, {4294967295u, 4294967u}}) {
    Contact c{"X", "CW", "K", "NA", "20"};
    c.freqHz = hz;
    Add(c);
    EXPECT_EQ(plugin.qsoLog()[plugin.qsoLog().size() - 1].freqKhz, khz);
  }
}

TEST_F(ContactLogTest, GreekCallOnlyForTheThreeGreekPrefixes) {
  for (const char* prefix : {"SV", "SV5", "SV9", "SV1", "sv", "SV ", ""}) {
    Add({"CALL", "CW", prefix, "EU", "20"});
  }
  std::vector<std::string> greek;
  for (const QsoRecord& r : plugin.qsoLog()) greek.emplace_back(r.greekCall());
  EXPECT_EQ(greek, (std::vector<std::string>{"CALL", "CALL", "CALL", "", "", "", ""}));
}

TEST_F(ContactLogTest, RemovalTakesTheEarliestMatchOnly) {
  Add({"A", "CW", "K", "NA", "20"});
  Add({"B", "CW", "K", "NA", "20"});
  Add({"B", "CW", "K", "NA", "20"});
  Add({"C", "CW", "K", "NA", "20"});
  // Prefix and region do not take part in the match.
  EXPECT_EQ(Remove({"B", "CW", "XX", "YY", "20"}), 1);
  EXPECT_EQ(Calls(), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(Remove({"B", "CW", "K", "NA", "20"}), 1);
  EXPECT_EQ(Calls(), (std::vector<std::string>{"A", "C"}));
}

TEST_F(ContactLogTest, RemovalNeedsCallModeAndBandEqual) {
  Add({"A", "CW", "K", "NA", "20"});
  for (Contact other : {Contact{"a", "CW", "K", "NA", "20"}, Contact{"A", "cw", "K", "NA", "20"},
                        Contact{"A", "CW", "K", "NA", "20m"}, Contact{"Z", "CW", "K", "NA", "20"}}) {
    EXPECT_EQ(Remove(other), 1);  // nothing matched is not a refusal
  }
  EXPECT_EQ(Calls(), (std::vector<std::string>{"A"}));
}

TEST_F(ContactLogTest, RemovalWithAnEmptyExchangeIsRefused) {
  Contact c{"A", "CW", "K", "NA", "20"};
  Add(c);
  Contact noSent = c, noReceived = c;
  noSent.exchgSent.clear();
  noReceived.exchgReceived.clear();
  EXPECT_EQ(Remove(noSent), 0);
  EXPECT_EQ(Remove(noReceived), 0);
  EXPECT_EQ(plugin.qsoLog().size(), 1u);
}

TEST_F(ContactLogTest, BandListKeepsFirstSeenDistinctLabels) {
  for (const char* band : {"20", "40", "20M", "20m", "20", "", "40"}) Add({"X", "CW", "K", "NA", band});
  const BandList& bands = plugin.bandList();
  std::vector<std::string> labels;
  for (std::size_t i = 0; i < bands.size(); ++i) labels.push_back(bands[i]);
  EXPECT_EQ(labels, (std::vector<std::string>{"20", "40", "20M", "20m", ""}));
  // A removal leaves the label in place.
  Remove({"X", "CW", "K", "NA", "20M"});
  EXPECT_EQ(plugin.bandList().size(), 5u);
}

TEST_F(ContactLogTest, NullTextsFromTheHostReadAsEmpty) {
  ContactArgs args{};
  EXPECT_EQ(plugin.AddData(args), 1);
  EXPECT_EQ(plugin.qsoLog()[0].call(), "");
  EXPECT_EQ(plugin.qsoLog()[0].time.status, COleDateTime::valid);
  EXPECT_EQ(plugin.RemoveData(args), 0);
}

}  // namespace
}  // namespace kvaro::test
