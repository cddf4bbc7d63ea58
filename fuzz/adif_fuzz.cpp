// The ADIF reader and the conversion of its records on random input:
// nothing crashes, a refusal names where, and the records of a log that
// reads are numbered in order at rising offsets.
#include <cstdlib>
#include <string>
#include <string_view>

#include "tools/score/adif_reader.h"
#include "tools/score/log_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kvaro::score::CountryFile countries = [] {
    kvaro::score::CountryFile c;
    std::string error;
    c.Load("Greece: 20: 28: EU: 1: 2: 3: SV:\n  SV,=SV1ABC/P;\nGermany: 14: 28: EU: 1: 2: 3: DL:\n  DL;\n", error);
    return c;
  }();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string error;
  const auto log = kvaro::score::ReadAdif(text, error);
  if (!log) {
    if (error.find("byte ") == std::string::npos) std::abort();
    return 0;
  }
  std::size_t offset = 0;
  for (std::size_t i = 0; i < log->records.size(); ++i) {
    const auto& r = log->records[i];
    if (r.number != i + 1 || (i > 0 && r.offset <= offset) || r.offset >= size) std::abort();
    offset = r.offset;
  }
  kvaro::score::ConversionOptions options;
  options.ownCall = "DL1KV";
  if (!kvaro::score::ConvertLog(*log, countries, options, error) && error.empty()) std::abort();
  return 0;
}
