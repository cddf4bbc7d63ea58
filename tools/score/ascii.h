// Letter case of ADIF names, callsigns and band names: plain ASCII, whatever
// the locale says.
#pragma once

#include <string>
#include <string_view>

namespace kvaro::score {

inline char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
inline char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = UpperAscii(c);
  return out;
}

inline std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

}  // namespace kvaro::score
