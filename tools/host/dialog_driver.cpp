#include "tools/host/dialog_driver.h"

#include <cstdio>

#include "tools/host/host_window.h"
#include "tools/host/screenshot.h"

namespace host {
namespace {

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// Pixels to dialog units, from the dialog's own base units.
struct DialogUnits {
  explicit DialogUnits(HWND dialog) {
    RECT base = {0, 0, 4, 8};
    MapDialogRect(dialog, &base);
    x = base.right;
    y = base.bottom;
  }
  int X(int pixels) const { return x ? MulDiv(pixels, 4, x) : 0; }
  int Y(int pixels) const { return y ? MulDiv(pixels, 8, y) : 0; }
  int x, y;
};

std::string Styles(HWND control, const std::string& kind) {
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  std::string out;
  const auto add = [&out](bool on, const char* name) {
    if (on) out += std::string(" ") + name;
  };
  // A dialog draws a bordered box with a sunken edge instead.
  add((style & WS_BORDER) || (GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE), "border");
  add(style & WS_VSCROLL, "vscroll");
  add(style & WS_TABSTOP, "tabstop");
  if (kind == "Edit") {
    add(style & ES_MULTILINE, "multiline");
    add(style & ES_WANTRETURN, "wantreturn");
    add(style & ES_AUTOHSCROLL, "autohscroll");
    add(style & ES_AUTOVSCROLL, "autovscroll");
  } else if (kind == "ComboBox") {
    add((style & 3) == CBS_DROPDOWN, "dropdown");
    add(style & CBS_AUTOHSCROLL, "autohscroll");
    add(style & CBS_SORT, "sorted");
  } else if (kind == "Button") {
    add((style & 0xF) == BS_DEFPUSHBUTTON, "default");
  }
  return out;
}

std::string ComboItems(HWND combo) {
  std::string out;
  const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, i, 0);
    std::string item(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    out += (i ? ",\"" : "\"") + item + "\"";
  }
  return out + " selected=" + std::to_string(SendMessageA(combo, CB_GETCURSEL, 0, 0));
}

std::string Report(HWND dialog, HWND hostWindow) {
  const HWND owner = GetWindow(dialog, GW_OWNER);
  const DialogUnits du(dialog);
  RECT client;
  GetClientRect(dialog, &client);
  std::string out = "dialog caption=\"" + WindowText(dialog) + "\" owner=" + OwnerName(owner, hostWindow) +
                    " owner-takes-input=" + (owner && IsWindowEnabled(owner) ? "yes" : "no") +
                    " size=" + std::to_string(du.X(client.right)) + "x" + std::to_string(du.Y(client.bottom)) +
                    (GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU ? " closebox" : "") + "\n";
  LOGFONTA font = {};
  if (HFONT handle = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0))) {
    GetObjectA(handle, sizeof font, &font);
    HDC screen = GetDC(nullptr);
    const int points = MulDiv(font.lfHeight < 0 ? -font.lfHeight : font.lfHeight, 72,
                              GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    out += std::string("font \"") + font.lfFaceName + "\" " + std::to_string(points) + "pt\n";
  }
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    const std::string kind = ClassOf(c);
    char place[96];
    std::snprintf(place, sizeof place, " at %d,%d size %dx%d", du.X(r.left), du.Y(r.top),
                  du.X(r.right - r.left), du.Y(r.bottom - r.top));
    out += "control " + std::to_string(static_cast<int>(static_cast<short>(GetDlgCtrlID(c)))) + " " + kind +
           place + Styles(c, kind) + " text=\"" + Escaped(WindowText(c)) + "\"\n";
    if (kind == "ComboBox") out += "  items " + ComboItems(c) + "\n";
  }
  return out;
}

void Press(HWND dialog, const std::string& how) {
  if (how == "ok" || how == "cancel") {
    PostMessageA(GetDlgItem(dialog, how == "ok" ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
  } else if (how == "escape") {
    // The key goes where the keyboard focus is, as a real key press would.
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    HWND target = dialog;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &gui) && gui.hwndFocus) target = gui.hwndFocus;
    PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(target, WM_KEYUP, VK_ESCAPE, 0xC0010001);
  } else {
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
}

}  // namespace

bool IsEntrantDialog(HWND window) {
  return ClassOf(window) == "#32770" && WindowText(window) == kEntrantDialogCaption && IsWindowVisible(window);
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\\': out += "\\\\"; break;
      default: out += c;
    }
  }
  return out;
}

std::string DriveEntrantDialog(HWND dialog, const std::vector<DialogAction>& actions, HWND hostWindow) {
  std::string out = Report(dialog, hostWindow);
  for (const DialogAction& a : actions) {
    switch (a.kind) {
      case DialogAction::Type:
        SetDlgItemTextA(dialog, a.id, a.text.c_str());
        out += "typed " + std::to_string(a.id) + " \"" + Escaped(a.text) + "\"\n";
        break;
      case DialogAction::Pick: {
        HWND combo = FindWindowExA(dialog, nullptr, "ComboBox", nullptr);
        const LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(a.text.c_str()));
        SendMessageA(combo, CB_SETCURSEL, index, 0);
        out += "picked \"" + a.text + "\" shown \"" + WindowText(combo) + "\"\n";
        break;
      }
      case DialogAction::Shot:
        Sleep(500);  // let the dialog paint what it shows
        out += std::string("picture ") + (SaveWindowPicture(dialog, a.text) ? "saved" : "failed") + "\n";
        break;
      case DialogAction::Press:
        Press(dialog, a.text);
        return out + "pressed " + a.text + "\n";
    }
  }
  Press(dialog, "ok");
  return out + "pressed ok\n";
}

}  // namespace host
