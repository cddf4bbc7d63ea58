// Export runs through the plug-in: the entrant dialog at the start, the
// Cabrillo file and the "Output" box at every summary.
#include <gtest/gtest.h>

#include "export/entrant_dialog_ids.h"
#include "tests/unit/plugin_fixture.h"
#include "tests/unit/temp_dir.h"

namespace kvaro::test {
namespace {

class ExportRunTest : public TempDirTest {
 protected:
  void StartRun(int exportFlag, std::vector<DialogStep> steps = {}) {
    platform.dialogSteps = std::move(steps);
    COleDateTime start{41440.5, COleDateTime::valid}, end{41441.5, COleDateTime::valid};
    plugin.ResetStats({exportFlag, "DL1KV", &start, &end, "DL", "EU"});
  }
  void Log() {
    for (const Contact& c : {Contact{"SV1ABC", "CW", "SV", "EU", "20"}, Contact{"K1ABC", "SSB", "K", "NA", "40"}}) {
      plugin.AddData(ArgsOf(c));
    }
  }
  std::int32_t Result() {
    std::int32_t result = 0;
    summary = plugin.GetResult(&result);
    return result;
  }
  static int QsoLines(const std::string& log) {
    int n = 0;
    for (std::size_t p = log.find("\r\nQSO: "); p != std::string::npos; p = log.find("\r\nQSO: ", p + 1)) ++n;
    return n;
  }

  FakePlatform platform;
  Plugin plugin{platform};
  std::string summary;
};

TEST_F(ExportRunTest, ConfirmedRunWritesTheLogAtEverySummary) {
  StartRun(1, {{DialogStep::Type, IDC_CLUB, "RAAG"}, {DialogStep::Ok}});
  Log();
  EXPECT_EQ(Result(), -1);
  ASSERT_EQ(platform.messages.size(), 1u);
  const ShownMessage& box = platform.messages[0];
  EXPECT_EQ(box.text, "File produced: DL1KV.cbr");
  EXPECT_EQ(box.caption, "Output");
  EXPECT_EQ(box.style, 0x40u);
  EXPECT_EQ(box.owner, BoxOwner::ActiveWindow);
  EXPECT_NE(summary.find("Score: 8*(2+1) = 24"), std::string::npos) << summary;
  EXPECT_EQ(plugin.claimedScore(), 24);

  const std::string log = ReadFile("DL1KV.cbr");
  EXPECT_NE(log.find("\r\nCLAIMED-SCORE: 24\r\nCLUB: RAAG\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find(" 599 001    SV1ABC        599 002\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("QSO: 14025 PH 2013-06-15 1200 DL1KV"), std::string::npos) << log;
  EXPECT_EQ(QsoLines(log), 2);

  // A second summary in the same run writes each contact once, not twice.
  plugin.AddData(ArgsOf({"JA1ABC", "RTTY", "JA", "AS", "20"}));
  EXPECT_EQ(Result(), -1);
  EXPECT_EQ(QsoLines(ReadFile("DL1KV.cbr")), 3);
  EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(ExportRunTest, NoExportWithoutAConfirmedDialog) {
  struct Case {
    int exportFlag;
    std::vector<DialogStep> steps;
  } cases[] = {{0, {}}, {1, {{DialogStep::Cancel}}}, {1, {{DialogStep::Fail}}}};
  for (const Case& c : cases) {
    StartRun(c.exportFlag, c.steps);
    Log();
    EXPECT_EQ(Result(), 24);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(fs::exists("DL1KV.cbr"));
    EXPECT_FALSE(fs::exists("cabrillo.ini"));
  }
  EXPECT_EQ(platform.dialogTemplates.size(), 2u);  // no dialog for a run without export

  // The next confirmed run exports again.
  StartRun(1);
  Log();
  EXPECT_EQ(Result(), -1);
  EXPECT_EQ(QsoLines(ReadFile("DL1KV.cbr")), 2);
}

TEST_F(ExportRunTest, NullResultPointerStillExports) {
  StartRun(1);
  Log();
  EXPECT_NE(plugin.GetResult(nullptr), nullptr);
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(fs::exists("DL1KV.cbr"));
}

}  // namespace
}  // namespace kvaro::test
