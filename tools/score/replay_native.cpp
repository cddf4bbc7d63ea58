#include "tools/score/replay.h"

#include "platform/posix_platform.h"
#include "plugin/exports.h"

namespace kvaro::score {
namespace {

// Arguments the plug-in does not read.
constexpr const char* kUnused = "";
COleDateTime g_unusedDate{0.0, COleDateTime::null};

}  // namespace

void ResetNative(const ReplayPlan& plan, bool exportRun) {
  COleDateTime start{plan.start, COleDateTime::valid}, end{plan.end, COleDateTime::valid};
  const char* u = kUnused;
  ResetStats0(u, exportRun ? 1 : 0, plan.ownCall.c_str(), &start, &end, u, u, u, u, u, u, u, u, u,
              plan.ownPrefix.c_str(), 0, 0, 0, 0.0, 0.0, u, plan.ownRegion.c_str(), u);
}

void AddNative(const ReplayContact& c) {
  const char* u = kUnused;
  COleDateTime time{c.time, COleDateTime::valid};
  AddData0(u, c.call.c_str(), &time, &g_unusedDate, &g_unusedDate, &g_unusedDate, 0, c.freqHz, c.mode.c_str(),
           c.rstSent.c_str(), c.rstReceived.c_str(), c.exchgSent.c_str(), c.exchgReceived.c_str(), u, u, u, u, u, u,
           u, u, u, c.prefix.c_str(), 0, 0, 0, 0.0, 0.0, u, c.region.c_str(), u, c.band.c_str(), u);
}

int CheckNative(const ReplayContact& c) {
  const char* u = kUnused;
  char buffer27[64] = {}, buffer28[64] = {};
  return CheckCall0(c.call.c_str(), 0, 0, c.mode.c_str(), u, u, u, u, u, u, u, u, u, c.prefix.c_str(), 0, 0, 0, 0.0,
                    0.0, u, u, u, u, u, c.band.c_str(), u, buffer27, buffer28);
}

ReplayOutcome ReplayNative(const ReplayPlan& plan) {
  PosixPlatform& platform = NativePosixPlatform();
  ReplayOutcome out;
  platform.dialogSteps.clear();
  for (const DialogAnswer& a : plan.dialog) platform.dialogSteps.push_back({DialogStep::Type, a.controlId, a.text});
  platform.messageSink = [&out](const std::string& text, const char* caption) {
    if (caption && std::string(caption) == "Output") out.output = text;
  };

  ResetNative(plan, plan.exportRun);
  for (const ReplayContact& c : plan.contacts) {
    out.checks.push_back(CheckNative(c));
    AddNative(c);
  }
  int result = 0;
  out.summary = GetResult0(&result);
  out.result = result;
  platform.messageSink = nullptr;
  platform.dialogSteps.clear();
  return out;
}

}  // namespace kvaro::score
