// Turns the records of an ADIF log into the contacts the host hands over:
// callsign, time, frequency, band label, mode, reports, exchanges, and the
// country prefix and continent of the worked station.
#pragma once

#include <optional>
#include <string>

#include "tools/score/adif_reader.h"
#include "tools/score/country_file.h"
#include "tools/score/replay_plan.h"

namespace kvaro::score {

enum class BandLabels {
  Metres,  // "20m" gives 20, "70cm" gives 70cm, "2m" gives 2
  Adif,    // the ADIF band as it stands, in lower case: "20m", "70cm"
};

struct ConversionOptions {
  BandLabels bands = BandLabels::Metres;
  std::optional<std::string> ownCall, ownPrefix, ownRegion;
  std::optional<double> start, end;  // OLE dates
};

struct Conversion {
  ReplayPlan plan;
  std::size_t unknownCalls = 0;  // contacts whose callsign no entity holds
};

// The band label of a band as ADIF names it ("20m", "70CM").
std::string BandLabel(const std::string& adifBand, BandLabels style);

// The ADIF band that a frequency in Hz lies in, or empty.
std::string BandOfFrequency(std::uint64_t hz);

// "14.025" MHz in Hz, rounded to the nearest Hz; nothing when the text is
// not a frequency.
std::optional<std::uint64_t> ParseMegahertz(const std::string& text);

// YYYYMMDD and HHMM or HHMMSS as an OLE date; nothing when either is not a
// date or a time.
std::optional<double> ParseAdifDateTime(const std::string& date, const std::string& time);
std::optional<double> ParseAdifDate(const std::string& date);

// Builds the plan, or sets `error` to one line naming the record.
std::optional<Conversion> ConvertLog(const AdifLog& log, const CountryFile& countries,
                                     const ConversionOptions& options, std::string& error);

}  // namespace kvaro::score
