#include "log/band_list.h"

namespace kvaro {

void BandList::AddIfNew(std::string_view label) {
  if (known_.find(label) != known_.end()) return;
  known_.emplace(label);
  labels_.emplace_back(label);
}

void BandList::Clear() {
  std::vector<std::string>().swap(labels_);
  decltype(known_)().swap(known_);
}

void BandList::Reorder(const std::vector<std::size_t>& order) {
  std::vector<std::string> reordered;
  reordered.reserve(labels_.size());
  for (std::size_t from : order) reordered.push_back(std::move(labels_[from]));
  labels_.swap(reordered);
}

}  // namespace kvaro
