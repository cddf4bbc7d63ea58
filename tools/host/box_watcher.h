// Answers the plug-in's windows as an operator would: a thread finds each
// message box of this process, reads its caption, text, icon and owner and
// presses OK, and plays the planned part in each entrant dialog.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tools/host/dialog_driver.h"

namespace host {

// What the watcher saw of one window: its report, and for a message box its
// caption and text.
struct SeenWindow {
  std::string report;
  std::string caption;
  std::string text;
};

class BoxWatcher {
 public:
  explicit BoxWatcher(HWND hostWindow);
  ~BoxWatcher();
  BoxWatcher(const BoxWatcher&) = delete;
  BoxWatcher& operator=(const BoxWatcher&) = delete;

  // What the next entrant dialog is answered with; without a plan it is
  // accepted as it opens.
  void PlanDialog(std::vector<DialogAction> actions);

  // The windows answered since the last call, oldest first.
  std::vector<SeenWindow> Take();

 private:
  static DWORD WINAPI ThreadMain(LPVOID self);
  static BOOL CALLBACK VisitWindow(HWND window, LPARAM self);
  void AnswerBox(HWND box);
  void AnswerDialog(HWND dialog);
  void Record(SeenWindow seen);

  HWND hostWindow_;
  CRITICAL_SECTION lock_;
  std::vector<SeenWindow> seen_;
  std::vector<DialogAction> plan_;
  std::vector<HWND> answered_;
  HANDLE stop_ = nullptr;
  HANDLE thread_ = nullptr;
};

}  // namespace host
