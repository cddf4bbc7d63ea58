// The settings file's reader and writer on random file contents: a value
// read back after it was set is the value set (without its surrounding
// blanks), and every other key of the section keeps its value.
#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cstdlib>
#include <string>

#include "platform/profile_text.h"

namespace {

std::string Trimmed(const std::string& s) {
  std::size_t a = 0, b = s.size();
  while (a < b && (s[a] == ' ' || s[a] == '\t')) ++a;
  while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t')) --b;
  return s.substr(a, b - a);
}

bool OneLine(const std::string& s) { return s.find_first_of("\r\n") == std::string::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string value = in.ConsumeRandomLengthString(32);
  const std::string other = in.ConsumeBool() ? "Name" : in.ConsumeRandomLengthString(8);
  const std::string content = in.ConsumeRemainingBytesAsString();

  const auto before = kvaro::GetProfileValue(content, "Settings", other);
  kvaro::GetProfileValue(content, "Settings", "Claimed");
  if (!OneLine(value)) return 0;  // the plug-in never writes a line break into a value
  const std::string after = kvaro::SetProfileValue(content, "Settings", "Claimed", value);
  const auto read = kvaro::GetProfileValue(after, "Settings", "Claimed");
  if (!read || *read != Trimmed(value)) std::abort();
  // Another key keeps its value, unless it names the same key.
  const std::string otherName = Trimmed(other);
  bool same = otherName.size() == 7;
  for (std::size_t i = 0; same && i < 7; ++i) same = std::tolower(static_cast<unsigned char>(otherName[i])) == "claimed"[i];
  if (!same && OneLine(other) && other.find('=') == std::string::npos && other.find('[') == std::string::npos &&
      kvaro::GetProfileValue(after, "Settings", other) != before) {
    std::abort();
  }
  return 0;
}
