// The one seam between the portable core and the operating system. Every call
// the plug-in makes to the platform goes through this interface, so that tests
// can watch the calls or make them fail.
#pragma once

#include <cstddef>
#include <string>

#include "platform/dialog.h"

namespace kvaro {

// Who owns a message box.
enum class BoxOwner {
  None,          // no owner window
  ActiveWindow,  // the host's active window, or none when it has none
};

// A profile value is read into a buffer of 10000 characters, so at most 9999
// of them come back.
inline constexpr std::size_t kProfileBufferSize = 10000;
inline constexpr std::size_t kProfileValueMax = kProfileBufferSize - 1;

class Platform {
 public:
  virtual ~Platform() = default;

  // Shows a modal message box with an OK button and returns when it is closed.
  // A null caption leaves the platform's default caption. `style` is the
  // MessageBoxA style word.
  virtual void ShowMessage(const std::string& text, const char* caption, unsigned style,
                           BoxOwner owner) = 0;

  // Starts a program shown normally. Whether it started is not reported.
  virtual void StartProgram(const std::string& commandLine) = 0;

  // The value of `key` in `section` of the profile file `file` (named as for
  // WriteProfileString), or `fallback` when the file, the section or the key
  // is missing. Either is cut to kProfileValueMax characters.
  virtual std::string ReadProfileString(const std::string& section, const std::string& key,
                                        const std::string& fallback, const std::string& file) = 0;

  // Stores `value` under `key` in `section` of the profile file `file`, a path
  // relative to the current directory with backslashes as separators. Creates
  // the file and the section when missing, never a directory. Returns whether
  // the value was stored.
  virtual bool WriteProfileString(const std::string& section, const std::string& key,
                                  const std::string& value, const std::string& file) = 0;

  // Runs the modal dialog built from the resource template `templateId`,
  // owned by the host's active window, and returns kDialogOk, kDialogCancel
  // (Cancel, Escape or the close box) or kDialogFailed.
  virtual int RunModalDialog(int templateId, DialogHandler& handler) = 0;

  // Puts the complete file `source` in place of `target` in one step: the old
  // target stays whole until the new one has replaced it. Returns whether it did.
  virtual bool ReplaceFile(const std::string& source, const std::string& target) = 0;

  // The date and time of a valid OLE Automation date as the user's default
  // locale writes it (date first, time omitted at midnight, date omitted on
  // day 0). Empty when the platform cannot format the value.
  virtual std::string FormatLocaleDateTime(double oleDate) = 0;
};

// The implementation for the system the library was built for.
Platform& NativePlatform();

}  // namespace kvaro
