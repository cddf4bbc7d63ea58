// The entrant information and the export state that carry over from the start
// of an export run to its Cabrillo file.
#pragma once

#include <string>
#include <vector>

namespace kvaro {

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

struct ExportContext {
  StationInfo station;
  std::string fileBaseName;  // the Cabrillo file's name without ".cbr"
  std::vector<std::string> qsoLines;
};

}  // namespace kvaro
