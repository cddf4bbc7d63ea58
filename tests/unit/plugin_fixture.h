// A Plugin on a fake platform, with short ways to start a run and log contacts.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "plugin/plugin.h"
#include "tests/unit/fake_platform.h"

namespace kvaro::test {

struct Contact {
  std::string call, mode, prefix, region, band;
  std::string exchgSent = "001", exchgReceived = "002";
  std::uint32_t freqHz = 14025000;
  COleDateTime time{41440.5, COleDateTime::valid};
};

// The host's arguments for a contact; they point into `c`.
inline ContactArgs ArgsOf(const Contact& c) {
  return {c.call.c_str(),   &c.time,          c.freqHz,           c.mode.c_str(),
          "599",            "599",            c.exchgSent.c_str(), c.exchgReceived.c_str(),
          c.prefix.c_str(), c.region.c_str(), c.band.c_str()};
}

class PluginTest : public ::testing::Test {
 protected:
  void StartRun(const char* ownCall, const char* ownPrefix, const char* ownRegion,
                int exportFlag = 0) {
    COleDateTime start{41440.5, COleDateTime::valid}, end{41441.5, COleDateTime::valid};
    plugin.ResetStats({exportFlag, ownCall, &start, &end, ownPrefix, ownRegion});
  }

  static ContactArgs Args(const Contact& c) { return ArgsOf(c); }
  int Add(const Contact& c) { return plugin.AddData(Args(c)); }
  int Remove(const Contact& c) { return plugin.RemoveData(Args(c)); }

  std::string Summary() {
    std::int32_t result = 0;
    return plugin.GetResult(&result);
  }

  FakePlatform platform;
  Plugin plugin{platform};
};

}  // namespace kvaro::test
