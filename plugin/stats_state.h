// What the start of a statistics run records about the own station and the
// contest period.
#pragma once

#include <cstdint>
#include <string>

namespace kvaro {

struct StatsState {
  std::int32_t exportFlag = 0;  // nonzero: every summary request also exports
  std::string ownRegion;
  std::string ownPrefix;
  std::string ownCall;
  char startDayMonth[6] = {};  // first 5 characters of the start's locale text
  char endDate[11] = {};       // first 10 characters of the end's locale text
  std::int32_t ownIsGreek = 0;
  bool companionStarted = false;  // once per loading, never cleared
};

}  // namespace kvaro
