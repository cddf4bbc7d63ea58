#include "tools/score/country_file.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "tools/score/ascii.h"

namespace kvaro::score {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t stop = s.find(separator, start);
    parts.push_back(s.substr(start, stop == std::string_view::npos ? std::string_view::npos : stop - start));
    if (stop == std::string_view::npos) return parts;
    start = stop + 1;
  }
}

bool IsContinent(std::string_view c) {
  return c == "EU" || c == "AS" || c == "AF" || c == "NA" || c == "SA" || c == "OC";
}

}  // namespace

bool CountryFile::Load(std::string_view text, std::string& error) {
  prefixes_.clear();
  exactCalls_.clear();
  longestPrefix_ = 0;
  entities_ = 0;
  std::size_t pos = 0;
  std::size_t line = 1;
  while (true) {
    // Skip blank space up to the next entity.
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) {
      if (text[pos] == '\n') ++line;
      ++pos;
    }
    if (pos >= text.size()) break;
    const std::size_t headerEnd = text.find('\n', pos);
    if (headerEnd == std::string_view::npos) {
      error = "line " + std::to_string(line) + ": entity without prefixes";
      return false;
    }
    const std::vector<std::string_view> fields = Split(text.substr(pos, headerEnd - pos), ':');
    if (fields.size() < 9 || !Trim(fields[8]).empty()) {
      error = "line " + std::to_string(line) + ": not an entity line of eight fields";
      return false;
    }
    const std::string continent(Trim(fields[3]));
    std::string primary(Trim(fields[7]));
    if (!IsContinent(continent) || primary.empty() || primary == "*") {
      error = "line " + std::to_string(line) + ": bad continent or primary prefix";
      return false;
    }
    const bool waeOnly = primary.front() == '*';
    if (waeOnly) primary.erase(0, 1);
    const std::size_t listEnd = text.find(';', headerEnd);
    if (listEnd == std::string_view::npos) {
      error = "line " + std::to_string(line) + ": prefix list not ended by \";\"";
      return false;
    }
    const std::string_view list = text.substr(headerEnd + 1, listEnd - headerEnd - 1);
    line += 1 + static_cast<std::size_t>(std::count(list.begin(), list.end(), '\n'));
    pos = listEnd + 1;
    if (waeOnly) continue;
    ++entities_;
    for (std::string_view entry : Split(list, ',')) {
      entry = Trim(entry);
      if (entry.empty()) continue;
      const bool exact = entry.front() == '=';
      if (exact) entry.remove_prefix(1);
      // Overrides follow the call or prefix: (CQ) [ITU] <lat/lon> {continent} ~UTC~.
      const std::size_t overrides = entry.find_first_of("([<{~");
      const std::string key = Upper(entry.substr(0, overrides));
      Location where{primary, continent};
      if (overrides != std::string_view::npos) {
        const std::size_t open = entry.find('{', overrides);
        const std::size_t close = open == std::string_view::npos ? open : entry.find('}', open);
        if (close != std::string_view::npos) where.continent = std::string(entry.substr(open + 1, close - open - 1));
      }
      if (key.empty()) continue;
      if (!exact) longestPrefix_ = std::max(longestPrefix_, key.size());
      (exact ? exactCalls_ : prefixes_).emplace(key, std::move(where));
    }
  }
  if (entities_ == 0) {
    error = "no entities";
    return false;
  }
  return true;
}

std::optional<Location> CountryFile::LongestPrefix(std::string_view text) const {
  for (std::size_t n = std::min(text.size(), longestPrefix_); n > 0; --n) {
    const auto it = prefixes_.find(text.substr(0, n));
    if (it != prefixes_.end()) return it->second;
  }
  return std::nullopt;
}

std::optional<Location> CountryFile::Resolve(std::string_view rawCall) const {
  const std::string call = Upper(Trim(rawCall));
  if (call.empty()) return std::nullopt;
  if (const auto it = exactCalls_.find(call); it != exactCalls_.end()) return it->second;

  std::vector<std::string> parts;
  for (std::string_view p : Split(call, '/')) {
    if (!p.empty()) parts.emplace_back(p);
  }
  if (parts.empty()) return std::nullopt;
  std::optional<char> areaDigit;
  // Suffixes, from the end: they say how the station works, not where.
  while (parts.size() > 1) {
    const std::string& last = parts.back();
    if (last == "MM" || last == "AM") return std::nullopt;  // at sea or in the air
    if (last.size() == 1 && std::isdigit(static_cast<unsigned char>(last[0]))) {
      areaDigit = last[0];
    } else if (!(last.size() == 1 || last == "QRP" || last == "QRPP")) {
      break;
    }
    parts.pop_back();
  }
  if (parts.size() == 1) {
    std::string base = parts[0];
    if (const auto it = exactCalls_.find(base); it != exactCalls_.end()) return it->second;
    if (areaDigit) {
      // W1AW/4 works from area 4: the call's first digit becomes 4.
      const auto digit = std::find_if(base.begin(), base.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
      if (digit != base.end()) *digit = *areaDigit;
    }
    return LongestPrefix(base);
  }
  // A portable prefix: the shorter part tells where the station stands.
  const auto shortest = std::min_element(parts.begin(), parts.end(),
                                         [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
  return LongestPrefix(*shortest);
}

}  // namespace kvaro::score
