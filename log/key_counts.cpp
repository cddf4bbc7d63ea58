#include "log/key_counts.h"

namespace kvaro {

// FNV-1a over the three texts and their lengths: the keys are short.
std::uint32_t KeyCounts::Hash(const Key& key) {
  std::uint64_t h = 14695981039346656037ull;
  for (std::string_view t : key.text) {
    for (char c : t) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    h = (h ^ t.size()) * 1099511628211ull;
  }
  return static_cast<std::uint32_t>(h ^ (h >> 32));
}

bool KeyCounts::Same(const Slot& slot, std::uint32_t hash, const Key& key) {
  if (slot.hash != hash) return false;
  for (int i = 0; i < 3; ++i) {
    if (std::string_view(slot.base + slot.offset[i], slot.size[i]) != key.text[i]) return false;
  }
  return true;
}

std::size_t KeyCounts::Find(const Key& key, std::uint32_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (!slot.base || Same(slot, hash, key)) return i;
  }
}

bool KeyCounts::Contains(const Key& key) const {
  return !slots_.empty() && slots_[Find(key, Hash(key))].base != nullptr;
}

bool KeyCounts::Add(const char* base, const Key& key) {
  // At most three quarters full, so that every probe ends soon.
  if ((used_ + 1) * 4 > slots_.size() * 3) Grow();
  const std::uint32_t hash = Hash(key);
  Slot& slot = slots_[Find(key, hash)];
  if (slot.base) {
    ++slot.count;
    return false;
  }
  slot.base = base;
  for (int i = 0; i < 3; ++i) {
    slot.offset[i] = static_cast<std::uint32_t>(key.text[i].data() - base);
    slot.size[i] = static_cast<std::uint32_t>(key.text[i].size());
  }
  slot.hash = hash;
  slot.count = 1;
  ++used_;
  return true;
}

bool KeyCounts::Remove(const Key& key) {
  if (slots_.empty()) return false;
  const std::size_t mask = slots_.size() - 1;
  std::size_t hole = Find(key, Hash(key));
  if (!slots_[hole].base || --slots_[hole].count > 0) return false;
  // Backward shift: the keys after the hole that would be found through it
  // move into it, so that no probe meets a false gap.
  for (std::size_t next = (hole + 1) & mask; slots_[next].base; next = (next + 1) & mask) {
    const std::size_t home = slots_[next].hash & mask;
    const bool reachable = hole <= next ? (home <= hole || home > next) : (home <= hole && home > next);
    if (reachable) {
      slots_[hole] = slots_[next];
      hole = next;
    }
  }
  slots_[hole].base = nullptr;
  --used_;
  return true;
}

void KeyCounts::Grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& s : old) {
    if (!s.base) continue;
    std::size_t i = s.hash & mask;
    while (slots_[i].base) i = (i + 1) & mask;
    slots_[i] = s;
  }
}

void KeyCounts::Clear() {
  std::vector<Slot>().swap(slots_);
  used_ = 0;
}

}  // namespace kvaro
