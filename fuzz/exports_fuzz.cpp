// Random sequences of export calls with random texts, numbers and date
// records. Invariants: nothing crashes, CheckCall0 answers 0, 1 or 2,
// IsValidExchg0 0 or 1, RemoveData0 removes at most one contact, and the
// summary's band rows add up to its total row.
#include <fuzzer/FuzzedDataProvider.h>

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/posix_platform.h"
#include "plugin/exports.h"

namespace {

// Texts for the summary's labels and title hold no tab or line break, so that
// its rows can be read back; every other text may hold any byte but zero.
std::string Text(FuzzedDataProvider& in, bool plain) {
  std::string s = in.ConsumeRandomLengthString(24);
  std::string out;
  for (char c : s) {
    if (c == '\0') continue;
    if (plain && (c == '\t' || c == '\r' || c == '\n')) continue;
    out += c;
  }
  return out;
}

// A text from a few common values or a random one, so that checks and
// removals meet the contacts they look for.
std::string Pick(FuzzedDataProvider& in, const std::vector<std::string>& common, bool plain) {
  const std::size_t i = in.ConsumeIntegralInRange<std::size_t>(0, common.size());
  return i < common.size() ? common[i] : Text(in, plain);
}

COleDateTime Date(FuzzedDataProvider& in) {
  const int kind = in.ConsumeIntegralInRange(0, 5);
  const double special[] = {NAN, INFINITY, -INFINITY, 1e300, -1e300};
  const double value = kind < 5 ? special[kind] : in.ConsumeFloatingPoint<double>();
  return {kind == 5 ? value : (in.ConsumeBool() ? 41440.5 : value),
          static_cast<std::int32_t>(in.ConsumeIntegralInRange(-1, 3))};
}

struct Row {
  long values[7] = {};
};

// The summary's rows after the title: a label, a tab, seven numbers. The
// last row is the total; the score line has no tab.
void CheckSummary(const char* text, long contacts) {
  if (!text) std::abort();
  const std::string s(text);
  const std::string header = "Band\tQSOs\tPoints\tCW\tSSB\tRTTY\tDXCC\tGreece\r\n";
  const std::size_t start = s.find(header);
  if (start == std::string::npos) std::abort();
  std::istringstream lines(s.substr(start + header.size()));
  std::vector<Row> rows;
  std::string line;
  bool scored = false;
  while (std::getline(lines, line, '\n')) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) {
      scored = line.rfind("Score: ", 0) == 0;
      break;
    }
    std::istringstream numbers(line.substr(tab));
    Row r;
    for (long& v : r.values) numbers >> v;
    rows.push_back(r);
  }
  if (!scored || rows.empty()) std::abort();
  const Row& total = rows.back();
  long sum[7] = {};
  for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
    for (int k = 0; k < 7; ++k) sum[k] += rows[i].values[k];
  }
  // The total row counts every contact, also those with an empty call.
  if (total.values[0] != contacts || sum[0] > contacts) std::abort();
  for (int k = 1; k < 7; ++k) {
    if (total.values[k] != sum[k]) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Files go into a directory of the fuzzer's own, and messages nowhere.
  const auto dir = std::filesystem::temp_directory_path() / ("kvaro-fuzz-" + std::to_string(::getpid()));
  static const std::filesystem::path made = dir;
  std::filesystem::create_directories(dir / "Plugins");
  std::filesystem::current_path(dir);
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
    std::filesystem::remove_all(made, ignored);
  });
  kvaro::NativePosixPlatform().messageSink = [](const std::string&, const char*) {};
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::vector<std::string> calls = {"SV1ABC", "DL1ABC", "", "K1ZZ"};
  const std::vector<std::string> prefixes = {"SV", "SV5", "SV9", "DL", "", "SV/a"};
  const std::vector<std::string> bands = {"20", "40", "7", "07", "", "160m"};
  const std::vector<std::string> modes = {"CW", "SSB", "RTTY", ""};
  const std::vector<std::string> regions = {"EU", "NA", ""};
  const char* j = "junk";
  char b27[8], b28[8];
  // The plug-in outlives one input: each starts from an empty run.
  COleDateTime none{0.0, COleDateTime::null};
  ResetStats0(j, 0, "", &none, &none, j, j, j, j, j, j, j, j, j, "", 1, 2, 3, 4.0, 5.0, j, "", j);
  long contacts = 0;
  for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
    const std::string call = Pick(in, calls, false), prefix = Pick(in, prefixes, false);
    const std::string band = Pick(in, bands, true), mode = Pick(in, modes, false), region = Pick(in, regions, false);
    const std::string sent = Text(in, false), received = in.ConsumeBool() ? "001" : Text(in, false);
    COleDateTime date = Date(in), other = Date(in);
    switch (in.ConsumeIntegralInRange(0, 7)) {
      case 0: {
        // An export run under one own callsign, so that it writes one file.
        const bool exportRun = in.ConsumeIntegralInRange(0, 7) == 0;
        const std::string own = exportRun ? "FUZZ" : Text(in, true);
        ResetStats0(j, exportRun ? 1 : 0, own.c_str(), &date, &other, j, j, j, j, j, j, j, j, j, prefix.c_str(), 1, 2,
                    3, 4.0, 5.0, j, region.c_str(), j);
        contacts = 0;
        break;
      }
      case 1:
      case 2:
        AddData0(j, call.c_str(), &date, &other, &other, &other, 7, in.ConsumeIntegral<std::uint32_t>(), mode.c_str(),
                 j, j, sent.c_str(), received.c_str(), j, j, j, j, j, j, j, j, j, prefix.c_str(), 1, 2, 3, 4.0, 5.0, j,
                 region.c_str(), j, band.c_str(), j);
        ++contacts;
        break;
      case 3: {
        const int r = RemoveData0(j, call.c_str(), &date, &other, &other, &other, 7, 0, mode.c_str(), j, j,
                                  sent.c_str(), received.c_str(), j, j, j, j, j, j, j, j, j, prefix.c_str(), 1, 2, 3,
                                  4.0, 5.0, j, region.c_str(), j, band.c_str(), j);
        if (r != 0 && r != 1) std::abort();
        // How many went is read from the next summary's total row.
        int result = 0;
        std::string text = GetResult0(&result);
        const std::size_t at = text.find("\r\nTotal\t ");
        if (at == std::string::npos) std::abort();
        const long now = std::strtol(text.c_str() + at + 9, nullptr, 10);
        if (now != contacts && now != contacts - 1) std::abort();
        contacts = now;
        break;
      }
      case 4: {
        const int r = CheckCall0(call.c_str(), 1, 2, mode.c_str(), j, j, j, j, j, j, j, j, j, prefix.c_str(), 1, 2, 3,
                                 4.0, 5.0, j, j, j, j, j, band.c_str(), j, b27, b28);
        if (r < 0 || r > 2) std::abort();
        break;
      }
      case 5: {
        const int r = IsValidExchg0(sent.c_str(), j, j, j, 1, 2, 3);
        if (r != 0 && r != 1) std::abort();
        break;
      }
      case 6: {
        int result = 0;
        CheckSummary(GetResult0(in.ConsumeBool() ? &result : nullptr), contacts);
        break;
      }
      default:
        if (GetNumberOfSets() != 1 || !GetSetName(in.ConsumeIntegral<int>()) || GetExchgCount0(j, j, j) != 1) {
          std::abort();
        }
        break;
    }
  }
  return 0;
}
