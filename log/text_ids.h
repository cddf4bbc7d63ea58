// Small numbers for texts that many contacts share (bands, prefixes,
// regions), so that counting compares numbers instead of texts. The texts
// are borrowed from the log's text store.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kvaro {

class TextIds {
 public:
  // The number of `text`, given the next free one when it is new. `text`
  // must outlive the table.
  std::uint32_t Id(std::string_view text) {
    const auto [it, added] = ids_.try_emplace(text, static_cast<std::uint32_t>(texts_.size()));
    if (added) texts_.push_back(text);
    return it->second;
  }
  std::optional<std::uint32_t> Find(std::string_view text) const {
    const auto it = ids_.find(text);
    if (it == ids_.end()) return std::nullopt;
    return it->second;
  }
  std::string_view Text(std::uint32_t id) const { return texts_[id]; }
  std::size_t size() const { return texts_.size(); }
  void Clear() {
    decltype(ids_)().swap(ids_);
    std::vector<std::string_view>().swap(texts_);
  }

 private:
  std::unordered_map<std::string_view, std::uint32_t> ids_;
  std::vector<std::string_view> texts_;
};

}  // namespace kvaro
