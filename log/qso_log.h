// The contacts of the current statistics run, in the order the host handed
// them over.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "log/key_counts.h"
#include "log/qso_record.h"
#include "log/text_ids.h"
#include "log/text_store.h"

namespace kvaro {

class QsoLog {
 public:
  // Stores a copy of the contact's texts.
  void Append(const ContactTexts& texts, std::uint32_t freqKhz, const COleDateTime& time);

  // Removes the earliest record with this call, mode and band; the records
  // behind it keep their order. Returns whether one was removed.
  bool RemoveFirst(std::string_view call, std::string_view mode, std::string_view band);

  // Forgets every record and frees the storage.
  void Clear();

  // Whether a record with this band and mode has this call, or this prefix.
  // They answer what a walk over the records would, without the walk: the
  // host asks while the operator types, and a replayed log asks once per
  // contact.
  bool HasCall(std::string_view band, std::string_view mode, std::string_view call) const;
  bool HasPrefix(std::string_view band, std::string_view mode, std::string_view prefix) const;

  // The numbers that the records' bandId, prefixId and regionId refer to.
  const TextIds& bands() const { return bandIds_; }
  const TextIds& prefixes() const { return prefixIds_; }
  const TextIds& regions() const { return regionIds_; }

  // Among the records of a band that have a callsign: how many distinct
  // prefixes, and how many distinct callsigns with a Greek prefix.
  struct BandDistinct {
    std::uint32_t prefixes = 0;
    std::uint32_t greekCalls = 0;
  };
  BandDistinct Distinct(std::uint32_t bandId) const {
    return bandId < distinct_.size() ? distinct_[bandId] : BandDistinct{};
  }

  std::size_t size() const { return records_.size(); }
  const QsoRecord& operator[](std::size_t i) const { return records_[i]; }
  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }

 private:
  // Adds `change` (+1 or -1) to the count of `key`; true when the key came
  // or went.
  template <typename Map, typename K>
  static bool Count(Map& counts, const K& key, int change);
  static bool Count(KeyCounts& counts, const QsoRecord& r, const KeyCounts::Key& key, int change);
  void CountRecord(const QsoRecord& r, int change);

  // A deque grows without copying what it holds, so the log's peak memory
  // stays close to what it keeps.
  std::deque<QsoRecord> records_;
  TextStore texts_;
  // How many records hold each band, mode and call (and band, mode and prefix).
  KeyCounts calls_, prefixes_;
  TextIds bandIds_, prefixIds_, regionIds_;
  // Per band and prefix (both numbers), and per band and Greek callsign, how
  // many records with a callsign hold them; and what that gives per band.
  std::unordered_map<std::uint64_t, std::uint32_t> bandPrefixes_;
  KeyCounts bandGreekCalls_;
  std::vector<BandDistinct> distinct_;
};

}  // namespace kvaro
