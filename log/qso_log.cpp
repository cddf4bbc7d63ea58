#include "log/qso_log.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <stdexcept>

namespace kvaro {

template <typename Map, typename K>
bool QsoLog::Count(Map& counts, const K& key, int change) {
  if (change > 0) return ++counts[key] == 1;
  const auto it = counts.find(key);
  if (it == counts.end() || --it->second != 0) return false;
  counts.erase(it);
  return true;
}

bool QsoLog::Count(KeyCounts& counts, const QsoRecord& r, const KeyCounts::Key& key, int change) {
  return change > 0 ? counts.Add(r.texts_, key) : counts.Remove(key);
}

void QsoLog::CountRecord(const QsoRecord& r, int change) {
  // The keys borrow the stored copies, which stay until Clear.
  Count(calls_, r, {r.band(), r.mode(), r.call()}, change);
  Count(prefixes_, r, {r.band(), r.mode(), r.prefix()}, change);
  if (r.call().empty()) return;  // the summary counts only contacts with a callsign
  BandDistinct& d = distinct_[r.bandId()];
  const std::uint64_t bandPrefix = std::uint64_t{r.bandId()} << 32 | r.prefixId();
  if (Count(bandPrefixes_, bandPrefix, change)) d.prefixes = change > 0 ? d.prefixes + 1 : d.prefixes - 1;
  // No mode in this key: an empty text at the start of the record's block.
  if (IsGreekPrefix(r.prefix()) && Count(bandGreekCalls_, r, {r.band(), r.call().substr(0, 0), r.call()}, change)) {
    d.greekCalls = change > 0 ? d.greekCalls + 1 : d.greekCalls - 1;
  }
}

void QsoLog::Append(const ContactTexts& t, std::uint32_t freqKhz, const COleDateTime& time) {
  const std::string_view fields[QsoRecord::kTexts] = {t.call,    t.prefix,        t.region,
                                                      t.band,    t.mode,          t.rstReceived,
                                                      t.rstSent, t.exchgReceived, t.exchgSent};
  std::size_t total = 0;
  for (std::string_view f : fields) total += f.size();
  if (total > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("contact texts too long");

  QsoRecord record;
  // A record without any text still needs a place for its (empty) texts.
  static char noTexts[1];
  char* out = total > 0 ? texts_.Allocate(total) : noTexts;
  record.texts_ = out;
  std::uint32_t end = 0;
  for (std::size_t i = 0; i < QsoRecord::kTexts; ++i) {
    if (!fields[i].empty()) std::memcpy(out + end, fields[i].data(), fields[i].size());
    end += static_cast<std::uint32_t>(fields[i].size());
    record.ends_[i] = end;
  }
  record.freqKhz = freqKhz;
  record.time = time;
  record.bandId_ = bandIds_.Id(record.band());
  record.prefixId_ = prefixIds_.Id(record.prefix());
  record.regionId_ = regionIds_.Id(record.region());
  const std::string_view mode = record.mode();
  record.modeCode_ = mode == "CW"     ? QsoRecord::Cw
                     : mode == "SSB"  ? QsoRecord::Ssb
                     : mode == "RTTY" ? QsoRecord::Rtty
                                      : QsoRecord::OtherMode;
  if (distinct_.size() < bandIds_.size()) distinct_.resize(bandIds_.size());
  CountRecord(record, +1);
  records_.push_back(record);
}

bool QsoLog::RemoveFirst(std::string_view call, std::string_view mode, std::string_view band) {
  const auto it = std::find_if(records_.begin(), records_.end(), [&](const QsoRecord& r) {
    return r.call() == call && r.mode() == mode && r.band() == band;
  });
  if (it == records_.end()) return false;
  // The removed record's texts stay in the store, so a key or a number that
  // still borrows them stays valid.
  CountRecord(*it, -1);
  records_.erase(it);
  return true;
}

void QsoLog::Clear() {
  std::deque<QsoRecord>().swap(records_);
  calls_.Clear();
  prefixes_.Clear();
  bandIds_.Clear();
  prefixIds_.Clear();
  regionIds_.Clear();
  decltype(bandPrefixes_)().swap(bandPrefixes_);
  bandGreekCalls_.Clear();
  std::vector<BandDistinct>().swap(distinct_);
  texts_.Clear();
}

bool QsoLog::HasCall(std::string_view band, std::string_view mode, std::string_view call) const {
  return calls_.Contains({band, mode, call});
}

bool QsoLog::HasPrefix(std::string_view band, std::string_view mode, std::string_view prefix) const {
  return prefixes_.Contains({band, mode, prefix});
}

}  // namespace kvaro
