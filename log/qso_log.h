// The contacts of the current statistics run, in the order the host handed
// them over.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "log/qso_record.h"

namespace kvaro {

class QsoLog {
 public:
  void Append(QsoRecord record) { records_.push_back(std::move(record)); }

  // Removes the earliest record with this call, mode and band; the records
  // behind it keep their order. Returns whether one was removed.
  bool RemoveFirst(std::string_view call, std::string_view mode, std::string_view band);

  // Forgets every record and frees the storage.
  void Clear() { std::vector<QsoRecord>().swap(records_); }

  std::size_t size() const { return records_.size(); }
  const QsoRecord& operator[](std::size_t i) const { return records_[i]; }
  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }

 private:
  std::vector<QsoRecord> records_;
};

}  // namespace kvaro
