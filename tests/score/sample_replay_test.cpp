// The bundled sample log replayed through the native exports: the summary's
// figures agree with a count made here, independently, from the records.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>

#include "tools/score/file_text.h"
#include "tools/score/log_conversion.h"
#include "tools/score/replay.h"

namespace kvaro::score {
namespace {

struct Row {
  long qsos = 0, points = 0, cw = 0, ssb = 0, rtty = 0, dxcc = 0, greece = 0;
  bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Row& r) {
  return o << r.qsos << " " << r.points << " " << r.cw << " " << r.ssb << " " << r.rtty << " " << r.dxcc << " "
           << r.greece;
}

bool Greek(const std::string& prefix) { return prefix == "SV" || prefix == "SV5" || prefix == "SV9"; }

// The contest's points for an own station outside Greece.
long Points(const ReplayContact& c, const ReplayPlan& p) {
  if (c.prefix == p.ownPrefix) return 1;
  if (c.region == p.ownRegion) return Greek(c.prefix) ? 5 : 2;
  return Greek(c.prefix) ? 6 : 3;
}

TEST(SampleReplay, SummaryAgreesWithAnIndependentCount) {
  CountryFile countries;
  std::string error;
  ASSERT_TRUE(countries.Load(ReadFileText(kDebianCountryFile).value_or(""), error)) << error;
  const std::optional<AdifLog> log = ReadAdif(ReadFileText(KVARO_SOURCE_DIR "/examples/sample.adi").value_or(""), error);
  ASSERT_TRUE(log) << error;
  const std::optional<Conversion> conversion = ConvertLog(*log, countries, {}, error);
  ASSERT_TRUE(conversion) << error;
  const ReplayPlan& plan = conversion->plan;
  ASSERT_FALSE(Greek(plan.ownPrefix));
  ASSERT_GE(plan.contacts.size(), 300u);

  std::map<std::string, Row> expected;
  std::map<std::string, std::set<std::string>> prefixes, greekCalls;
  Row total;
  long greekStations = 0;
  std::set<std::string> seen;
  long dupes = 0;
  for (const ReplayContact& c : plan.contacts) {
    Row& r = expected[c.band];
    ++r.qsos;
    r.points += Points(c, plan);
    r.cw += c.mode == "CW";
    r.ssb += c.mode == "SSB";
    r.rtty += c.mode == "RTTY";
    r.greece += Greek(c.prefix);
    if (prefixes[c.band].insert(c.prefix).second) ++r.dxcc;
    if (Greek(c.prefix) && greekCalls[c.band].insert(c.call).second) ++greekStations;
    if (!seen.insert(c.call + "|" + c.band + "|" + c.mode).second) ++dupes;
  }
  for (const auto& [band, r] : expected) {
    total.points += r.points, total.cw += r.cw, total.ssb += r.ssb, total.rtty += r.rtty;
    total.dxcc += r.dxcc, total.greece += r.greece;
  }
  total.qsos = static_cast<long>(plan.contacts.size());

  const ReplayOutcome outcome = ReplayNative(plan);
  std::map<std::string, Row> rows;
  Row totalRow;
  std::istringstream lines(outcome.summary);
  std::string line;
  for (int i = 0; std::getline(lines, line); ++i) {
    if (i < 3 || line.rfind("Score", 0) == 0) continue;
    std::istringstream fields(line);
    std::string label;
    Row r;
    fields >> label >> r.qsos >> r.points >> r.cw >> r.ssb >> r.rtty >> r.dxcc >> r.greece;
    (label == "Total" ? totalRow : rows[label]) = r;
  }
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(totalRow, total);
  const long score = total.points * (total.dxcc + greekStations);
  EXPECT_EQ(outcome.result, score);
  EXPECT_NE(outcome.summary.find("Score: " + std::to_string(total.points) + "*(" + std::to_string(total.dxcc) + "+" +
                                 std::to_string(greekStations) + ") = " + std::to_string(score)),
            std::string::npos)
      << outcome.summary;
  // The duplicate check refused exactly the repeated call, band and mode.
  long refused = 0;
  for (int answer : outcome.checks) refused += answer == 0;
  EXPECT_EQ(refused, dupes);
  EXPECT_GT(dupes, 0);
  // The sample has what it promises: Greek stations of all three prefixes,
  // Mount Athos (not Greek), portable calls, all three modes on six bands.
  std::set<std::string> kinds;
  for (const ReplayContact& c : plan.contacts) {
    kinds.insert(c.prefix);
    if (c.call.find('/') != std::string::npos) kinds.insert("portable");
  }
  for (const char* kind : {"SV", "SV5", "SV9", "SV/a", "portable"}) EXPECT_TRUE(kinds.count(kind)) << kind;
  EXPECT_EQ(expected.size(), 6u);
}

}  // namespace
}  // namespace kvaro::score
