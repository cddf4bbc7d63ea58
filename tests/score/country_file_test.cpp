#include <gtest/gtest.h>

#include <string>

#include "tools/score/country_file.h"
#include "tools/score/file_text.h"

namespace kvaro::score {
namespace {

// A few entities in the country file's own form.
constexpr const char* kCountries =
    "Greece:                   20:  28:  EU:   39.78:   -21.78:    -2.0:  SV:\n"
    "    J4,SV,SW,SX,SY,SZ,=SV5FRI/1,=SV9AWF/1;\n"
    "Mount Athos:              20:  28:  EU:   40.00:   -24.00:    -2.0:  SV/a:\n"
    "    =SV2ASP,=SV2ASP/A,=SY2A;\n"
    "Dodecanese:               20:  28:  EU:   36.17:   -27.93:    -2.0:  SV5:\n"
    "    J45,SV5,SW5,SX5,SY5,SZ5;\n"
    "Crete:                    20:  28:  EU:   35.23:   -24.78:    -2.0:  SV9:\n"
    "    J49,SV9,SW9,SX9,SY9,SZ9;\n"
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n"
    "    DA,DB,DC,DD,DF,DG,DH,DJ,DK,DL,DM,DN,DO,DP,DQ,DR;\n"
    "Italy:                    15:  28:  EU:   42.82:   -12.58:    -1.0:  I:\n"
    "    I,=IT9ABC/I;\n"
    "Sicily:                   15:  28:  EU:   37.50:   -14.00:    -1.0:  *IT9:\n"
    "    IT9,=IB9T;\n"
    "United States:            05:  08:  NA:   37.53:    91.67:     5.0:  K:\n"
    "    AA,K,N,W,\n"
    "    =KL7XX(1)[2]{OC}<1.0/2.0>~-10.0~;\n"
    "Canary Islands:           33:  36:  AF:   28.32:    15.85:     0.0:  EA8:\n"
    "    AM8,AN8,EA8,EB8;\n"
    "Spain:                    14:  37:  EU:   40.37:     4.88:    -1.0:  EA:\n"
    "    AM,AN,AO,EA,EB;\n";

TEST(CountryFile, ResolvesCallsAsCountryFilesIntend) {
  CountryFile countries;
  std::string error;
  ASSERT_TRUE(countries.Load(kCountries, error)) << error;
  EXPECT_EQ(countries.entities(), 9u);  // Sicily counts only for WAE
  struct Case {
    const char* call;
    std::optional<Location> where;
  } cases[] = {
      {"SV1ABC", Location{"SV", "EU"}},
      {"sv1abc", Location{"SV", "EU"}},
      {"SV5DKL", Location{"SV5", "EU"}},
      {"SX9ABC", Location{"SV9", "EU"}},
      {"SV2ASP/A", Location{"SV/a", "EU"}},  // exact call first
      {"SV2ASP/P", Location{"SV/a", "EU"}},  // a suffix does not move it
      {"SV5FRI/1", Location{"SV", "EU"}},
      {"SV9/DL1ABC", Location{"SV9", "EU"}},  // a portable prefix decides
      {"DL1ABC/SV5", Location{"SV5", "EU"}},
      {"EA8/DL1ABC/P", Location{"EA8", "AF"}},
      {"DL1ABC/P", Location{"DL", "EU"}},
      {"DL1ABC/M", Location{"DL", "EU"}},
      {"DL1ABC/QRP", Location{"DL", "EU"}},
      {"W1AW/4", Location{"K", "NA"}},
      {"EA1ABC/8", Location{"EA8", "AF"}},  // the area digit replaces the call's
      {"IT9XYZ", Location{"I", "EU"}},      // WAE-only Sicily falls to Italy
      {"IB9T", Location{"I", "EU"}},
      {"KL7XX", Location{"K", "OC"}},  // a continent override of one call
      {"DL1ABC/MM", std::nullopt},
      {"DL1ABC/AM", std::nullopt},
      {"Q1AB", std::nullopt},
      {"", std::nullopt},
      {"/", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(countries.Resolve(c.call), c.where) << c.call;
}

TEST(CountryFile, BadFilesAreRefused) {
  struct Case {
    std::string text, error;
  } cases[] = {
      {"", "no entities"},
      {"Greece: 20: 28: EU: 1: 2: 3: SV:\n  SV,SW\n", "line 1: prefix list not ended by \";\""},
      {"Greece: 20: 28: EU: 1: 2: SV:\n  SV;\n", "line 1: not an entity line of eight fields"},
      {"Greece: 20: 28: XX: 1: 2: 3: SV:\n  SV;\n", "line 1: bad continent or primary prefix"},
      {"Greece: 20: 28: EU: 1: 2: 3: SV:\n  SV;\nCrete: 20: 28: EU", "line 3: entity without prefixes"},
  };
  for (const Case& c : cases) {
    CountryFile countries;
    std::string error;
    EXPECT_FALSE(countries.Load(c.text, error)) << c.text;
    EXPECT_EQ(error, c.error) << c.text;
  }
}

// The country file that Debian's hamradio-files installs.
TEST(CountryFile, DebiansCountryFile) {
  const std::optional<std::string> text = ReadFileText(kDebianCountryFile);
  ASSERT_TRUE(text) << "install hamradio-files (scripts/setup.sh)";
  CountryFile countries;
  std::string error;
  ASSERT_TRUE(countries.Load(*text, error)) << error;
  EXPECT_GT(countries.entities(), 330u);
  EXPECT_EQ(countries.Resolve("SV1ABC"), (Location{"SV", "EU"}));
  EXPECT_EQ(countries.Resolve("SV5DKL"), (Location{"SV5", "EU"}));
  EXPECT_EQ(countries.Resolve("SV9CVY"), (Location{"SV9", "EU"}));
  EXPECT_EQ(countries.Resolve("SV2ASP/A"), (Location{"SV/a", "EU"}));
  EXPECT_EQ(countries.Resolve("TA1ABC"), (Location{"TA", "AS"}));  // European Turkey is WAE-only
  EXPECT_EQ(countries.Resolve("GM3ABC")->prefix, "GM");
  EXPECT_EQ(countries.Resolve("JA1NUT"), (Location{"JA", "AS"}));
  EXPECT_EQ(countries.Resolve("VK2IA"), (Location{"VK", "OC"}));
  EXPECT_EQ(countries.Resolve("PY2YU"), (Location{"PY", "SA"}));
  EXPECT_EQ(countries.Resolve("ZS6EZ"), (Location{"ZS", "AF"}));
}

}  // namespace
}  // namespace kvaro::score
