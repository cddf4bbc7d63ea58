// A modal dialog as the platform runs it: the controls of the open window,
// and the two moments at which the dialog's own code runs.
#pragma once

#include <string>

namespace kvaro {

// What a modal dialog run ends with.
inline constexpr int kDialogOk = 1;
inline constexpr int kDialogCancel = 2;
inline constexpr int kDialogFailed = -1;  // the window could not be created

// The controls of an open dialog, addressed by control id.
class DialogControls {
 public:
  virtual ~DialogControls() = default;
  // The whole text of an edit box, or of the edit field of a combo box.
  virtual std::string Text(int id) = 0;
  virtual void SetText(int id, const std::string& text) = 0;
  virtual void AddComboItem(int id, const std::string& item) = 0;
  // Selects the first list item that begins with `text`, ignoring letter
  // case; false when no item does.
  virtual bool SelectComboItem(int id, const std::string& text) = 0;
};

// The dialog's own code: it fills the controls when the window has been
// created, and takes their texts back when the operator presses OK.
class DialogHandler {
 public:
  virtual ~DialogHandler() = default;
  virtual void OnInitDialog(DialogControls& controls) = 0;
  virtual void OnOk(DialogControls& controls) = 0;
};

}  // namespace kvaro
