// ReplaceAll against the plain definition: left to right, no overlap, the
// inserted text never searched again; an empty search changes nothing.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "export/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string search = in.ConsumeRandomLengthString(8);
  const std::string replacement = in.ConsumeRandomLengthString(8);
  const std::string source = in.ConsumeRemainingBytesAsString();
  const std::string result = kvaro::ReplaceAll(source, search, replacement);
  std::string expected;
  if (search.empty()) {
    expected = source;
  } else {
    for (std::size_t i = 0; i < source.size();) {
      if (source.compare(i, search.size(), search) == 0) {
        expected += replacement;
        i += search.size();
      } else {
        expected += source[i++];
      }
    }
  }
  if (result != expected) std::abort();
  return 0;
}
