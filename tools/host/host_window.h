// The host logger's main window: a visible top-level window that is active
// while the plug-in runs, so that the plug-in finds an owner for its windows.
#pragma once

#include <windows.h>

#include <string>

namespace host {

// Creates the window once and makes it the active window of this thread.
HWND CreateHostWindow();

// The whole text (caption) of a window.
std::string WindowText(HWND window);

// "none", "host" (the host window) or "other", for reports.
std::string OwnerName(HWND owner, HWND hostWindow);

}  // namespace host
