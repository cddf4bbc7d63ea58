#include "platform/scripted_dialog.h"

#include <cctype>

namespace kvaro {
namespace {

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  }
  return true;
}

}  // namespace

std::string MemoryControls::Text(int id) {
  const auto it = texts_.find(id);
  return it == texts_.end() ? std::string{} : it->second;
}

void MemoryControls::SetText(int id, const std::string& text) { texts_[id] = text; }

void MemoryControls::AddComboItem(int id, const std::string& item) { items_[id].push_back(item); }

bool MemoryControls::SelectComboItem(int id, const std::string& text) {
  for (const std::string& item : items_[id]) {
    if (StartsWithIgnoringCase(item, text)) {
      texts_[id] = item;
      return true;
    }
  }
  return false;
}

std::vector<std::string> MemoryControls::ComboItems(int id) const {
  const auto it = items_.find(id);
  return it == items_.end() ? std::vector<std::string>{} : it->second;
}

int RunScriptedDialog(DialogHandler& handler, const std::vector<DialogStep>& steps,
                      MemoryControls* shown) {
  if (!steps.empty() && steps.front().kind == DialogStep::Fail) return kDialogFailed;
  MemoryControls controls;
  handler.OnInitDialog(controls);
  if (shown) *shown = controls;
  for (const DialogStep& step : steps) {
    switch (step.kind) {
      case DialogStep::Type:
        controls.SetText(step.id, step.text);
        break;
      case DialogStep::Pick:
        for (const std::string& item : controls.ComboItems(step.id)) {
          if (item == step.text) controls.SetText(step.id, item);
        }
        break;
      case DialogStep::Ok:
        handler.OnOk(controls);
        return kDialogOk;
      case DialogStep::Cancel:
        return kDialogCancel;
      case DialogStep::Fail:
        return kDialogFailed;
    }
  }
  handler.OnOk(controls);
  return kDialogOk;
}

}  // namespace kvaro
