#include <gtest/gtest.h>

#include <string>

#include "export/cabrillo_writer.h"
#include "export/export_context.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/temp_dir.h"

namespace kvaro::test {
namespace {

constexpr double k20130504 = 41398.0;
const COleDateTime k0905{k20130504 + (9 * 60 + 5) / 1440.0, COleDateTime::valid};
const COleDateTime k1230{k20130504 + (12 * 60 + 30) / 1440.0, COleDateTime::valid};

ExportContext Context(const std::string& ownCall) {
  ExportContext c;
  c.station.callsign = ownCall;
  c.fileBaseName = ownCall;
  return c;
}

TEST(CabrilloQsoLine, TheTwoExampleLines) {
  ExportContext c = Context("Q1AB");
  c.FormatQsoLine("Q2CDE", 7012, "CW", k0905, "599", "001", "599", "002");
  c.FormatQsoLine("Q2CDE", 14195, "PH", k1230, "59", "002", "59", "17");
  ASSERT_EQ(c.qsoLines.size(), 2u);
  EXPECT_EQ(c.qsoLines[0], "QSO:  7012 CW 2013-05-04 0905 Q1AB          599 001    Q2CDE         599 002\r\n");
  EXPECT_EQ(c.qsoLines[1], "QSO: 14195 PH 2013-05-04 1230 Q1AB          59  002    Q2CDE         59  17\r\n");
}

TEST(CabrilloQsoLine, ColumnsGrowAndNeverCut) {
  struct Case {
    const char* what;
    std::string call;
    std::int32_t freq;
    COleDateTime time;
    std::string line;
  } cases[] = {
      {"six-digit frequency", "Q2CDE", 144050, k0905,
       "QSO: 144050 CW 2013-05-04 0905 Q1AB          599 001    Q2CDE         599 002\r\n"},
      {"four-digit frequency", "Q2CDE", 1830, k0905,
       "QSO:  1830 CW 2013-05-04 0905 Q1AB          599 001    Q2CDE         599 002\r\n"},
      {"long call", "SV9/DL1ABCDEF/MM", 7012, k0905,
       "QSO:  7012 CW 2013-05-04 0905 Q1AB          599 001    SV9/DL1ABCDEF/MM 599 002\r\n"},
      {"empty call", "", 7012, k0905,
       "QSO:  7012 CW 2013-05-04 0905 Q1AB          599 001                  599 002\r\n"},
      {"null time", "Q2CDE", 7012, {0.0, COleDateTime::null},
       "QSO:  7012 CW  Q1AB          599 001    Q2CDE         599 002\r\n"},
      {"negative frequency", "Q2CDE", -5, k0905,
       "QSO:    -5 CW 2013-05-04 0905 Q1AB          599 001    Q2CDE         599 002\r\n"},
  };
  for (const Case& c : cases) {
    ExportContext context = Context("Q1AB");
    context.FormatQsoLine(c.call, c.freq, "CW", c.time, "599", "001", "599", "002");
    EXPECT_EQ(context.qsoLines.at(0), c.line) << c.what;
  }
}

TEST(CabrilloQsoLine, ModeCodes) {
  EXPECT_STREQ(CabrilloModeCode("CW"), "CW");
  EXPECT_STREQ(CabrilloModeCode("SSB"), "PH");
  for (const char* other : {"RTTY", "", "cw", "ssb", "FM", "CW "}) EXPECT_STREQ(CabrilloModeCode(other), "RY") << other;
}

class CabrilloFileTest : public TempDirTest {
 protected:
  ExportContext TwoContacts() {
    ExportContext c = Context("SV1ABC/P");
    c.fileBaseName = "SV1ABC_P";
    c.station.category = "SOABAM";
    c.station.name = "Nikos";
    c.station.address = "Odos 1\r\nADDRESS: Athens";
    c.station.operators = "SV1ABC";
    c.station.email = "sv1abc@example.gr";
    c.FormatQsoLine("Q2CDE", 7012, "CW", k0905, "599", "001", "599", "002");
    c.FormatQsoLine("Q2CDE", 14195, "PH", k1230, "59", "002", "59", "17");
    return c;
  }
  static std::string Header(const char* score) {
    return std::string("START-OF-LOG: 2.0\r\nCALLSIGN: SV1ABC/P\r\nCATEGORY: SOABAM\r\nCLAIMED-SCORE: ") + score +
           "\r\nCLUB: \r\nCONTEST: TRIATHLON-DX-CONTEST\r\nCREATED-BY: Vantor \r\nNAME: Nikos\r\n"
           "ADDRESS: Odos 1\r\nADDRESS: Athens\r\nOPERATORS: SV1ABC\r\nEMAIL: sv1abc@example.gr\r\n"
           "SOAPBOX: \r\n";
  }
  static constexpr const char* kQsos =
      "QSO:  7012 CW 2013-05-04 0905 SV1ABC/P      599 001    Q2CDE         599 002\r\n"
      "QSO: 14195 PH 2013-05-04 1230 SV1ABC/P      59  002    Q2CDE         59  17\r\n";
  FakePlatform platform;
};

TEST_F(CabrilloFileTest, WholeFileWithTheExtraHeaderCopiedByteForByte) {
  struct Case {
    const char* what;
    std::string extra;
  } cases[] = {
      {"with a last line end", "LOCATION: DX\r\n"},
      {"without a last line end", "X-ONE: 1\r\nX-TWO: 2"},
      {"any bytes", std::string("\x00\xff\n\r", 4)},
  };
  for (const Case& c : cases) {
    WriteFile("cabrillo.ini", c.extra);
    EXPECT_EQ(TwoContacts().WriteCabrilloFile(4134, platform), "File produced: SV1ABC_P.cbr");
    EXPECT_EQ(ReadFile("SV1ABC_P.cbr"), Header("4134") + c.extra + kQsos + "END-OF-LOG:\r\n") << c.what;
    EXPECT_EQ(ReadFile("cabrillo.ini"), c.extra);
  }
}

TEST_F(CabrilloFileTest, MissingExtraHeaderIsCreatedEmpty) {
  ExportContext c = TwoContacts();
  c.qsoLines.clear();
  EXPECT_EQ(c.WriteCabrilloFile(-7, platform), "File produced: SV1ABC_P.cbr");
  EXPECT_EQ(ReadFile("SV1ABC_P.cbr"), Header("-7") + "END-OF-LOG:\r\n");
  ASSERT_TRUE(fs::exists("cabrillo.ini"));
  EXPECT_EQ(fs::file_size("cabrillo.ini"), 0u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

TEST_F(CabrilloFileTest, ReplacesAnOlderFileWhole) {
  WriteFile("SV1ABC_P.cbr", std::string(100000, 'x'));
  EXPECT_EQ(TwoContacts().WriteCabrilloFile(1, platform), "File produced: SV1ABC_P.cbr");
  EXPECT_EQ(ReadFile("SV1ABC_P.cbr"), Header("1") + kQsos + "END-OF-LOG:\r\n");
}

TEST_F(CabrilloFileTest, AFailedWriteIsReportedAndKeepsTheOldFile) {
  WriteFile("SV1ABC_P.cbr", "the old log\r\n");
  // The new file cannot be created...
  fs::create_directory("SV1ABC_P.cbr.tmp");
  EXPECT_EQ(TwoContacts().WriteCabrilloFile(1, platform), "File not produced: SV1ABC_P.cbr");
  EXPECT_EQ(ReadFile("SV1ABC_P.cbr"), "the old log\r\n");
  fs::remove("SV1ABC_P.cbr.tmp");
  // ...or cannot take the old one's place.
  platform.failReplace = true;
  EXPECT_EQ(TwoContacts().WriteCabrilloFile(1, platform), "File not produced: SV1ABC_P.cbr");
  EXPECT_EQ(ReadFile("SV1ABC_P.cbr"), "the old log\r\n");
  EXPECT_FALSE(fs::exists("SV1ABC_P.cbr.tmp"));
}

TEST_F(CabrilloFileTest, ExtraHeaderThatCannotBeReadIsSkipped) {
  fs::create_directory("cabrillo.ini");
  EXPECT_EQ(TwoContacts().WriteCabrilloFile(1, platform), "File produced: SV1ABC_P.cbr");
  EXPECT_EQ(ReadFile("SV1ABC_P.cbr"), Header("1") + kQsos + "END-OF-LOG:\r\n");
}

}  // namespace
}  // namespace kvaro::test
