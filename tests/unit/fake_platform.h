// A platform for tests: it records every call and can be told to fail.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/platform.h"
#include "plugin/ole_date_time.h"

namespace kvaro::test {

struct ShownMessage {
  std::string text;
  bool hasCaption;
  std::string caption;
  unsigned style;
  BoxOwner owner;
};

class FakePlatform : public Platform {
 public:
  void ShowMessage(const std::string& text, const char* caption, unsigned style,
                   BoxOwner owner) override {
    messages.push_back({text, caption != nullptr, caption ? caption : "", style, owner});
  }
  void StartProgram(const std::string& commandLine) override { started.push_back(commandLine); }
  bool WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& file) override {
    writes.push_back({file, section, key, value});
    if (failWrites) return false;
    profile[{file, section, key}] = value;
    return true;
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
  bool failWrites = false;
  int localeCalls = 0;
};

}  // namespace kvaro::test
