#include "log/qso_log.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <stdexcept>

namespace kvaro {

QsoLog::Key::Key(std::string_view band, std::string_view mode, std::string_view third)
    : text{band.data(), mode.data(), third.data()},
      size{static_cast<std::uint32_t>(band.size()), static_cast<std::uint32_t>(mode.size()),
           static_cast<std::uint32_t>(third.size())} {}

bool QsoLog::Key::operator==(const Key& other) const {
  return (*this)[0] == other[0] && (*this)[1] == other[1] && (*this)[2] == other[2];
}

// FNV-1a over the three texts and their lengths: the keys are short, and a
// loop the compiler sees through beats three calls of the library's hash.
std::size_t QsoLog::KeyHash::operator()(const Key& key) const noexcept {
  std::uint64_t h = 14695981039346656037ull;
  for (int i = 0; i < 3; ++i) {
    for (std::uint32_t k = 0; k < key.size[i]; ++k) {
      h = (h ^ static_cast<unsigned char>(key.text[i][k])) * 1099511628211ull;
    }
    h = (h ^ key.size[i]) * 1099511628211ull;
  }
  return static_cast<std::size_t>(h ^ (h >> 29));
}

void QsoLog::Count(Counts& counts, const Key& key, int change) {
  if (change > 0) {
    ++counts[key];
  } else if (const auto it = counts.find(key); it != counts.end() && --it->second == 0) {
    counts.erase(it);
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
  char* out = texts_.Allocate(total);
  record.texts_ = out;
  std::uint32_t end = 0;
  for (std::size_t i = 0; i < QsoRecord::kTexts; ++i) {
    if (!fields[i].empty()) std::memcpy(out + end, fields[i].data(), fields[i].size());
    end += static_cast<std::uint32_t>(fields[i].size());
    record.ends_[i] = end;
  }
  record.freqKhz = freqKhz;
  record.time = time;
  // The keys borrow the stored copies, which stay until Clear.
  Count(calls_, Key(record.band(), record.mode(), record.call()), +1);
  Count(prefixes_, Key(record.band(), record.mode(), record.prefix()), +1);
  records_.push_back(record);
}

bool QsoLog::RemoveFirst(std::string_view call, std::string_view mode, std::string_view band) {
  const auto it = std::find_if(records_.begin(), records_.end(), [&](const QsoRecord& r) {
    return r.call() == call && r.mode() == mode && r.band() == band;
  });
  if (it == records_.end()) return false;
  // The removed record's texts stay in the store, so a key that still
  // borrows them stays valid.
  Count(calls_, Key(it->band(), it->mode(), it->call()), -1);
  Count(prefixes_, Key(it->band(), it->mode(), it->prefix()), -1);
  records_.erase(it);
  return true;
}

void QsoLog::Clear() {
  std::deque<QsoRecord>().swap(records_);
  Counts().swap(calls_);
  Counts().swap(prefixes_);
  texts_.Clear();
}

namespace {

// No stored text is longer than 32 bits can count.
bool Storable(std::string_view a, std::string_view b, std::string_view c) {
  constexpr std::size_t max = std::numeric_limits<std::uint32_t>::max();
  return a.size() <= max && b.size() <= max && c.size() <= max;
}

}  // namespace

bool QsoLog::HasCall(std::string_view band, std::string_view mode, std::string_view call) const {
  return Storable(band, mode, call) && calls_.find(Key(band, mode, call)) != calls_.end();
}

bool QsoLog::HasPrefix(std::string_view band, std::string_view mode, std::string_view prefix) const {
  return Storable(band, mode, prefix) && prefixes_.find(Key(band, mode, prefix)) != prefixes_.end();
}

}  // namespace kvaro
