#include <gtest/gtest.h>

#include <string>

#include "tools/score/log_conversion.h"

namespace kvaro::score {
namespace {

TEST(LogConversion, BandLabels) {
  struct Case {
    const char *band, *metres, *adif;
  } cases[] = {
      {"20m", "20", "20m"}, {"160M", "160", "160m"}, {"2m", "2", "2m"},   {"70cm", "70cm", "70cm"},
      {"1.25m", "1.25", "1.25m"}, {"13CM", "13cm", "13cm"}, {"submm", "submm", "submm"}, {"20", "20", "20"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BandLabel(c.band, BandLabels::Metres), c.metres) << c.band;
    EXPECT_EQ(BandLabel(c.band, BandLabels::Adif), c.adif) << c.band;
  }
  EXPECT_EQ(BandOfFrequency(14025000), "20m");
  EXPECT_EQ(BandOfFrequency(1800000), "160m");
  EXPECT_EQ(BandOfFrequency(144300000), "2m");
  EXPECT_EQ(BandOfFrequency(12000000), "");
}

TEST(LogConversion, Megahertz) {
  EXPECT_EQ(ParseMegahertz("14.025"), 14025000u);
  EXPECT_EQ(ParseMegahertz("7"), 7000000u);
  EXPECT_EQ(ParseMegahertz(".5"), 500000u);
  EXPECT_EQ(ParseMegahertz("14.0251234"), 14025123u);
  EXPECT_EQ(ParseMegahertz("14.0251235"), 14025124u);  // nearest Hz
  EXPECT_EQ(ParseMegahertz("1296.2"), 1296200000u);
  for (const char* bad : {"", ".", "14,025", "-7", "7.0.1", "abc", " 7", "1e6"}) {
    EXPECT_EQ(ParseMegahertz(bad), std::nullopt) << bad;
  }
}

TEST(LogConversion, DatesAndTimes) {
  EXPECT_EQ(ParseAdifDateTime("20130615", "1200"), 41440.5);
  EXPECT_EQ(ParseAdifDateTime("18991230", "0000"), std::nullopt);  // before 1900
  EXPECT_DOUBLE_EQ(*ParseAdifDateTime("20130615", "060030"), 41440.0 + (6 * 3600 + 30) / 86400.0);
  for (auto [date, time] : {std::pair{"20130230", "1200"}, {"20131315", "1200"}, {"2013061", "1200"},
                            {"20130615", "2400"}, {"20130615", "1260"}, {"20130615", "120060"},
                            {"20130615", "12"}, {"20130615", "12:00"}, {"2013-06-15", "1200"}}) {
    EXPECT_EQ(ParseAdifDateTime(date, time), std::nullopt) << date << " " << time;
  }
}

class ConvertLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(countries.Load("Greece: 20: 28: EU: 1: 2: 3: SV:\n  SV;\n"
                               "Germany: 14: 28: EU: 1: 2: 3: DL:\n  DL;\n",
                               error));
  }
  std::optional<Conversion> Convert(const std::string& adif, std::string& error,
                                    const ConversionOptions& options = {}) {
    const std::optional<AdifLog> log = ReadAdif(adif, error);
    EXPECT_TRUE(log) << error;
    return ConvertLog(*log, countries, options, error);
  }
  CountryFile countries;
};

TEST_F(ConvertLogTest, TakesTheFieldsTheHostHandsOver) {
  std::string error;
  const std::optional<Conversion> c = Convert(
      "<CALL:6>sv1abc<QSO_DATE:8>20130615<TIME_ON:4>1200<FREQ:6>14.025<MODE:2>cw<RST_SENT:3>599"
      "<RST_RCVD:3>579<STX:1>7<STX_STRING:3>007<SRX:2>12<STATION_CALLSIGN:5>dl1kv<EOR>"
      "<CALL:5>Q1XYZ<QSO_DATE:8>20130616<TIME_ON:4>0930<BAND:4>70CM<MODE:3>FT8<EOR>",
      error);
  ASSERT_TRUE(c) << error;
  EXPECT_EQ(c->unknownCalls, 1u);
  const ReplayPlan& p = c->plan;
  EXPECT_EQ(p.ownCall, "DL1KV");
  EXPECT_EQ(p.ownPrefix, "DL");
  EXPECT_EQ(p.ownRegion, "EU");
  EXPECT_EQ(p.start, 41440.0);
  EXPECT_EQ(p.end, 41441.0);
  ASSERT_EQ(p.contacts.size(), 2u);
  const ReplayContact& a = p.contacts[0];
  EXPECT_EQ(a.call, "SV1ABC");
  EXPECT_EQ(a.time, 41440.5);
  EXPECT_EQ(a.freqHz, 14025000u);
  EXPECT_EQ(a.band, "20");  // from the frequency
  EXPECT_EQ(a.mode, "CW");
  EXPECT_EQ(a.rstSent, "599");
  EXPECT_EQ(a.rstReceived, "579");
  EXPECT_EQ(a.exchgSent, "007");  // STX_STRING before STX
  EXPECT_EQ(a.exchgReceived, "12");
  EXPECT_EQ(a.prefix, "SV");
  EXPECT_EQ(a.region, "EU");
  const ReplayContact& b = p.contacts[1];
  EXPECT_EQ(b.band, "70cm");
  EXPECT_EQ(b.mode, "FT8");
  EXPECT_EQ(b.prefix, "");
  EXPECT_EQ(b.region, "");
  EXPECT_EQ(b.freqHz, 0u);
}

TEST_F(ConvertLogTest, OptionsOverrideTheOwnStationAndPeriod) {
  std::string error;
  ConversionOptions options;
  options.ownCall = "sv2xx";
  options.ownRegion = "AS";
  options.start = 41000.0;
  options.bands = BandLabels::Adif;
  const std::optional<Conversion> c =
      Convert("<CALL:4>DL1A<QSO_DATE:8>20130615<TIME_ON:4>1200<BAND:3>20M<EOR>", error, options);
  ASSERT_TRUE(c) << error;
  EXPECT_EQ(c->plan.ownCall, "SV2XX");
  EXPECT_EQ(c->plan.ownPrefix, "SV");
  EXPECT_EQ(c->plan.ownRegion, "AS");
  EXPECT_EQ(c->plan.start, 41000.0);
  EXPECT_EQ(c->plan.end, 41440.0);
  EXPECT_EQ(c->plan.contacts[0].band, "20m");
}

TEST_F(ConvertLogTest, BadRecordsAreNamed) {
  const std::string ok = "<CALL:2>K1<QSO_DATE:8>20130615<TIME_ON:4>1200<BAND:3>20m<OPERATOR:2>K2<EOR>";
  struct Case {
    std::string second, error;
  } cases[] = {
      {"<QSO_DATE:8>20130615<TIME_ON:4>1200<BAND:3>20m<EOR>", "record 2 (byte 75): no CALL"},
      {"<CALL:2>K3<QSO_DATE:8>20130631<TIME_ON:4>1200<BAND:3>20m<EOR>",
       "record 2 (byte 75): QSO_DATE \"20130631\" and TIME_ON \"1200\" are not a date and a time"},
      {"<CALL:2>K3<QSO_DATE:8>20130615<BAND:3>20m<EOR>",
       "record 2 (byte 75): QSO_DATE \"20130615\" and TIME_ON \"\" are not a date and a time"},
      {"<CALL:2>K3<QSO_DATE:8>20130615<TIME_ON:4>1200<FREQ:4>14,1<EOR>",
       "record 2 (byte 75): FREQ \"14,1\" is not a frequency in MHz"},
      {"<CALL:2>K3<QSO_DATE:8>20130615<TIME_ON:4>1200<FREQ:2>12<EOR>",
       "record 2 (byte 75): no BAND, and FREQ lies in no band"},
      {"<CALL:2>K3<QSO_DATE:8>20130615<TIME_ON:4>1200<FREQ:5>10368<BAND:3>3cm<EOR>",
       "record 2 (byte 75): FREQ 10368 MHz is above what the host hands over"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(Convert(ok + c.second, error)) << c.second;
    EXPECT_EQ(error, c.error);
  }
  std::string error;
  EXPECT_FALSE(Convert("<CALL:2>K1<QSO_DATE:8>20130615<TIME_ON:4>1200<BAND:3>20m<EOR>", error));
  EXPECT_EQ(error, "the log names no own station (STATION_CALLSIGN or OPERATOR); give --call");
}

}  // namespace
}  // namespace kvaro::score
