#include "log/qso_log.h"

#include <algorithm>

namespace kvaro {
namespace {

// Texts from the host end at their first zero byte, so a zero byte keeps
// the three parts of a key apart.
std::string Key(std::string_view band, std::string_view mode, std::string_view text) {
  std::string key;
  key.reserve(band.size() + mode.size() + text.size() + 2);
  key.append(band).push_back('\0');
  key.append(mode).push_back('\0');
  key.append(text);
  return key;
}

bool Holds(const std::unordered_map<std::string, std::uint32_t>& counts, const std::string& key) {
  return counts.find(key) != counts.end();
}

}  // namespace

void QsoLog::Count(Counts& counts, const QsoRecord& r, const std::string& text, int change) {
  const std::string key = Key(r.band, r.mode, text);
  if (change > 0) {
    ++counts[key];
  } else if (const auto it = counts.find(key); it != counts.end() && --it->second == 0) {
    counts.erase(it);
  }
}

void QsoLog::Append(QsoRecord record) {
  Count(calls_, record, record.call, +1);
  Count(prefixes_, record, record.prefix, +1);
  records_.push_back(std::move(record));
}

bool QsoLog::RemoveFirst(std::string_view call, std::string_view mode, std::string_view band) {
  const auto it = std::find_if(records_.begin(), records_.end(), [&](const QsoRecord& r) {
    return r.call == call && r.mode == mode && r.band == band;
  });
  if (it == records_.end()) return false;
  Count(calls_, *it, it->call, -1);
  Count(prefixes_, *it, it->prefix, -1);
  records_.erase(it);
  return true;
}

void QsoLog::Clear() {
  std::vector<QsoRecord>().swap(records_);
  Counts().swap(calls_);
  Counts().swap(prefixes_);
}

bool QsoLog::HasCall(std::string_view band, std::string_view mode, std::string_view call) const {
  return Holds(calls_, Key(band, mode, call));
}

bool QsoLog::HasPrefix(std::string_view band, std::string_view mode, std::string_view prefix) const {
  return Holds(prefixes_, Key(band, mode, prefix));
}

}  // namespace kvaro
