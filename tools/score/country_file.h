// Country prefix and continent of a callsign, from a country file in the
// common cty.dat format: per entity a header line of eight fields separated
// by ":" (name, CQ zone, ITU zone, continent, latitude, longitude, UTC
// offset, primary prefix), then its prefixes and exact calls ("=CALL"),
// separated by "," and ended by ";". Entities whose primary prefix begins
// with "*" count only for WAE and are left out: their calls resolve to the
// DXCC entity that holds them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kvaro::score {

struct Location {
  std::string prefix;     // the entity's primary prefix: "SV", "SV5", "SV/a"
  std::string continent;  // "EU", "AS", "AF", "NA", "SA" or "OC"
  bool operator==(const Location&) const = default;
};

class CountryFile {
 public:
  // Parses the file's text; false with a one-line reason on bad input.
  bool Load(std::string_view text, std::string& error);

  // Exact calls first, then the longest matching prefix. A portable prefix
  // (SV9/DL1ABC or DL1ABC/SV9) decides where it stands; /P, /M, /QRP and
  // other one-letter suffixes are dropped, a single digit replaces the
  // call's area digit, and /MM and /AM stand in no entity.
  std::optional<Location> Resolve(std::string_view call) const;

  std::size_t entities() const { return entities_; }

 private:
  // Looked up by string_view, without making a string of each key tried.
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  using Table = std::unordered_map<std::string, Location, Hash, std::equal_to<>>;

  std::optional<Location> LongestPrefix(std::string_view text) const;

  Table prefixes_;
  Table exactCalls_;
  std::size_t longestPrefix_ = 0;
  std::size_t entities_ = 0;
};

}  // namespace kvaro::score
