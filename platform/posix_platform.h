// The POSIX side of the platform: no windows and no companion program; the
// profile file is a plain text file, and the entrant dialog is answered by
// planned steps, or accepted as shown. Tests derive from it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/scripted_dialog.h"

namespace kvaro {

class PosixPlatform : public Platform {
 public:
  // There is no one to press OK: the text goes to `messageSink`, or to the
  // error stream.
  void ShowMessage(const std::string& text, const char* caption, unsigned style, BoxOwner owner) override;
  void StartProgram(const std::string& commandLine) override;
  std::string ReadProfileString(const std::string& section, const std::string& key,
                                const std::string& fallback, const std::string& file) override;
  bool WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& file) override;
  int RunModalDialog(int templateId, DialogHandler& handler) override;
  bool ReplaceFile(const std::string& source, const std::string& target) override;
  std::string FormatLocaleDateTime(double oleDate) override;

  // The operator's part in every entrant dialog; none: accept it as shown.
  std::vector<DialogStep> dialogSteps;
  std::function<void(const std::string& text, const char* caption)> messageSink;
};

// The platform of the native library, for a host program that plays the
// operator's part.
PosixPlatform& NativePosixPlatform();

}  // namespace kvaro
