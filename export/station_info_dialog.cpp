#include "export/station_info_dialog.h"

#include "export/entrant_dialog_ids.h"
#include "platform/platform.h"

namespace kvaro {

int StationInfoDialog::DoModal(Platform& platform) { return platform.RunModalDialog(IDD_ENTRANT, *this); }

void StationInfoDialog::DoDataExchange(DataExchange& dx) {
  dx.Text(IDC_CALLSIGN, callsign);
  dx.Text(IDC_CLAIMED, claimed);
  dx.Text(IDC_CLUB, club);
  dx.ComboString(IDC_CATEGORY, category);
  dx.Text(IDC_CONTEST, contest);
  dx.Text(IDC_EMAIL, email);
  dx.Text(IDC_NAME, name);
  dx.Text(IDC_OPERATORS, operators);
  dx.Text(IDC_SOAPBOX, soapbox);
  dx.Text(IDC_ADDRESS, address);
}

void StationInfoDialog::OnInitDialog(DialogControls& controls) {
  for (const char* item : kCategoryItems) controls.AddComboItem(IDC_CATEGORY, item);
  DataExchange dx(controls, DataExchange::ToControls);
  DoDataExchange(dx);
}

void StationInfoDialog::OnOk(DialogControls& controls) {
  DataExchange dx(controls, DataExchange::FromControls);
  DoDataExchange(dx);
}

}  // namespace kvaro
