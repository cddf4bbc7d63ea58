#include <gtest/gtest.h>

#include <string>

#include "platform/profile_text.h"

namespace kvaro {
namespace {

TEST(ProfileText, Table) {
  struct Case {
    const char* name;
    std::string before, after;
  } cases[] = {
      {"new file", "", "[Settings]\r\nClaimed=154\r\n"},
      {"replaces the value", "[Settings]\r\nClaimed=1\r\nName=Ann\r\n",
       "[Settings]\r\nClaimed=154\r\nName=Ann\r\n"},
      {"names match in any case", "[settings]\r\n claimed = 1\r\n", "[settings]\r\nClaimed=154\r\n"},
      {"adds the key to its section", "[Settings]\r\nName=Ann\r\n\r\n[Other]\r\nClaimed=9\r\n",
       "[Settings]\r\nName=Ann\r\nClaimed=154\r\n\r\n[Other]\r\nClaimed=9\r\n"},
      {"adds the section", "[Other]\nA=1", "[Other]\nA=1\r\n[Settings]\r\nClaimed=154\r\n"},
      {"keeps other line ends", "[Settings]\nName=Ann\nClaimed=2\n", "[Settings]\nName=Ann\nClaimed=154\n"},
      {"last line without end", "[Settings]\r\nClaimed=2", "[Settings]\r\nClaimed=154\r\n"},
      {"a key in another section is not ours", "[Other]\r\nClaimed=2\r\n[Settings]\r\n",
       "[Other]\r\nClaimed=2\r\n[Settings]\r\nClaimed=154\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SetProfileValue(c.before, "Settings", "Claimed", "154"), c.after) << c.name;
  }
}

}  // namespace
}  // namespace kvaro
