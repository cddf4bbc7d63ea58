// kvaro-score as a person runs it: exit status, messages, and the files it
// writes or, on bad input, does not write.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "tests/unit/temp_dir.h"

namespace kvaro::test {
namespace {

struct Outcome {
  int status;
  std::string out, err;
};

class ScoreCliTest : public TempDirTest {
 protected:
  Outcome Score(const std::string& args) {
    const std::string command = std::string(KVARO_SCORE) + " " + args + " 2>err.txt";
    Outcome run{};
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadFile("err.txt");
    fs::remove("err.txt");
    return run;
  }
  static constexpr const char* kGood =
      "<CALL:6>SV1ABC<QSO_DATE:8>20230617<TIME_ON:4>1200<BAND:3>20m<MODE:2>CW<RST_SENT:3>599<RST_RCVD:3>599"
      "<STX_STRING:3>001<SRX_STRING:3>123<STATION_CALLSIGN:5>DL1KV<EOR>\n"
      "<CALL:5>Q9ZZZ<QSO_DATE:8>20230617<TIME_ON:4>1201<BAND:3>40m<MODE:3>SSB<EOR>\n"
      "<CALL:6>SV1ABC<QSO_DATE:8>20230618<TIME_ON:4>0100<BAND:3>20m<MODE:2>CW<EOR>\n";
};

TEST_F(ScoreCliTest, ScoresAndReportsDupes) {
  WriteFile("log.adi", kGood);
  const Outcome run = Score("--dupes log.adi");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "\t TRIATHLON-DX-CONTEST  17.06-18.06.2023 \r\n\t\tContestant: DL1KV\r\n"
            "Band\tQSOs\tPoints\tCW\tSSB\tRTTY\tDXCC\tGreece\r\n"
            "40\t 1\t 3\t 0\t 1\t 0\t 1\t 0\r\n"
            "20\t 2\t 10\t 2\t 0\t 0\t 1\t 2\r\n"
            "Total\t 3\t 13\t 2\t 1\t 0\t 2\t 2\r\n"
            "Score: 13*(2+1) = 39\n"
            "Dupes (call, band, mode, time):\nSV1ABC\t20\tCW\t2023-06-18 01:00\n1 dupes\n");
  EXPECT_EQ(run.err,
            "kvaro-score: warning: 1 of 3 contacts have callsigns that the country file does not know;"
            " they are scored with an empty prefix and region\n");
  // A run without export leaves no file behind.
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
}

TEST_F(ScoreCliTest, ExportRunWritesTheCabrilloFileWithTheGivenEntrant) {
  WriteFile("log.adi", kGood);
  const Outcome run = Score("--export --call sv1xyz --name 'Nikos P' --address 'Odos 1\\nAthens' --category SOABCW log.adi");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\nFile produced: SV1XYZ.cbr\n"), std::string::npos) << run.out;
  const std::string log = ReadFile("SV1XYZ.cbr");
  EXPECT_NE(log.find("CALLSIGN: SV1XYZ\r\nCATEGORY: SOABCW\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("NAME: Nikos P\r\nADDRESS: Odos 1\r\nADDRESS: Athens\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("QSO:     0 CW 2023-06-17 1200 SV1XYZ        599 001    SV1ABC        599 123\r\n"),
            std::string::npos)
      << log;
  EXPECT_NE(ReadFile("Plugins/KVARO.ini").find("Name=Nikos P\r\n"), std::string::npos);
}

TEST_F(ScoreCliTest, BadInputWritesNothing) {
  struct Case {
    std::string log, args, error;
  } cases[] = {
      {"<CALL:2>K1<QSO_DATE:8>2023", "", "kvaro-score: log.adi: record 1, byte 10: field QSO_DATE runs past the end of the file\n"},
      {"<CALL:2>K1<EOR><CALL", "", "kvaro-score: log.adi: record 2, byte 15: truncated tag\n"},
      {"<CALL:2>K1<QSO_DATE:8>20230617<TIME_ON:4>2500<BAND:3>20m<EOR>", "--call DL1KV",
       "kvaro-score: log.adi: record 1 (byte 0): QSO_DATE \"20230617\" and TIME_ON \"2500\" are not a date and a time\n"},
      {"<QSO_DATE:8>20230617<TIME_ON:4>1200<BAND:3>20m<EOR>", "", "kvaro-score: log.adi: record 1 (byte 0): no CALL\n"},
      {"<CALL:2>K1<EOR>", "--cty missing.dat", "kvaro-score: missing.dat: cannot read the country file\n"},
  };
  for (const Case& c : cases) {
    WriteFile("log.adi", c.log);
    const Outcome run = Score("--export " + c.args + " log.adi");
    EXPECT_EQ(run.status, 2) << c.log;
    EXPECT_EQ(run.err, c.error) << c.log;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1) << c.log;
  }
  const Outcome missing = Score("nowhere.adi");
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, "kvaro-score: nowhere.adi: cannot read the log\n");
}

TEST_F(ScoreCliTest, UsageErrors) {
  for (const char* args : {"", "--bogus log.adi", "--bands feet log.adi", "--name X log.adi", "a.adi b.adi",
                           "--start 2023 log.adi", "--call"}) {
    const Outcome run = Score(args);
    EXPECT_EQ(run.status, 1) << args;
    EXPECT_NE(run.err.find("usage: kvaro-score"), std::string::npos) << args;
  }
  const Outcome help = Score("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: kvaro-score", 0), 0u);
}

}  // namespace
}  // namespace kvaro::test
