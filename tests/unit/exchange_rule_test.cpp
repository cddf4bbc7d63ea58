#include <gtest/gtest.h>

#include <string>

#include "log/exchange_rule.h"

namespace kvaro {
namespace {

TEST(ExchangeRule, Table) {
  struct Case {
    std::string text;
    bool valid;
  } cases[] = {
      {"001", true},  {"599", true},   {"1234", true}, {"0000", true},
      {"12", false},  {"12345", false}, {"", false},   {"12A", false},
      {" 123", false}, {"1.5", false},  {"-12", false}, {"+123", false},
      {std::string("1\xB2" "3"), false},  // superscript two is not a digit
      {std::string("12\0" "3", 4), false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsValidExchange(c.text), c.valid) << "'" << c.text << "'";
}

}  // namespace
}  // namespace kvaro
