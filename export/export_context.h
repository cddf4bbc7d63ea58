// The entrant information and the export state that carry over from the start
// of an export run to its Cabrillo file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "plugin/ole_date_time.h"

namespace kvaro {

class Platform;
class QsoLog;

struct StationInfo {
  std::string callsign;
  std::string name;
  std::string address;
  std::string claimed;
  std::string contest;
  std::string email;
  std::string club;
  std::string soapbox;
  std::string operators;
  std::string category;
};

class ExportContext {
 public:
  // Loads the entrant information from the settings file, lets the operator
  // edit it in the entrant dialog and, on OK, saves it and readies the
  // context for export. Returns 1 after OK, else 0.
  int PrepareEntrantInfo(const std::string& callsign, Platform& platform);

  // Appends the Cabrillo line of one contact to `qsoLines`.
  void FormatQsoLine(std::string_view call, std::int32_t freqKhz, const char* modeCode,
                     const COleDateTime& time, std::string_view rstSent, std::string_view exchgSent,
                     std::string_view rstReceived, std::string_view exchgReceived);

  // Writes the Cabrillo file from the header, "cabrillo.ini" and `qsoLines`,
  // replacing an older file only once the new one is complete. Returns the
  // text for the operator: "File produced: NAME.cbr", or "File not produced:
  // NAME.cbr" when the file could not be written.
  std::string WriteCabrilloFile(std::int32_t claimedScore, Platform& platform) const;

  // The export pass of one summary: a fresh QSO line for every contact of the
  // log, in log order, then the file. Returns WriteCabrilloFile's text.
  std::string ExportLog(const QsoLog& log, std::int32_t claimedScore, Platform& platform);

  StationInfo station;
  std::string fileBaseName;  // the Cabrillo file's name without ".cbr"
  std::vector<std::string> qsoLines;
};

}  // namespace kvaro
