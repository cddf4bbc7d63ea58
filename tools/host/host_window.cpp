#include "tools/host/host_window.h"

namespace host {

HWND CreateHostWindow() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "KvaroHostLogger";
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Host logger", WS_OVERLAPPEDWINDOW, 0, 0,
                                600, 400, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!window) return nullptr;
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  SetActiveWindow(window);
  // Let the window take its first messages, as a host's message loop would.
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  return window;
}

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

std::string OwnerName(HWND owner, HWND hostWindow) {
  if (!owner) return "none";
  return owner == hostWindow ? "host" : "other";
}

}  // namespace host
