#include "tools/host/box_watcher.h"

#include <algorithm>

#include "tools/host/host_window.h"

namespace host {
namespace {

constexpr int kMessageTextId = 0xFFFF;  // the static text of a message box

bool IsMessageBox(HWND window) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  return std::string(className) == "#32770" && GetDlgItem(window, kMessageTextId) != nullptr &&
         IsWindowVisible(window);
}

// The standard icon a message box shows, by name.
std::string IconName(HWND box) {
  struct Known {
    LPCSTR id;
    const char* name;
  } known[] = {{IDI_INFORMATION, "information"}, {IDI_WARNING, "warning"}, {IDI_ERROR, "error"},
               {IDI_QUESTION, "question"}};
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if ((GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) != SS_ICON || !IsWindowVisible(c)) continue;
    const auto icon = reinterpret_cast<HICON>(SendMessageA(c, STM_GETICON, 0, 0));
    for (const Known& k : known) {
      if (icon && icon == LoadIconA(nullptr, k.id)) return k.name;
    }
    return icon ? "other" : "none";
  }
  return "none";
}

}  // namespace

BoxWatcher::BoxWatcher(HWND hostWindow) : hostWindow_(hostWindow) {
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

void BoxWatcher::PlanDialog(std::vector<DialogAction> actions) {
  EnterCriticalSection(&lock_);
  plan_ = std::move(actions);
  LeaveCriticalSection(&lock_);
}

std::vector<SeenWindow> BoxWatcher::Take() {
  EnterCriticalSection(&lock_);
  std::vector<SeenWindow> seen;
  seen.swap(seen_);
  LeaveCriticalSection(&lock_);
  return seen;
}

void BoxWatcher::Record(SeenWindow seen) {
  EnterCriticalSection(&lock_);
  seen_.push_back(std::move(seen));
  LeaveCriticalSection(&lock_);
}

DWORD WINAPI BoxWatcher::ThreadMain(LPVOID self) {
  auto* watcher = static_cast<BoxWatcher*>(self);
  while (WaitForSingleObject(watcher->stop_, 20) == WAIT_TIMEOUT) {
    // A closed window's handle may be given to the next one.
    auto& answered = watcher->answered_;
    answered.erase(std::remove_if(answered.begin(), answered.end(), [](HWND w) { return !IsWindow(w); }),
                   answered.end());
    EnumWindows(&BoxWatcher::VisitWindow, reinterpret_cast<LPARAM>(watcher));
  }
  return 0;
}

BOOL CALLBACK BoxWatcher::VisitWindow(HWND window, LPARAM self) {
  auto* watcher = reinterpret_cast<BoxWatcher*>(self);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  auto& answered = watcher->answered_;
  if (std::find(answered.begin(), answered.end(), window) != answered.end()) return TRUE;
  // The dialog's labels have the same id as a message box's text.
  if (IsEntrantDialog(window)) {
    answered.push_back(window);
    watcher->AnswerDialog(window);
  } else if (IsMessageBox(window)) {
    answered.push_back(window);
    watcher->AnswerBox(window);
  }
  return TRUE;
}

void BoxWatcher::AnswerBox(HWND box) {
  SeenWindow seen;
  seen.caption = WindowText(box);
  seen.text = WindowText(GetDlgItem(box, kMessageTextId));
  seen.report = "box owner=" + OwnerName(GetWindow(box, GW_OWNER), hostWindow_) + " caption=\"" + seen.caption +
                "\" icon=" + IconName(box) + " text=\"" + seen.text + "\"\n";
  Record(std::move(seen));
  // Press OK the way a click does.
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

void BoxWatcher::AnswerDialog(HWND dialog) {
  EnterCriticalSection(&lock_);
  std::vector<DialogAction> plan;
  plan.swap(plan_);
  LeaveCriticalSection(&lock_);
  Record({DriveEntrantDialog(dialog, plan, hostWindow_), kEntrantDialogCaption, {}});
}

}  // namespace host
