#include <gtest/gtest.h>

#include <string>

#include "export/settings_file.h"

namespace kvaro {
namespace {

TEST(ReplaceAll, Table) {
  struct Case {
    std::string source, search, replacement, result;
  } cases[] = {
      {"aaa", "aa", "b", "ba"},              // left to right, no overlap
      {"aa", "a", "aa", "aaaa"},             // inserted text is not searched again
      {"abc", "b", "b", "abc"},              // search equal to replacement
      {"abc", "x", "y", "abc"},              // no occurrence
      {"abc", "", "y", "abc"},               // empty search
      {"", "a", "b", ""},
      {"a<CR><LF>b", "<CR>", "\r", "a\r<LF>b"},
      {"xyxy", "xy", "", ""},
      {"/", "/", "_", "_"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceAll(c.source, c.search, c.replacement), c.result)
        << c.source << " / " << c.search << " / " << c.replacement;
  }
}

TEST(CabrilloFileBaseName, Table) {
  struct Case {
    std::string callsign, base;
  } cases[] = {
      {"SV1ABC/P", "SV1ABC_P"},
      {"SV1ABC\\P", "SV1ABC_P"},
      {" SV1ABC ", "SV1ABC"},
      {"\t\r\n\v\fSV1ABC \r\n", "SV1ABC"},
      {"", "KVARO"},
      {"   ", "KVARO"},
      {"/", "_"},
      {"DL/SV1ABC/MM", "DL_SV1ABC_MM"},
      {"sv1abc", "sv1abc"},
      // Characters that no Windows file name may hold.
      {"A<B>C:D\"E|F?G*H", "A_B_C_D_E_F_G_H"},
      {"SV1\x01" "ABC\x1f", "SV1_ABC_"},
      {"SV 1\tABC", "SV 1_ABC"},
      // Device names, in any letter case; not names that merely begin like one.
      {"CON", "CON_"},
      {"nul", "nul_"},
      {"Com1", "Com1_"},
      {"LPT9", "LPT9_"},
      {"AUX.x", "AUX_.x"},
      {" PRN ", "PRN_"},
      {"COM0", "COM0"},
      {"COM10", "COM10"},
      {"CONX", "CONX"},
      {"LPT", "LPT"},
  };
  for (const Case& c : cases) EXPECT_EQ(CabrilloFileBaseName(c.callsign), c.base) << c.callsign;
}

TEST(MultiLineForms, PlainStoredAndContinuation) {
  struct Case {
    std::string plain, stored, address;
  } cases[] = {
      {"Odos 1\r\nAthens", "Odos 1<CR><LF>Athens", "Odos 1\r\nADDRESS: Athens"},
      {"Street\r\n", "Street<CR><LF>", "Street\r\nADDRESS: "},
      {"", "", ""},
      {"a\rb", "a<CR>b", "a\r\nADDRESS: b"},  // a lone CR still starts a line
      {"a\nb", "a<LF>b", "ab"},                // a lone LF is dropped
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToStoredForm(c.plain), c.stored);
    EXPECT_EQ(FromStoredForm(c.stored), c.plain);
    EXPECT_EQ(ToContinuationForm(c.stored, "ADDRESS"), c.address);
  }
  EXPECT_EQ(ToContinuationForm("x<CR><LF>y", "SOAPBOX"), "x\r\nSOAPBOX: y");
}

TEST(MultiLineForms, SingleLineValuesLoseTheirLineBreaks) {
  EXPECT_EQ(ToSingleLine("Ann\r\nBob\rCy\nDee"), "Ann Bob Cy Dee");
  EXPECT_EQ(ToSingleLine("plain <CR> text"), "plain <CR> text");
}

}  // namespace
}  // namespace kvaro
