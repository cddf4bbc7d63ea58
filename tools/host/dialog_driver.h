// Plays the operator in the plug-in's entrant dialog: reads the dialog as it
// opened (caption, owner, font, every control with its place in dialog units,
// its styles and its text), then types, picks and presses as planned.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace host {

inline constexpr const char* kEntrantDialogCaption = "TRIATHLON-DX-CONTEST";

struct DialogAction {
  enum Kind {
    Type,   // put `text` into control `id`
    Pick,   // choose the category item `text` from the list
    Shot,   // save a picture of the dialog to the file `text`
    Press,  // end the dialog: `text` is ok, cancel, escape or close
  };
  Kind kind;
  int id = 0;
  std::string text = {};
};

// Whether `window` is an open entrant dialog.
bool IsEntrantDialog(HWND window);

// Reports the dialog, then carries out `actions`; without a Press action it
// presses OK. Returns the report, one line per item, each ending with "\n".
std::string DriveEntrantDialog(HWND dialog, const std::vector<DialogAction>& actions, HWND hostWindow);

// Texts in reports: CR, LF, tab and backslash written as \r, \n, \t and \\.
std::string Escaped(const std::string& text);

}  // namespace host
