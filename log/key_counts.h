// Counts of keys made of three texts (band, mode and a callsign or prefix),
// in one flat table: no allocation per key, and a lookup touches one or two
// cache lines. The texts are borrowed from the log's text store, where each
// key's three texts lie in one record's block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kvaro {

class KeyCounts {
 public:
  // Three texts; a stored key's texts must all lie in the block that starts
  // at `base`, within 4 GiB of it.
  struct Key {
    std::string_view text[3];
  };

  // Adds 1 to the count of `key` (whose texts lie in the block at `base`);
  // true when the key is new.
  bool Add(const char* base, const Key& key);
  // Takes 1 from the count of `key`; true when it went.
  bool Remove(const Key& key);
  bool Contains(const Key& key) const;
  void Clear();

 private:
  struct Slot {
    const char* base = nullptr;  // null: the slot is free
    std::uint32_t offset[3];
    std::uint32_t size[3];
    std::uint32_t hash;
    std::uint32_t count;
  };
  static std::uint32_t Hash(const Key& key);
  static bool Same(const Slot& slot, std::uint32_t hash, const Key& key);
  std::size_t Find(const Key& key, std::uint32_t hash) const;  // its slot, or a free one
  void Grow();

  std::vector<Slot> slots_;  // a power of two long, or empty
  std::size_t used_ = 0;
};

}  // namespace kvaro
