#include "tools/host/box_watcher.h"

#include <algorithm>

namespace host {
namespace {

constexpr int kMessageTextId = 0xFFFF;  // the static text of a message box

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

bool IsMessageBox(HWND window) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  return std::string(className) == "#32770" && GetDlgItem(window, kMessageTextId) != nullptr &&
         IsWindowVisible(window);
}

}  // namespace

BoxWatcher::BoxWatcher() {
  InitializeCriticalSection(&lock_);
  stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  thread_ = CreateThread(nullptr, 0, &BoxWatcher::ThreadMain, this, 0, nullptr);
}

BoxWatcher::~BoxWatcher() {
  SetEvent(stop_);
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  CloseHandle(stop_);
  DeleteCriticalSection(&lock_);
}

std::vector<SeenBox> BoxWatcher::Take() {
  EnterCriticalSection(&lock_);
  std::vector<SeenBox> boxes;
  boxes.swap(seen_);
  LeaveCriticalSection(&lock_);
  return boxes;
}

DWORD WINAPI BoxWatcher::ThreadMain(LPVOID self) {
  auto* watcher = static_cast<BoxWatcher*>(self);
  while (WaitForSingleObject(watcher->stop_, 20) == WAIT_TIMEOUT) {
    // A closed box's handle may be given to the next box.
    auto& answered = watcher->answered_;
    answered.erase(std::remove_if(answered.begin(), answered.end(), [](HWND w) { return !IsWindow(w); }),
                   answered.end());
    EnumWindows(&BoxWatcher::VisitWindow, reinterpret_cast<LPARAM>(watcher));
  }
  return 0;
}

BOOL CALLBACK BoxWatcher::VisitWindow(HWND window, LPARAM self) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && IsMessageBox(window)) {
    reinterpret_cast<BoxWatcher*>(self)->Answer(window);
  }
  return TRUE;
}

void BoxWatcher::Answer(HWND box) {
  if (std::find(answered_.begin(), answered_.end(), box) != answered_.end()) return;
  answered_.push_back(box);
  SeenBox seen{WindowText(box), WindowText(GetDlgItem(box, kMessageTextId)), GetWindow(box, GW_OWNER)};
  EnterCriticalSection(&lock_);
  seen_.push_back(seen);
  LeaveCriticalSection(&lock_);
  // Press OK the way a click does.
  if (HWND ok = GetDlgItem(box, IDOK)) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
  } else {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  }
}

}  // namespace host
