// The contacts of the current statistics run, in the order the host handed
// them over.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "log/qso_record.h"

namespace kvaro {

class QsoLog {
 public:
  void Append(QsoRecord record);

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
  using Counts = std::unordered_map<std::string, std::uint32_t>;
  static void Count(Counts& counts, const QsoRecord& r, const std::string& text, int change);

  std::vector<QsoRecord> records_;
  // How many records hold each band, mode and call (and band, mode and prefix).
  Counts calls_, prefixes_;
};

}  // namespace kvaro
