// Editing the text of a Windows-style profile (INI) file, for platforms that
// have no profile functions of their own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvaro {

// Returns `content` with `key` of `section` set to `value`. Section and key
// names match without regard to letter case or surrounding blanks, as the
// Windows profile functions match them. Every other line stays byte for byte;
// a missing key is added at the end of its section, a missing section at the
// end of the text. New lines end with CR LF.
std::string SetProfileValue(std::string_view content, std::string_view section,
                            std::string_view key, std::string_view value);

// The value of `key` in `section` of `content`, without the blanks around
// it, or nothing when the section or the key is missing. Names match as for
// SetProfileValue; the first matching section and key count.
std::optional<std::string> GetProfileValue(std::string_view content, std::string_view section,
                                           std::string_view key);

}  // namespace kvaro
