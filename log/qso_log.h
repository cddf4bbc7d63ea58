// The contacts of the current statistics run, in the order the host handed
// them over.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string_view>
#include <unordered_map>

#include "log/qso_record.h"
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

  std::size_t size() const { return records_.size(); }
  const QsoRecord& operator[](std::size_t i) const { return records_[i]; }
  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }

 private:
  // Band, mode and a third text, borrowed from the text store (or, for a
  // lookup, from the caller). Lengths fit 32 bits, as the store's offsets do.
  struct Key {
    const char* text[3];
    std::uint32_t size[3];
    Key(std::string_view band, std::string_view mode, std::string_view third);
    std::string_view operator[](int i) const { return {text[i], size[i]}; }
    bool operator==(const Key& other) const;
  };
  struct KeyHash {
    std::size_t operator()(const Key& key) const noexcept;
  };
  using Counts = std::unordered_map<Key, std::uint32_t, KeyHash>;
  static void Count(Counts& counts, const Key& key, int change);

  // A deque grows without copying what it holds, so the log's peak memory
  // stays close to what it keeps.
  std::deque<QsoRecord> records_;
  TextStore texts_;
  // How many records hold each band, mode and call (and band, mode and prefix).
  Counts calls_, prefixes_;
};

}  // namespace kvaro
