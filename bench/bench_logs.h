// The generated logs that the benchmarks run on, and the country file that
// resolves their calls.
#pragma once

#include <stdexcept>
#include <string>

#include "tools/score/country_file.h"
#include "tools/score/file_text.h"

namespace kvaro::bench {

// Debian's cty.dat, loaded once.
inline const score::CountryFile& DebianCountries() {
  static const score::CountryFile countries = [] {
    score::CountryFile c;
    std::string error;
    if (!c.Load(score::ReadFileText(score::kDebianCountryFile).value_or(""), error)) throw std::runtime_error(error);
    return c;
  }();
  return countries;
}

// The ADIF text of the generated log of `contacts` contacts.
inline std::string BenchLogText(long long contacts) {
  const std::string path = std::string(KVARO_BENCH_LOGS) + "/log-" + std::to_string(contacts) + ".adi";
  const std::optional<std::string> text = score::ReadFileText(path);
  if (!text) throw std::runtime_error("cannot read " + path);
  return *text;
}

}  // namespace kvaro::bench
