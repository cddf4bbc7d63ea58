// The Windows side of the platform: the real message box, WinExec, the
// profile functions, the modal dialog from this library's resources, the
// file replacement and the OLE date text of the user's default locale.
#include <windows.h>
#include <oleauto.h>

#include <algorithm>
#include <string>
#include <vector>

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

// The module this code is linked into: the dialog templates are its resources.
HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ThisModule), &module);
  return module;
}

// The controls of a real dialog window.
class WindowControls final : public DialogControls {
 public:
  explicit WindowControls(HWND dialog) : dialog_(dialog) {}

  std::string Text(int id) override {
    HWND control = GetDlgItem(dialog_, id);
    const int length = control ? GetWindowTextLengthA(control) : 0;
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int got = GetWindowTextA(control, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0));
  }
  void SetText(int id, const std::string& text) override { SetDlgItemTextA(dialog_, id, text.c_str()); }
  void AddComboItem(int id, const std::string& item) override {
    SendDlgItemMessageA(dialog_, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  bool SelectComboItem(int id, const std::string& text) override {
    return SendDlgItemMessageA(dialog_, id, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(text.c_str())) != CB_ERR;
  }

 private:
  HWND dialog_;
};

// Edit boxes take texts of any length, not only the default 30000 characters.
BOOL CALLBACK LiftTextLimit(HWND control, LPARAM) {
  char className[16] = {};
  GetClassNameA(control, className, sizeof className);
  if (lstrcmpiA(className, "Edit") == 0) SendMessageA(control, EM_SETLIMITTEXT, 0, 0);
  return TRUE;
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* handler = reinterpret_cast<DialogHandler*>(GetWindowLongPtrA(dialog, DWLP_USER));
  // No exception may unwind through the window manager.
  try {
    switch (message) {
      case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        EnumChildWindows(dialog, &LiftTextLimit, 0);
        WindowControls controls(dialog);
        reinterpret_cast<DialogHandler*>(lParam)->OnInitDialog(controls);
        return TRUE;
      }
      case WM_COMMAND:
        if (LOWORD(wParam) == IDOK && handler) {
          WindowControls controls(dialog);
          handler->OnOk(controls);
          EndDialog(dialog, kDialogOk);
          return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
          EndDialog(dialog, kDialogCancel);
          return TRUE;
        }
        return FALSE;
      case WM_CLOSE:
        EndDialog(dialog, kDialogCancel);
        return TRUE;
      default:
        return FALSE;
    }
  } catch (...) {
    EndDialog(dialog, kDialogCancel);
    return TRUE;
  }
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

  std::string ReadProfileString(const std::string& section, const std::string& key,
                                const std::string& fallback, const std::string& file) override {
    std::vector<char> buffer(kProfileBufferSize);
    const DWORD got = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                               buffer.data(), static_cast<DWORD>(buffer.size()),
                                               file.c_str());
    return std::string(buffer.data(), std::min<std::size_t>(got, kProfileValueMax));
  }

  bool WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& file) override {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
  }

  int RunModalDialog(int templateId, DialogHandler& handler) override {
    // The host's active top-level window owns the dialog and is disabled
    // while it is open.
    HWND owner = GetActiveWindow();
    if (owner) owner = GetAncestor(owner, GA_ROOT);
    const INT_PTR result = DialogBoxParamA(ThisModule(), MAKEINTRESOURCEA(templateId), owner, &DialogProc,
                                           reinterpret_cast<LPARAM>(&handler));
    return result == kDialogOk ? kDialogOk : result == -1 ? kDialogFailed : kDialogCancel;
  }

  bool ReplaceFile(const std::string& source, const std::string& target) override {
    // The new file's data reach the disk before its name takes the old one's.
    HANDLE file = CreateFileA(source.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool flushed = FlushFileBuffers(file) != 0;
    CloseHandle(file);
    return flushed && MoveFileExA(source.c_str(), target.c_str(),
                                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
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
