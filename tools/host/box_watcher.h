// Answers the plug-in's message boxes as an operator would: a thread finds
// each box of this process, reads its caption, text and owner, and presses OK.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace host {

struct SeenBox {
  std::string caption;
  std::string text;
  HWND owner = nullptr;
};

class BoxWatcher {
 public:
  BoxWatcher();
  ~BoxWatcher();
  BoxWatcher(const BoxWatcher&) = delete;
  BoxWatcher& operator=(const BoxWatcher&) = delete;

  // The boxes answered since the last call, oldest first.
  std::vector<SeenBox> Take();

 private:
  static DWORD WINAPI ThreadMain(LPVOID self);
  static BOOL CALLBACK VisitWindow(HWND window, LPARAM self);
  void Answer(HWND box);

  CRITICAL_SECTION lock_;
  std::vector<SeenBox> seen_;
  std::vector<HWND> answered_;
  HANDLE stop_ = nullptr;
  HANDLE thread_ = nullptr;
};

}  // namespace host
