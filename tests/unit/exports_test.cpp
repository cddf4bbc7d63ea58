// The exports of the native library, called as the host calls them, with junk
// in every argument that must not matter.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "plugin/exports.h"
#include "tests/unit/export_calls.h"
#include "tests/unit/temp_dir.h"

namespace {

using namespace kvaro::test;

namespace fs = std::filesystem;

using ExportsTest = kvaro::test::TempDirTest;
using kvaro::test::ReadFile;

TEST_F(ExportsTest, CompleteExportsAnswerInAnyState) {
  EXPECT_EQ(GetNumberOfSets(), 1);
  EXPECT_STREQ(GetSetName(0), "TRIATHLON-DX-CONTEST");
  for (int n : {1, -1, 1000}) {
    ASSERT_NE(GetSetName(n), nullptr);
    EXPECT_STREQ(GetSetName(n), "");
  }
  EXPECT_EQ(GetExchgCount0("", "", ""), 1);
  EXPECT_EQ(GetExchgCount0(J(1), J(2), J(3)), 1);
  EXPECT_EQ(IsValidExchg0("599", J(2), J(3), J(4), 5, 6, 7), 1);
  EXPECT_EQ(IsValidExchg0("59", "599", "599", "599", 3, 3, 3), 0);
}

TEST_F(ExportsTest, WorkedExampleThroughTheExports) {
  fs::create_directory("Plugins");
  std::ofstream("Plugins/KVARO.ini", std::ios::binary) << "[Other]\r\nKeep=1\r\n";
  EXPECT_EQ(Reset(0, "Q1AB", 41440.5, 41441.5, "DL", "A"), 1);
  const struct { const char *call, *mode, *prefix, *region, *band; } log[] = {
      {"X1", "CW", "SV", "A", "20"},   {"X1", "SSB", "SV", "A", "20"}, {"X2", "CW", "DL", "A", "20"},
      {"X3", "RTTY", "K", "B", "20"},  {"X4", "CW", "SV9", "B", "40"}, {"X5", "CW", "F", "A", "40"},
      {"X6", "CW", "F", "A", "80"},
  };
  for (const auto& c : log) EXPECT_EQ(Contact(AddData0, c.call, c.mode, c.prefix, c.region, c.band), 1);
  EXPECT_EQ(Contact(RemoveData0, "X6", "CW", "junk", "junk", "80"), 1);

  char b27[8] = "buffer", b28[8] = "buffer";
  EXPECT_EQ(Check("X1", "CW", "SV", "20", b27, b28), 0);
  EXPECT_EQ(Check("X9", "CW", "SV", "20", b27, b28), 1);
  EXPECT_EQ(Check("X9", "RTTY", "SV", "20", b27, b28), 2);
  EXPECT_STREQ(b27, "buffer");
  EXPECT_STREQ(b28, "buffer");

  int result = 0;
  const char* text = GetResult0(&result);
  EXPECT_STREQ(text,
               "\t TRIATHLON-DX-CONTEST  15.06-16.06.2013 \r\n\t\tContestant: Q1AB\r\n"
               "Band\tQSOs\tPoints\tCW\tSSB\tRTTY\tDXCC\tGreece\r\n"
               "80\t 0\t 0\t 0\t 0\t 0\t 0\t 0\r\n"
               "40\t 2\t 8\t 2\t 0\t 0\t 2\t 1\r\n"
               "20\t 4\t 14\t 2\t 1\t 1\t 3\t 2\r\n"
               "Total\t 6\t 22\t 4\t 1\t 1\t 5\t 3\r\n"
               "Score: 22*(5+2) = 154");
  EXPECT_EQ(result, 154);
  EXPECT_EQ(ReadFile("Plugins/KVARO.ini"), "[Other]\r\nKeep=1\r\n[Settings]\r\nClaimed=154\r\n");
}

// Without a person at the screen the native build accepts the entrant
// dialog as it opens.
TEST_F(ExportsTest, ExportRunThroughTheExports) {
  fs::create_directory("Plugins");
  EXPECT_EQ(Reset(1, "SV1ABC/P", 41440.5, 41441.5, "SV", "EU"), 1);
  EXPECT_EQ(Contact(AddData0, "DL1ABC", "CW", "DL", "EU", "20"), 1);
  int result = 0;
  EXPECT_NE(GetResult0(&result), nullptr);
  EXPECT_EQ(result, -1);
  const std::string log = ReadFile("SV1ABC_P.cbr");
  EXPECT_EQ(log.rfind("START-OF-LOG: 2.0\r\nCALLSIGN: SV1ABC/P\r\nCATEGORY: SOABAM\r\nCLAIMED-SCORE: 2\r\n", 0), 0u)
      << log;
  EXPECT_NE(log.find("\r\nQSO: 14025 CW 2013-06-15 1200 SV1ABC/P      599 001    DL1ABC        599 002\r\n"
                     "END-OF-LOG:\r\n"),
            std::string::npos)
      << log;
  EXPECT_EQ(ReadFile("Plugins/KVARO.ini"),
            "[Settings]\r\nOperators=SV1ABC/P\r\nName=\r\nAddress=\r\nCategory=SOABAM\r\n"
            "Contest=TRIATHLON-DX-CONTEST\r\nEmail=\r\nClub=\r\nSoapBox=\r\nClaimed=2\r\n");
  EXPECT_TRUE(fs::exists("cabrillo.ini"));
}

TEST_F(ExportsTest, MissingPluginsDirectoryIsNotCreated) {
  Reset(0, "Q1AB", 41440.5, 41441.5, "DL", "A");
  int result = -1;
  GetResult0(&result);
  EXPECT_EQ(result, 0);
  EXPECT_FALSE(fs::exists("Plugins"));
  EXPECT_TRUE(fs::is_empty(dir_));
}

}  // namespace
