// The entrant dialog's logic, run by the scripted dialog that plays the operator.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/entrant_dialog_ids.h"
#include "export/station_info_dialog.h"
#include "tests/unit/fake_platform.h"

namespace kvaro {
namespace {

StationInfoDialog Filled() {
  StationInfoDialog d;
  d.callsign = "SV1ABC";
  d.claimed = "154";
  d.club = "RAAG";
  d.category = "SOABAM";
  d.contest = "TRIATHLON-DX-CONTEST";
  d.email = "a@b.gr";
  d.name = "Nikos";
  d.operators = "SV1ABC";
  d.soapbox = "Fun\r\nThanks";
  d.address = "Odos 1\r\nAthens";
  return d;
}

std::vector<std::string> Fields(const StationInfoDialog& d) {
  return {d.callsign, d.claimed, d.club,      d.category, d.contest,
          d.email,    d.name,    d.operators, d.soapbox,  d.address};
}

TEST(EntrantDialog, OpensWithEveryFieldInItsBox) {
  test::FakePlatform platform;
  platform.dialogSteps = {{DialogStep::Cancel}};
  StationInfoDialog d = Filled();
  EXPECT_EQ(d.DoModal(platform), kDialogCancel);
  EXPECT_EQ(platform.dialogTemplates, std::vector<int>{IDD_ENTRANT});
  const std::map<int, std::string> shown = {
      {IDC_CALLSIGN, "SV1ABC"}, {IDC_CLAIMED, "154"},   {IDC_CLUB, "RAAG"},
      {IDC_CATEGORY, "SOABAM"}, {IDC_CONTEST, "TRIATHLON-DX-CONTEST"},
      {IDC_EMAIL, "a@b.gr"},    {IDC_NAME, "Nikos"},   {IDC_OPERATORS, "SV1ABC"},
      {IDC_SOAPBOX, "Fun\r\nThanks"}, {IDC_ADDRESS, "Odos 1\r\nAthens"}};
  EXPECT_EQ(platform.shownDialog.texts(), shown);
  EXPECT_EQ(platform.shownDialog.ComboItems(IDC_CATEGORY),
            (std::vector<std::string>{"SOABAM", "SOABRTTY", "SOABSSB", "SOABCW"}));
}

TEST(EntrantDialog, EveryWayOutButOkLeavesTheFields) {
  const std::vector<DialogStep> edits = {{DialogStep::Type, IDC_NAME, "Other"},
                                         {DialogStep::Type, IDC_CLAIMED, "9"}};
  struct Case {
    std::vector<DialogStep> steps;
    int result;
  } cases[] = {
      {{edits[0], edits[1], {DialogStep::Cancel}}, kDialogCancel},
      {{{DialogStep::Fail}}, kDialogFailed},
  };
  for (const Case& c : cases) {
    test::FakePlatform platform;
    platform.dialogSteps = c.steps;
    StationInfoDialog d = Filled();
    EXPECT_EQ(d.DoModal(platform), c.result);
    EXPECT_EQ(Fields(d), Fields(Filled()));
  }
}

TEST(EntrantDialog, OkTakesEveryBoxsText) {
  test::FakePlatform platform;
  platform.dialogSteps = {{DialogStep::Type, IDC_ADDRESS, "Street 1\r\nTown"},
                          {DialogStep::Type, IDC_CLAIMED, "999"},
                          {DialogStep::Pick, IDC_CATEGORY, "SOABCW"},
                          {DialogStep::Type, IDC_OPERATORS, ""},
                          {DialogStep::Ok}};
  StationInfoDialog d = Filled();
  EXPECT_EQ(d.DoModal(platform), kDialogOk);
  EXPECT_EQ(d.address, "Street 1\r\nTown");
  EXPECT_EQ(d.claimed, "999");
  EXPECT_EQ(d.category, "SOABCW");
  EXPECT_EQ(d.operators, "");
  EXPECT_EQ(d.name, "Nikos");
}

TEST(EntrantDialog, CategoryBox) {
  struct Case {
    std::string field;
    std::vector<DialogStep> steps;
    std::string shown, result;
  } cases[] = {
      {"SOABAM", {}, "SOABAM", "SOABAM"},
      // The first item that begins with the field, ignoring case, is selected.
      {"soabc", {}, "SOABCW", "SOABCW"},
      {"SOAB", {}, "SOABAM", "SOABAM"},
      // A text that begins no item stands in the edit field as it is.
      {"MULTI-OP", {}, "MULTI-OP", "MULTI-OP"},
      // Typed over, it comes back exactly as typed.
      {"SOABAM", {{DialogStep::Type, IDC_CATEGORY, "MULTI-OP"}}, "SOABAM", "MULTI-OP"},
  };
  for (const Case& c : cases) {
    test::FakePlatform platform;
    platform.dialogSteps = c.steps;
    StationInfoDialog d = Filled();
    d.category = c.field;
    EXPECT_EQ(d.DoModal(platform), kDialogOk);
    EXPECT_EQ(platform.shownDialog.texts().at(IDC_CATEGORY), c.shown) << c.field;
    EXPECT_EQ(d.category, c.result) << c.field;
  }
}

}  // namespace
}  // namespace kvaro
