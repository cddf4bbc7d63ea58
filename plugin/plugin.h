// The plug-in's state and operations, one instance per loaded library. The
// exports only translate the host's arguments into these calls.
#pragma once

#include <cstdint>
#include <string>

#include "export/export_context.h"
#include "log/band_list.h"
#include "log/call_check.h"
#include "log/qso_log.h"
#include "plugin/ole_date_time.h"
#include "plugin/stats_state.h"

namespace kvaro {

class Platform;

inline constexpr const char* kSetName = "TRIATHLON-DX-CONTEST";
inline constexpr const char* kSetupMessage = "No additional setup for this contest";
inline constexpr const char* kCompanionCommand = ".\\Plugins\\Dorbex.exe";

// The UI framework's application object; it has no behaviour of its own.
struct Application {};

// The texts of one contact as the host hands them over; null texts read as empty.
struct ContactArgs {
  const char* call = nullptr;
  const COleDateTime* time = nullptr;
  std::uint32_t freqHz = 0;
  const char* mode = nullptr;
  const char* rstSent = nullptr;
  const char* rstReceived = nullptr;
  const char* exchgSent = nullptr;
  const char* exchgReceived = nullptr;
  const char* prefix = nullptr;
  const char* region = nullptr;
  const char* band = nullptr;
};

struct RunStart {
  std::int32_t exportFlag = 0;
  const char* ownCall = nullptr;
  const COleDateTime* start = nullptr;
  const COleDateTime* end = nullptr;
  const char* ownPrefix = nullptr;
  const char* ownRegion = nullptr;
};

class Plugin {
 public:
  explicit Plugin(Platform& platform) : platform_(platform) {}
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;

  void Setup();
  int ResetStats(const RunStart& run);
  int AddData(const ContactArgs& contact);
  // 0 when refused (an empty exchange), else 1, also when nothing matched.
  int RemoveData(const ContactArgs& contact);
  CallCheckResult CheckCall(const char* call, const char* mode, const char* prefix,
                            const char* band) const;
  // Rebuilds the summary and returns it; `result`, when not null, receives the score.
  const char* GetResult(std::int32_t* result);

  const QsoLog& qsoLog() const { return qsoLog_; }
  const BandList& bandList() const { return bandList_; }
  const StatsState& stats() const { return stats_; }
  std::int32_t claimedScore() const { return claimedScore_; }

 private:
  Platform& platform_;
  // The module-wide objects, in the order they are created (and the reverse
  // of the order they are destroyed).
  [[maybe_unused]] Application application_;
  ExportContext exportContext_;
  QsoLog qsoLog_;
  BandList bandList_;
  StatsState stats_;
  std::string summaryReport_;
  std::int32_t claimedScore_ = 0;
  // Whether this run's entrant dialog ended with OK.
  bool exportConfirmed_ = false;
};

}  // namespace kvaro
