// Whole files read byte for byte, and where Debian keeps its country file.
#pragma once

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace kvaro::score {

inline constexpr const char* kDebianCountryFile = "/usr/share/hamradio-files/cty.dat";

// The file's bytes, or nothing when it cannot be opened or read.
inline std::optional<std::string> ReadFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return text;
}

}  // namespace kvaro::score
