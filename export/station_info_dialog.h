// The entrant information dialog: ten fields bound to the boxes of dialog
// template 101, shown modally and taken back on OK.
#pragma once

#include <string>

#include "export/data_exchange.h"
#include "platform/dialog.h"

namespace kvaro {

class Platform;

// The items of the CATEGORY box, in the order the list shows them.
inline constexpr const char* kCategoryItems[] = {"SOABAM", "SOABRTTY", "SOABSSB", "SOABCW"};

class StationInfoDialog final : public DialogHandler {
 public:
  // 1 after OK with the fields taken from the boxes, 2 after Cancel, Escape
  // or the close box with the fields unchanged, -1 when the dialog cannot be
  // created.
  int DoModal(Platform& platform);

  // The exchange table: binds each field to its control, in this order.
  void DoDataExchange(DataExchange& dx);

  void OnInitDialog(DialogControls& controls) override;
  void OnOk(DialogControls& controls) override;

  std::string callsign;
  std::string claimed;
  std::string club;
  std::string category;
  std::string contest;
  std::string email;
  std::string name;
  std::string operators;
  std::string soapbox;  // lines separated by CR LF
  std::string address;  // lines separated by CR LF
};

}  // namespace kvaro
