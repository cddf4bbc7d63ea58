// The dialog's data exchange: one call per bound field, which either shows
// the field in its control (when the dialog opens) or takes the control's
// text back into the field (on OK).
#pragma once

#include <string>

#include "platform/dialog.h"

namespace kvaro {

class DataExchange {
 public:
  enum Direction { ToControls, FromControls };

  DataExchange(DialogControls& controls, Direction direction)
      : controls_(controls), direction_(direction) {}

  // An edit box: it shows the field; on OK the field gets its whole text.
  void Text(int id, std::string& field);
  // A drop-down combo box: it selects the first item that begins with the
  // field (ignoring case), or else shows the field in its edit field; on OK
  // the field gets the edit field's text, typed or chosen.
  void ComboString(int id, std::string& field);

 private:
  DialogControls& controls_;
  Direction direction_;
};

}  // namespace kvaro
