#include "log/text_store.h"

namespace kvaro {

char* TextStore::Allocate(std::size_t size) {
  if (size > left_) {
    // A text longer than a block gets a block of its own; the current block
    // stays open for the texts after it.
    if (size > kBlockSize / 4) {
      blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
      return blocks_.back().get();
    }
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
    free_ = blocks_.back().get();
    left_ = kBlockSize;
  }
  char* room = free_;
  free_ += size;
  left_ -= size;
  return room;
}

void TextStore::Clear() {
  std::vector<std::unique_ptr<char[]>>().swap(blocks_);
  free_ = nullptr;
  left_ = 0;
}

}  // namespace kvaro
