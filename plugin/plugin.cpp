#include "plugin/plugin.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "export/settings_file.h"
#include "platform/platform.h"
#include "score/summary.h"

namespace kvaro {
namespace {

std::string_view Text(const char* p) { return p ? std::string_view{p} : std::string_view{}; }

// Keeps the leading characters of `text` that fit before the terminating zero.
template <std::size_t N>
void CopyLeading(char (&target)[N], const std::string& text) {
  const std::size_t n = std::min(text.size(), N - 1);
  std::memcpy(target, text.data(), n);
  target[n] = '\0';
}

std::string LocaleText(const COleDateTime* date, Platform& platform) {
  return date ? FormatOleDateLocale(*date, platform) : std::string{};
}

constexpr unsigned kInformationBox = 0x40;  // MB_ICONINFORMATION with an OK button

}  // namespace

void Plugin::Setup() { platform_.ShowMessage(kSetupMessage, nullptr, 0 /* MB_OK */, BoxOwner::None); }

int Plugin::ResetStats(const RunStart& run) {
  if (!stats_.companionStarted) {
    platform_.StartProgram(kCompanionCommand);
    stats_.companionStarted = true;  // also when the start failed: never retried
  }
  CopyLeading(stats_.startDayMonth, LocaleText(run.start, platform_));
  CopyLeading(stats_.endDate, LocaleText(run.end, platform_));
  qsoLog_.Clear();
  bandList_.Clear();
  stats_.exportFlag = run.exportFlag;
  stats_.ownRegion = Text(run.ownRegion);
  stats_.ownPrefix = Text(run.ownPrefix);
  stats_.ownIsGreek = IsGreekPrefix(stats_.ownPrefix) ? 1 : 0;
  stats_.ownCall = Text(run.ownCall);
  // A run exports only when the operator confirmed the entrant information.
  exportConfirmed_ = run.exportFlag != 0 &&
                     exportContext_.PrepareEntrantInfo(stats_.ownCall, platform_) == 1;
  return 1;
}

int Plugin::AddData(const ContactArgs& c) {
  bandList_.AddIfNew(Text(c.band));
  const ContactTexts texts{Text(c.call),     Text(c.prefix),      Text(c.region),
                           Text(c.band),     Text(c.mode),        Text(c.rstReceived),
                           Text(c.rstSent),  Text(c.exchgReceived), Text(c.exchgSent)};
  qsoLog_.Append(texts, c.freqHz / 1000, c.time ? *c.time : COleDateTime{});
  return 1;
}

int Plugin::RemoveData(const ContactArgs& c) {
  if (Text(c.exchgReceived).empty() || Text(c.exchgSent).empty()) return 0;
  qsoLog_.RemoveFirst(Text(c.call), Text(c.mode), Text(c.band));
  return 1;
}

CallCheckResult Plugin::CheckCall(const char* call, const char* mode, const char* prefix,
                                  const char* band) const {
  return kvaro::CheckCall(qsoLog_, Text(call), Text(mode), Text(prefix), Text(band));
}

const char* Plugin::GetResult(std::int32_t* result) {
  const SummaryTitle title{stats_.startDayMonth, stats_.endDate, stats_.ownCall};
  const OwnStation own{stats_.ownPrefix, stats_.ownRegion, stats_.ownIsGreek != 0};
  Summary summary = BuildSummary(title, own, qsoLog_, bandList_);
  summaryReport_ = std::move(summary.text);
  claimedScore_ = summary.score;
  if (result) *result = claimedScore_;
  platform_.WriteProfileString(kSettingsSection, "Claimed", std::to_string(claimedScore_),
                               kSettingsFile);
  if (exportConfirmed_) {
    const std::string confirmation = exportContext_.ExportLog(qsoLog_, claimedScore_, platform_);
    platform_.ShowMessage(confirmation, "Output", kInformationBox, BoxOwner::ActiveWindow);
    if (result) *result = -1;
  }
  return summaryReport_.c_str();
}

}  // namespace kvaro
