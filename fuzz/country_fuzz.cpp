// The country file's reader and the resolver on random input: nothing
// crashes, and a resolved call names a prefix of the file.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "tools/score/country_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string call = in.ConsumeRandomLengthString(20);
  const std::string text = in.ConsumeRemainingBytesAsString();
  kvaro::score::CountryFile countries;
  std::string error;
  if (!countries.Load(text, error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  if (const auto where = countries.Resolve(call)) {
    if (text.find(where->prefix) == std::string::npos) std::abort();
  }
  return 0;
}
