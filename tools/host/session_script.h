// A host session written as a script: one export call per line, fields
// separated by tabs, so that tests and the demo drive the plug-in exactly as
// the host logger does. Every argument the plug-in ignores gets distinct junk,
// so that a misplaced argument shows.
//
//   names plain|decorated     call the exports through these names from now on
//   sets                      GetNumberOfSets, then GetSetName for each set
//   setname N                 GetSetName(N)
//   setup                     SetupSet0; the message box is answered
//   exchgcount                GetExchgCount0
//   reset EXPORT CALL START END PREFIX REGION
//   add CALL TIME FREQHZ MODE RSTSENT RSTRCVD EXCHSENT EXCHRCVD PREFIX REGION BAND
//   remove (the fields of add)
//   check CALL MODE PREFIX BAND
//   valid EXCHANGE
//   result                    GetResult0; prints the result, then the summary
//   dialog type ID TEXT       plan the next entrant dialog: put TEXT into
//   dialog pick ITEM            control ID, choose a category item, save a
//   dialog shot FILE            picture of the dialog, and end it with ok,
//   dialog press HOW            cancel, escape or close (default: ok); the
//                               plan holds until the next reset
//   template ID               describe the library's dialog template ID
//   write FILE TEXT           create FILE holding TEXT
//   print FILE                print FILE's bytes between two marker lines
//   save FILE                 write the last summary's text into FILE, byte for byte
//   stable                    whether the last summary's text is unchanged
//
// START, END and TIME are OLE dates ("41440.5"), or "null" or "invalid". In
// TEXT, \r, \n, \t and \\ stand for CR, LF, tab and backslash. Every window
// that the plug-in opens is reported after the line that opened it.
// Lines that are empty or begin with "#" are skipped.
#pragma once

#include <string>

#include "tools/host/box_watcher.h"
#include "tools/host/plugin_library.h"

namespace host {

struct ScriptOutput {
  bool summaryOnly = false;     // print nothing but the summary texts
  bool decoratedNames = false;  // start with the decorated export names
};

// Runs the script; returns 0, or 2 with a message on stderr for a bad line.
int RunScript(const PluginLibrary& library, BoxWatcher& boxes, const std::string& script,
              const ScriptOutput& options);

}  // namespace host
