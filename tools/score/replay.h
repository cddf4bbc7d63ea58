// Runs a replay plan through the plug-in's exports, in the order the host
// calls them: natively in this process, or through the real KVARO.dll under
// Wine, driven by the host emulator.
#pragma once

#include <optional>
#include <string>

#include "tools/score/replay_plan.h"

namespace kvaro::score {

ReplayOutcome ReplayNative(const ReplayPlan& plan);

// The single host calls of a native replay: ResetStats0 for the plan's own
// station and period, AddData0 and CheckCall0 for one contact.
void ResetNative(const ReplayPlan& plan, bool exportRun);
void AddNative(const ReplayContact& contact);
int CheckNative(const ReplayContact& contact);

struct WineReplay {
  std::string dll;   // KVARO.dll
  std::string host;  // kvaro-host.exe
};

// The same under Wine; nothing, with a reason in `error`, when Wine or the
// host emulator fails.
std::optional<ReplayOutcome> ReplayUnderWine(const ReplayPlan& plan, const WineReplay& wine, std::string& error);

// The plan as a session script of the host emulator.
std::string SessionScript(const ReplayPlan& plan, const std::string& summaryFile);

}  // namespace kvaro::score
