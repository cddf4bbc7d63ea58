#include "export/settings_file.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace kvaro {

std::string ReplaceAll(std::string_view source, std::string_view search, std::string_view replacement) {
  if (search.empty() || search == replacement) return std::string(source);
  std::string out;
  std::size_t from = 0;
  for (std::size_t p = source.find(search); p != std::string_view::npos;
       p = source.find(search, from)) {
    out.append(source.substr(from, p - from));
    out.append(replacement);
    from = p + search.size();
  }
  out.append(source.substr(from));
  return out;
}

std::string ToStoredForm(std::string_view plain) {
  return ReplaceAll(ReplaceAll(plain, "\r", "<CR>"), "\n", "<LF>");
}

std::string FromStoredForm(std::string_view stored) {
  return ReplaceAll(ReplaceAll(stored, "<CR>", "\r"), "<LF>", "\n");
}

std::string ToContinuationForm(std::string_view stored, std::string_view tag) {
  const std::string lineStart = "\r\n" + std::string(tag) + ": ";
  return ReplaceAll(ReplaceAll(stored, "<CR>", lineStart), "<LF>", "");
}

std::string ToSingleLine(std::string_view value) {
  return ReplaceAll(ReplaceAll(ReplaceAll(value, "\r\n", " "), "\r", " "), "\n", " ");
}

namespace {

bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool IsForbiddenInFileName(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u < 32 || std::string_view("<>:\"|?*").find(c) != std::string_view::npos;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

// Windows opens a device for these names, whatever extension follows them.
bool IsDeviceName(std::string_view stem) {
  static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
  for (std::string_view name : kPlain) {
    if (SameIgnoringCase(stem, name)) return true;
  }
  return stem.size() == 4 && (SameIgnoringCase(stem.substr(0, 3), "COM") || SameIgnoringCase(stem.substr(0, 3), "LPT")) &&
         stem[3] >= '1' && stem[3] <= '9';
}

}  // namespace

std::string CabrilloFileBaseName(std::string_view callsign) {
  std::string name = ReplaceAll(ReplaceAll(callsign, "/", "_"), "\\", "_");
  const auto first = std::find_if_not(name.begin(), name.end(), IsWhiteSpace);
  const auto last = std::find_if_not(name.rbegin(), name.rend(), IsWhiteSpace).base();
  name = first < last ? std::string(first, last) : std::string();
  std::replace_if(name.begin(), name.end(), IsForbiddenInFileName, '_');
  if (name.empty()) return "KVARO";
  // The device part is what stands before the first dot.
  const std::size_t stemEnd = std::min(name.find('.'), name.size());
  if (IsDeviceName(std::string_view(name).substr(0, stemEnd))) {
    name.insert(name.begin() + static_cast<std::ptrdiff_t>(stemEnd), '_');
  }
  return name;
}

}  // namespace kvaro
