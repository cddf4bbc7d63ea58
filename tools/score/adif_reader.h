// Reads the .adi text form of ADIF 3: an optional header ended by <EOH>, then
// records of fields <NAME:LENGTH> or <NAME:LENGTH:TYPE> followed by LENGTH
// bytes of data, each record ended by <EOR>. Names match in any letter case.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvaro::score {

struct AdifRecord {
  std::map<std::string, std::string> fields;  // names in upper case
  std::size_t number = 0;                     // 1 for the first record
  std::size_t offset = 0;                     // byte offset of its first tag

  // The field's data, or nothing when the record lacks it.
  std::optional<std::string> Get(std::string_view name) const;
};

struct AdifLog {
  std::map<std::string, std::string> header;
  std::vector<AdifRecord> records;
};

// Parses `text`; on bad input returns nothing and sets `error` to one line
// that names the record number or byte offset.
std::optional<AdifLog> ReadAdif(std::string_view text, std::string& error);

}  // namespace kvaro::score
