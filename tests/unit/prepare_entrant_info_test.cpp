// Loading, editing and saving the entrant information, on a real settings
// file in a directory of the test's own.
#include <gtest/gtest.h>

#include <string>

#include "export/entrant_dialog_ids.h"
#include "export/export_context.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/temp_dir.h"

namespace kvaro::test {
namespace {

constexpr const char* kIni = "Plugins/KVARO.ini";

class PrepareEntrantInfoTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    fs::create_directory("Plugins");
    platform.profileOnDisk = true;
  }
  int Prepare(const std::string& callsign, std::vector<DialogStep> steps = {}) {
    platform.dialogSteps = std::move(steps);
    return context.PrepareEntrantInfo(callsign, platform);
  }
  FakePlatform platform;
  ExportContext context;
};

TEST_F(PrepareEntrantInfoTest, FirstRunWithoutAFile) {
  EXPECT_EQ(Prepare("SV1ABC/P"), 1);
  const std::map<int, std::string> shown = {
      {IDC_CALLSIGN, "SV1ABC/P"}, {IDC_CLAIMED, ""},  {IDC_CLUB, ""},
      {IDC_CATEGORY, "SOABAM"},   {IDC_CONTEST, "TRIATHLON-DX-CONTEST"},
      {IDC_EMAIL, ""},            {IDC_NAME, ""},     {IDC_OPERATORS, "SV1ABC/P"},
      {IDC_SOAPBOX, ""},          {IDC_ADDRESS, ""}};
  EXPECT_EQ(platform.shownDialog.texts(), shown);
  EXPECT_EQ(ReadFile(kIni),
            "[Settings]\r\nOperators=SV1ABC/P\r\nName=\r\nAddress=\r\nCategory=SOABAM\r\n"
            "Contest=TRIATHLON-DX-CONTEST\r\nEmail=\r\nClub=\r\nSoapBox=\r\n");
  EXPECT_EQ(context.fileBaseName, "SV1ABC_P");
}

TEST_F(PrepareEntrantInfoTest, OkSavesTheEditsAndReadiesTheContext) {
  WriteFile(kIni, "[Settings]\r\nClaimed=154\r\nCategory=SOABCW\r\n");
  context.qsoLines = {"old line\r\n"};
  EXPECT_EQ(Prepare("SV1ABC", {{DialogStep::Type, IDC_ADDRESS, "Odos 1\r\nAthens"},
                               {DialogStep::Type, IDC_SOAPBOX, "Fun\r\n"},
                               {DialogStep::Type, IDC_NAME, "Nikos"},
                               {DialogStep::Type, IDC_CALLSIGN, "SV1XYZ"},
                               {DialogStep::Type, IDC_CLAIMED, "999999"},
                               {DialogStep::Pick, IDC_CATEGORY, "SOABRTTY"},
                               {DialogStep::Ok}}),
            1);
  // The stored category is not what the dialog opened on.
  EXPECT_EQ(platform.shownDialog.texts().at(IDC_CATEGORY), "SOABAM");
  EXPECT_EQ(platform.shownDialog.texts().at(IDC_CLAIMED), "154");
  EXPECT_EQ(ReadFile(kIni),
            "[Settings]\r\nClaimed=154\r\nCategory=SOABRTTY\r\nOperators=SV1ABC\r\nName=Nikos\r\n"
            "Address=Odos 1<CR><LF>Athens\r\nContest=TRIATHLON-DX-CONTEST\r\nEmail=\r\nClub=\r\n"
            "SoapBox=Fun<CR><LF>\r\n");
  const StationInfo& s = context.station;
  EXPECT_EQ(s.callsign, "SV1XYZ");
  EXPECT_EQ(s.claimed, "154");  // an edit of the CLAIMED box is dropped
  EXPECT_EQ(s.address, "Odos 1\r\nADDRESS: Athens");
  EXPECT_EQ(s.soapbox, "Fun\r\nSOAPBOX: ");
  EXPECT_EQ(s.category, "SOABRTTY");
  EXPECT_EQ(context.fileBaseName, "SV1ABC");  // made from the host's callsign
  EXPECT_TRUE(context.qsoLines.empty());

  // The next run shows the stored texts in plain form, and saving them again
  // without edits leaves the file as it was.
  const std::string saved = ReadFile(kIni);
  EXPECT_EQ(Prepare("SV1ABC"), 1);
  EXPECT_EQ(platform.shownDialog.texts().at(IDC_ADDRESS), "Odos 1\r\nAthens");
  EXPECT_EQ(platform.shownDialog.texts().at(IDC_CATEGORY), "SOABAM");
  EXPECT_EQ(Prepare("SV1ABC", {{DialogStep::Pick, IDC_CATEGORY, "SOABRTTY"}}), 1);
  EXPECT_EQ(ReadFile(kIni), saved);
}

TEST_F(PrepareEntrantInfoTest, CancelLeavesTheFileAndTheLinesAlone) {
  const std::string file = "[Settings]\r\nName=Ann\r\nAddress=a<CR><LF>b\r\n[Other]\nx=1";
  WriteFile(kIni, file);
  for (DialogStep::Kind end : {DialogStep::Cancel, DialogStep::Fail}) {
    context.qsoLines = {"kept\r\n"};
    EXPECT_EQ(Prepare("SV1ABC ", {{DialogStep::Type, IDC_NAME, "Bob"}, {end}}), 0);
    EXPECT_EQ(ReadFile(kIni), file);
    EXPECT_EQ(context.station.name, "Ann");
    EXPECT_EQ(context.station.address, "a\r\nb");  // plain form
    EXPECT_EQ(context.station.callsign, "SV1ABC ");
    EXPECT_EQ(context.fileBaseName, "SV1ABC");
    EXPECT_EQ(context.qsoLines, std::vector<std::string>{"kept\r\n"});
  }
}

TEST_F(PrepareEntrantInfoTest, EmptyValueIsNotAMissingKey) {
  WriteFile(kIni, "[Settings]\r\nOperators=\r\n");
  Prepare("SV1ABC", {{DialogStep::Cancel}});
  EXPECT_EQ(context.station.operators, "");
  WriteFile(kIni, "[Settings]\r\nName=x\r\n");
  Prepare("SV1ABC", {{DialogStep::Cancel}});
  EXPECT_EQ(context.station.operators, "SV1ABC");
}

TEST_F(PrepareEntrantInfoTest, ValuesAreCutTo9999Characters) {
  // A cut can end inside an escape, which then stays undecoded.
  const std::string address = std::string(9997, 'a') + "<CR><LF>b";
  WriteFile(kIni, "[Settings]\r\nName=" + std::string(12000, 'n') + "\r\nAddress=" + address + "\r\n");
  Prepare("SV1ABC", {{DialogStep::Cancel}});
  EXPECT_EQ(context.station.name, std::string(9999, 'n'));
  EXPECT_EQ(context.station.address, std::string(9997, 'a') + "<C");
}

TEST_F(PrepareEntrantInfoTest, NoValueBreaksTheFilesLines) {
  EXPECT_EQ(Prepare("SV1ABC", {{DialogStep::Type, IDC_NAME, "Ann\r\nClub=Evil"},
                               {DialogStep::Type, IDC_EMAIL, "a@b\nc"},
                               {DialogStep::Type, IDC_CATEGORY, "SOAB\rAM"},
                               {DialogStep::Ok}}),
            1);
  const std::string ini = ReadFile(kIni);
  EXPECT_NE(ini.find("\r\nName=Ann Club=Evil\r\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("\r\nEmail=a@b c\r\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("\r\nCategory=SOAB AM\r\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("\r\nClub=\r\n"), std::string::npos) << ini;
}

TEST_F(PrepareEntrantInfoTest, UnwritableFileStillConfirms) {
  fs::remove("Plugins");
  EXPECT_EQ(Prepare("SV1ABC", {{DialogStep::Type, IDC_NAME, "Ann"}}), 1);
  EXPECT_FALSE(fs::exists("Plugins"));
  EXPECT_EQ(context.station.name, "Ann");
}

}  // namespace
}  // namespace kvaro::test
