// The distinct band labels met since the run began, in first-seen order until
// the summary orders them.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace kvaro {

class BandList {
 public:
  // Appends the label unless an equal one is already listed.
  void AddIfNew(std::string_view label);

  void Clear();

  std::size_t size() const { return labels_.size(); }
  const std::string& operator[](std::size_t i) const { return labels_[i]; }
  void Swap(std::size_t i, std::size_t j) { labels_[i].swap(labels_[j]); }
  // Puts the label now at position order[k] at position k, for every k.
  void Reorder(const std::vector<std::size_t>& order);

 private:
  std::vector<std::string> labels_;
  // The same labels, to find one at once, looked up without a copy.
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
  };
  std::unordered_set<std::string, Hash, std::equal_to<>> known_;
};

}  // namespace kvaro
