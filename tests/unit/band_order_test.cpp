#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "score/band_order.h"

namespace kvaro {
namespace {

std::vector<std::string> Ordered(const std::vector<std::string>& labels) {
  BandList bands;
  for (const std::string& l : labels) bands.AddIfNew(l);
  OrderBands(bands);
  std::vector<std::string> out;
  for (std::size_t i = 0; i < bands.size(); ++i) out.push_back(bands[i]);
  return out;
}

TEST(BandOrder, Table) {
  const std::string letters26 = "abcdefghijklmnopqrstuvwxyz";
  struct Case {
    std::vector<std::string> in, out;
  } cases[] = {
      {{}, {}},
      {{"20"}, {"20"}},
      {{"10", "15", "20", "40", "80", "160"}, {"160", "80", "40", "20", "15", "10"}},
      {{"160m", "80m", "40m", "20m", "15m", "10m"}, {"160m", "80m", "40m", "20m", "15m", "10m"}},
      {{"1.8", "3.5", "7", "14", "21", "28"}, {"3.5", "1.8", "28", "21", "14", "7"}},
      {{"1.8", "3.5", "7", "14", "21", "28", "160", "80", "40", "20", "15", "10"},
       {"3.5", "160", "1.8", "80", "40", "28", "21", "20", "15", "14", "10", "7"}},
      {{"2m", "70cm", "6m"}, {"70cm", "6m", "2m"}},
      // 7 and 07 have equal keys and are never swapped with each other, but
      // the swap of 7 with 14 puts 7 behind 07.
      {{"7", "07", "14"}, {"14", "07", "7"}},
      {{"7", letters26}, {letters26, "7"}},
      {{"", "7"}, {"7", ""}},
      {{"20M", "20m"}, {"20m", "20M"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Ordered(c.in), c.out);
}

// The quick way and the exchange sort end in the same order, ties or not.
TEST(BandOrder, SameOrderAsTheExchangeSortOnRandomLabels) {
  std::uint32_t seed = 12345;
  const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
  const char alphabet[] = "0123456789.mcMk";
  for (int round = 0; round < 300; ++round) {
    BandList quick, exchange;
    const int labels = 1 + static_cast<int>(next() % 40);
    for (int i = 0; i < labels; ++i) {
      std::string label;
      const int length = static_cast<int>(next() % (round % 3 == 0 ? 4 : 23));
      for (int k = 0; k < length; ++k) label += alphabet[next() % (sizeof alphabet - 1)];
      quick.AddIfNew(label);
      exchange.AddIfNew(label);
    }
    OrderBands(quick);
    ExchangeSortBands(exchange);
    ASSERT_EQ(quick.size(), exchange.size());
    for (std::size_t i = 0; i < quick.size(); ++i) ASSERT_EQ(quick[i], exchange[i]) << "round " << round;
  }
}

TEST(BandOrder, KeyIsFilledToTwentyCharacters) {
  EXPECT_EQ(BandSortKey("7"), "00000000000000000007");
  EXPECT_EQ(BandSortKey(""), std::string(20, '0'));
  EXPECT_EQ(BandSortKey("abcdefghijklmnopqrstu"), "abcdefghijklmnopqrstu");
}

}  // namespace
}  // namespace kvaro
