// A statistics run as the host logger would make it from a log: the own
// station and period for ResetStats0, then one CheckCall0 and one AddData0
// per contact, then GetResult0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kvaro::score {

struct ReplayContact {
  std::string call, mode, rstSent, rstReceived, exchgSent, exchgReceived, prefix, region, band;
  double time = 0.0;  // OLE date
  std::uint32_t freqHz = 0;
  std::size_t record = 0;  // its record number in the log
};

// A text the operator types into a box of the entrant dialog.
struct DialogAnswer {
  int controlId;
  std::string text;
};

struct ReplayPlan {
  std::string ownCall, ownPrefix, ownRegion;
  double start = 0.0, end = 0.0;  // OLE dates
  bool exportRun = false;
  std::vector<DialogAnswer> dialog;
  std::vector<ReplayContact> contacts;
};

// What the plug-in answered.
struct ReplayOutcome {
  std::vector<int> checks;  // CheckCall0 before each AddData0
  std::string summary;      // GetResult0's text
  int result = 0;           // what GetResult0 stored through its pointer
  std::string output;       // the text of the "Output" box of an export run
};

}  // namespace kvaro::score
