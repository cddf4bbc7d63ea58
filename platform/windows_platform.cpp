// The Windows side of the platform: the real message box, WinExec, the
// profile functions and the OLE date text of the user's default locale.
#include <windows.h>
#include <oleauto.h>

#include <string>

#include "platform/platform.h"

namespace kvaro {
namespace {

std::string ToAnsi(const wchar_t* wide, int length) {
  if (length <= 0) return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, length, out.data(), size, nullptr, nullptr);
  return out;
}

class WindowsPlatform final : public Platform {
 public:
  void ShowMessage(const std::string& text, const char* caption, unsigned style,
                   BoxOwner owner) override {
    HWND ownerWindow = owner == BoxOwner::ActiveWindow ? GetActiveWindow() : nullptr;
    MessageBoxA(ownerWindow, text.c_str(), caption, style);
  }

  void StartProgram(const std::string& commandLine) override {
    WinExec(commandLine.c_str(), SW_SHOWNORMAL);
  }

  bool WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& file) override {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
  }

  std::string FormatLocaleDateTime(double oleDate) override {
    BSTR text = nullptr;
    if (FAILED(VarBstrFromDate(oleDate, LOCALE_USER_DEFAULT, 0, &text)) || text == nullptr) return {};
    std::string out = ToAnsi(text, static_cast<int>(SysStringLen(text)));
    SysFreeString(text);
    return out;
  }
};

}  // namespace

Platform& NativePlatform() {
  static WindowsPlatform platform;
  return platform;
}

}  // namespace kvaro
