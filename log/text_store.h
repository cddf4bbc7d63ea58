// Keeps the texts of the stored contacts in large blocks, one text after the
// other, so that a contact costs its characters and a few offsets instead of
// a string object per field. Texts never move once stored; they are freed
// all together.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace kvaro {

class TextStore {
 public:
  // Room for `size` characters that stays where it is until Clear.
  char* Allocate(std::size_t size);
  void Clear();

 private:
  static constexpr std::size_t kBlockSize = 64 * 1024;
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* free_ = nullptr;
  std::size_t left_ = 0;
};

}  // namespace kvaro
