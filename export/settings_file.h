// The entrant settings file's texts: the replacement all escapes are built
// with, the three forms of a multi-line value, and the Cabrillo file's base name.
#pragma once

#include <string>
#include <string_view>

namespace kvaro {

// The settings file, relative to the host's current directory, and its one section.
inline constexpr const char* kSettingsFile = "Plugins\\KVARO.ini";
inline constexpr const char* kSettingsSection = "Settings";

inline constexpr const char* kContestName = "TRIATHLON-DX-CONTEST";
inline constexpr const char* kDefaultCategory = "SOABAM";

// A copy of `source` with every occurrence of `search` replaced by
// `replacement`, left to right and without overlap; inserted text is not
// searched again. An empty `search` returns `source` unchanged.
std::string ReplaceAll(std::string_view source, std::string_view search, std::string_view replacement);

// Plain form (lines separated by CR LF) to stored form ("<CR>" and "<LF>"),
// which fits on one line of the settings file, and back.
std::string ToStoredForm(std::string_view plain);
std::string FromStoredForm(std::string_view stored);

// Stored form to the continuation form of the Cabrillo header: every line
// break becomes CR LF followed by `tag`, a colon and a blank.
std::string ToContinuationForm(std::string_view stored, std::string_view tag);

// A single-line value as it may go into the settings file: every line break
// (CR LF, a lone CR or a lone LF) becomes one blank, so that it cannot start
// a line of its own there.
std::string ToSingleLine(std::string_view value);

// The Cabrillo file's name without ".cbr", made from the callsign: slashes
// and backslashes become "_", surrounding white space goes, every other
// character that a Windows file name cannot hold becomes "_", an empty result
// becomes "KVARO", and a device name (CON, NUL, COM1, ...) gets "_" behind it.
std::string CabrilloFileBaseName(std::string_view callsign);

}  // namespace kvaro
