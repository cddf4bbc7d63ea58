// A platform for tests: it records every call, answers the entrant dialog
// from a script and can be told to fail. Its profile lives in memory unless
// a test asks for the real files of the POSIX platform.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/posix_platform.h"
#include "platform/scripted_dialog.h"
#include "plugin/ole_date_time.h"

namespace kvaro::test {

struct ShownMessage {
  std::string text;
  bool hasCaption;
  std::string caption;
  unsigned style;
  BoxOwner owner;
};

class FakePlatform : public PosixPlatform {
 public:
  void ShowMessage(const std::string& text, const char* caption, unsigned style,
                   BoxOwner owner) override {
    messages.push_back({text, caption != nullptr, caption ? caption : "", style, owner});
  }
  void StartProgram(const std::string& commandLine) override { started.push_back(commandLine); }
  std::string ReadProfileString(const std::string& section, const std::string& key,
                                const std::string& fallback, const std::string& file) override {
    if (profileOnDisk) return PosixPlatform::ReadProfileString(section, key, fallback, file);
    const auto it = profile.find({file, section, key});
    return it == profile.end() ? fallback : it->second;
  }
  bool WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& file) override {
    writes.push_back({file, section, key, value});
    if (failWrites) return false;
    if (profileOnDisk) return PosixPlatform::WriteProfileString(section, key, value, file);
    profile[{file, section, key}] = value;
    return true;
  }
  int RunModalDialog(int templateId, DialogHandler& handler) override {
    dialogTemplates.push_back(templateId);
    return RunScriptedDialog(handler, dialogSteps, &shownDialog);
  }
  bool ReplaceFile(const std::string& source, const std::string& target) override {
    return !failReplace && PosixPlatform::ReplaceFile(source, target);
  }
  std::string FormatLocaleDateTime(double oleDate) override {
    ++localeCalls;
    return FormatOleDateDayFirst(oleDate);
  }

  struct Write {
    std::string file, section, key, value;
  };
  std::vector<ShownMessage> messages;
  std::vector<std::string> started;
  std::vector<Write> writes;
  std::map<std::tuple<std::string, std::string, std::string>, std::string> profile;
  bool profileOnDisk = false;
  bool failWrites = false;
  bool failReplace = false;
  int localeCalls = 0;
  // The templates of the dialogs run, and what the last one showed.
  std::vector<int> dialogTemplates;
  MemoryControls shownDialog;
};

}  // namespace kvaro::test
