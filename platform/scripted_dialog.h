// A dialog without a window, for platforms that have no dialogs and for tests:
// the controls live in memory, and a list of steps plays the operator.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/dialog.h"

namespace kvaro {

// Controls held in memory. A combo box behaves as a drop-down combo box with
// an edit field: selecting an item puts its text into the edit field.
class MemoryControls final : public DialogControls {
 public:
  std::string Text(int id) override;
  void SetText(int id, const std::string& text) override;
  void AddComboItem(int id, const std::string& item) override;
  bool SelectComboItem(int id, const std::string& text) override;

  const std::map<int, std::string>& texts() const { return texts_; }
  std::vector<std::string> ComboItems(int id) const;

 private:
  std::map<int, std::string> texts_;
  std::map<int, std::vector<std::string>> items_;
};

// One thing the operator does in the dialog.
struct DialogStep {
  enum Kind {
    Type,    // put `text` into control `id` (an edit box or a combo box's edit field)
    Pick,    // choose the combo box item of control `id` whose text is `text`
    Ok,      // press OK
    Cancel,  // press CANCEL, Escape or the close box: all end the same way
    Fail,    // the window cannot be created
  };
  Kind kind;
  int id = 0;
  std::string text = {};
};

// Runs `handler` as a modal dialog answered by `steps`, in order, up to the
// first step that ends it; with no such step the operator accepts what the
// dialog shows. `shown`, when given, receives the controls as they were after
// the dialog had opened.
int RunScriptedDialog(DialogHandler& handler, const std::vector<DialogStep>& steps,
                      MemoryControls* shown = nullptr);

}  // namespace kvaro
