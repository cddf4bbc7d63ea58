#include <gtest/gtest.h>

#include <string>

#include "tools/score/adif_reader.h"

namespace kvaro::score {
namespace {

TEST(AdifReader, ReadsHeaderAndRecords) {
  std::string error;
  const std::optional<AdifLog> log = ReadAdif(
      "My log <ADIF_VER:5>3.1.4 <EOH>\r\n"
      "<CALL:6>SV1ABC <qso_date:8:D>20230617 <Time_On:4>1200 <EOR>\r\n"
      "<EOR>\r\n"  // an empty record holds nothing
      "<CALL:4>K1AB<COMMENT:11>a <b> c<EOR>d<NAME:0><eor> trailing text",
      error);
  ASSERT_TRUE(log) << error;
  EXPECT_EQ(log->header.at("ADIF_VER"), "3.1.4");
  ASSERT_EQ(log->records.size(), 2u);
  const AdifRecord& first = log->records[0];
  EXPECT_EQ(first.number, 1u);
  EXPECT_EQ(first.offset, 32u);
  EXPECT_EQ(first.Get("CALL"), "SV1ABC");
  EXPECT_EQ(first.Get("QSO_DATE"), "20230617");
  EXPECT_EQ(first.Get("TIME_ON"), "1200");
  EXPECT_EQ(first.Get("FREQ"), std::nullopt);
  const AdifRecord& second = log->records[1];
  EXPECT_EQ(second.number, 2u);
  EXPECT_EQ(second.Get("COMMENT"), "a <b> c<EOR");  // the length decides, not the tags inside
  EXPECT_EQ(second.Get("NAME"), "");
}

TEST(AdifReader, HeaderForms) {
  struct Case {
    const char* what;
    std::string text;
    std::size_t headerFields, records;
  } cases[] = {
      {"no header", "<CALL:2>K1<EOR>", 0, 1},
      {"header begun by a tag", "<ADIF_VER:5>3.1.4<EOH><CALL:2>K1<EOR>", 1, 1},
      {"text without <EOH> is not a header", "exported\n<CALL:2>K1<EOR>", 0, 1},
      {"empty file", "", 0, 0},
      {"header only", "log <EOH>", 0, 0},
  };
  for (const Case& c : cases) {
    std::string error;
    const std::optional<AdifLog> log = ReadAdif(c.text, error);
    ASSERT_TRUE(log) << c.what << ": " << error;
    EXPECT_EQ(log->header.size(), c.headerFields) << c.what;
    EXPECT_EQ(log->records.size(), c.records) << c.what;
  }
}

TEST(AdifReader, LengthsCountBytes) {
  std::string error;
  // "Café" in UTF-8 is five bytes.
  const std::optional<AdifLog> log = ReadAdif("<QTH:5>Caf\xc3\xa9<CALL:2>K1<EOR>", error);
  ASSERT_TRUE(log) << error;
  EXPECT_EQ(log->records[0].Get("QTH"), "Caf\xc3\xa9");
  EXPECT_EQ(log->records[0].Get("CALL"), "K1");
}

TEST(AdifReader, BadInputNamesTheRecordAndTheByte) {
  struct Case {
    std::string text, error;
  } cases[] = {
      {"<CALL:2>K1<EOR><CALL:4", "record 2, byte 15: truncated tag"},
      {"<CALL:2>K1<EOR><CALL:x>K1<EOR>", "record 2, byte 15: malformed tag <CALL:x>"},
      {"<CALL:-1>K1<EOR>", "record 1, byte 0: malformed tag <CALL:-1>"},
      {"<:2>K1<EOR>", "record 1, byte 0: malformed tag <:2>"},
      {"<CALL:2:>K1<EOR>", "record 1, byte 0: malformed tag <CALL:2:>"},
      {"<CA LL:2>K1<EOR>", "record 1, byte 0: malformed tag <CA LL:2>"},
      {"<CALL:99999999999999999999>K1", "record 1, byte 0: malformed tag <CALL:99999999999999999999>"},
      {"<CALL:2>K1<EOR><CALL:20>K1", "record 2, byte 15: field CALL runs past the end of the file"},
      {"<CALL:2>K1<EOR><CALL:2>K2", "record 2, byte 15: the last record has no <EOR>"},
      {"<CALL:2>K1<FOO><EOR>", "record 1, byte 10: tag <FOO> has no length"},
      {"log <PROGRAMID:1>x <EOR><EOH>", "byte 19: <EOR> inside the header"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(ReadAdif(c.text, error)) << c.text;
    EXPECT_EQ(error, c.error) << c.text;
  }
}

}  // namespace
}  // namespace kvaro::score
