// kvaro-score: scores an ADIF log with the plug-in, as the host logger would
// replay it, natively or through the real KVARO.dll under Wine.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "export/entrant_dialog_ids.h"
#include "plugin/ole_date_time.h"
#include "tools/score/adif_reader.h"
#include "tools/score/country_file.h"
#include "tools/score/file_text.h"
#include "tools/score/log_conversion.h"
#include "tools/score/replay.h"

namespace {

namespace fs = std::filesystem;
using namespace kvaro::score;

constexpr const char* kUsage =
    "usage: kvaro-score [OPTIONS] LOG.adi\n"
    "Replays an ADIF log through the plug-in and prints its summary.\n"
    "  --cty FILE          country file in cty.dat format (default /usr/share/hamradio-files/cty.dat)\n"
    "  --call CALL         own callsign (default: STATION_CALLSIGN or OPERATOR of the log)\n"
    "  --prefix PREFIX     own country prefix (default: from the country file)\n"
    "  --region REGION     own continent (default: from the country file)\n"
    "  --start YYYYMMDD    first day of the contest (default: the first contact's day)\n"
    "  --end YYYYMMDD      last day of the contest (default: the last contact's day)\n"
    "  --bands STYLE       band labels: metres (20m gives 20, the default) or adif (20m)\n"
    "  --dupes             list the contacts that the duplicate check refused, and count them\n"
    "  --export            an export run: writes the Cabrillo file and Plugins/KVARO.ini in the\n"
    "                      current directory; the entrant dialog takes the settings file's values\n"
    "  --name, --address, --operators, --club, --email, --soapbox, --category TEXT\n"
    "                      entrant fields for the export run (in --address and --soapbox \\n\n"
    "                      starts a new line)\n"
    "  --dll PATH          drive this KVARO.dll under Wine instead of the native library\n"
    "  --host PATH         the host emulator for --dll (default: kvaro-host.exe beside the DLL)\n"
    "  --dump-adif         print the log's header and records as the reader sees them, and stop\n"
    "  --help              this text\n"
    "Exit status: 0 scored, 1 usage error, 2 bad input, 3 Wine or the host emulator failed.\n";

int Usage(const std::string& why) {
  std::fprintf(stderr, "kvaro-score: %s\n%s", why.c_str(), kUsage);
  return 1;
}

int BadInput(const std::string& file, const std::string& why) {
  std::fprintf(stderr, "kvaro-score: %s: %s\n", file.c_str(), why.c_str());
  return 2;
}

// "\n" typed on the command line stands for a line break of the dialog box.
std::string LineBreaks(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
      out += "\r\n";
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

struct EntrantFlag {
  const char* flag;
  int controlId;
};
constexpr EntrantFlag kEntrantFlags[] = {
    {"--name", IDC_NAME},   {"--address", IDC_ADDRESS}, {"--operators", IDC_OPERATORS}, {"--club", IDC_CLUB},
    {"--email", IDC_EMAIL}, {"--soapbox", IDC_SOAPBOX}, {"--category", IDC_CATEGORY},
};

// Field data with every byte outside printable ASCII, and the backslash,
// written as an escape, so that the dump is one line per field.
std::string Printable(const std::string& data) {
  std::string out;
  for (unsigned char c : data) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c < 32 || c > 126) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

void DumpAdif(const AdifLog& log) {
  std::puts("header");
  for (const auto& [name, data] : log.header) std::printf("  %s=%s\n", name.c_str(), Printable(data).c_str());
  for (const AdifRecord& r : log.records) {
    std::printf("record %zu\n", r.number);
    for (const auto& [name, data] : r.fields) std::printf("  %s=%s\n", name.c_str(), Printable(data).c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string logFile, countryFile = kDebianCountryFile, dll, host;
  ConversionOptions options;
  bool dupes = false, exportRun = false, dumpAdif = false;
  std::vector<DialogAnswer> dialog;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&](std::string& target) {
      if (i + 1 >= argc) return false;
      target = argv[++i];
      return true;
    };
    std::string v;
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (arg == "--dupes") {
      dupes = true;
    } else if (arg == "--dump-adif") {
      dumpAdif = true;
    } else if (arg == "--export") {
      exportRun = true;
    } else if (arg == "--cty") {
      if (!value(countryFile)) return Usage("--cty needs a file");
    } else if (arg == "--dll") {
      if (!value(dll)) return Usage("--dll needs a file");
    } else if (arg == "--host") {
      if (!value(host)) return Usage("--host needs a file");
    } else if (arg == "--call" || arg == "--prefix" || arg == "--region") {
      if (!value(v)) return Usage(arg + " needs a value");
      (arg == "--call" ? options.ownCall : arg == "--prefix" ? options.ownPrefix : options.ownRegion) = v;
    } else if (arg == "--start" || arg == "--end") {
      if (!value(v)) return Usage(arg + " needs a date");
      const std::optional<double> day = ParseAdifDate(v);
      if (!day) return Usage(arg + " " + v + " is not a date YYYYMMDD");
      (arg == "--start" ? options.start : options.end) = day;
    } else if (arg == "--bands") {
      if (!value(v) || (v != "metres" && v != "adif")) return Usage("--bands takes metres or adif");
      options.bands = v == "adif" ? BandLabels::Adif : BandLabels::Metres;
    } else if (const auto* flag = std::find_if(std::begin(kEntrantFlags), std::end(kEntrantFlags),
                                               [&arg](const EntrantFlag& f) { return arg == f.flag; });
               flag != std::end(kEntrantFlags)) {
      if (!value(v)) return Usage(arg + " needs a text");
      dialog.push_back({flag->controlId, LineBreaks(v)});
    } else if (!arg.empty() && arg[0] == '-') {
      return Usage("unknown option " + arg);
    } else if (logFile.empty()) {
      logFile = arg;
    } else {
      return Usage("one log at a time");
    }
  }
  if (logFile.empty()) return Usage("no log given");
  if (!dialog.empty() && !exportRun) return Usage("entrant fields need --export");
  if (!host.empty() && dll.empty()) return Usage("--host needs --dll");
  if (!dll.empty() && host.empty()) host = (fs::path(dll).parent_path() / "kvaro-host.exe").string();

  // Everything is read and checked before the plug-in sees a call, so that
  // bad input writes nothing.
  std::string error;
  const std::optional<std::string> adifText = ReadFileText(logFile);
  if (!adifText) return BadInput(logFile, "cannot read the log");
  const std::optional<AdifLog> log = ReadAdif(*adifText, error);
  if (!log) return BadInput(logFile, error);
  if (dumpAdif) {
    DumpAdif(*log);
    return 0;
  }
  const std::optional<std::string> ctyText = ReadFileText(countryFile);
  if (!ctyText) return BadInput(countryFile, "cannot read the country file");
  CountryFile countries;
  if (!countries.Load(*ctyText, error)) return BadInput(countryFile, error);
  std::optional<Conversion> conversion = ConvertLog(*log, countries, options, error);
  if (!conversion) return BadInput(logFile, error);
  ReplayPlan& plan = conversion->plan;
  plan.exportRun = exportRun;
  plan.dialog = dialog;
  if (conversion->unknownCalls > 0) {
    std::fprintf(stderr,
                 "kvaro-score: warning: %zu of %zu contacts have callsigns that the country file does not know;"
                 " they are scored with an empty prefix and region\n",
                 conversion->unknownCalls, plan.contacts.size());
  }
  if (plan.ownPrefix.empty()) {
    std::fprintf(stderr, "kvaro-score: warning: the own station %s has no country prefix; give --prefix\n",
                 plan.ownCall.c_str());
  }
  // The host logger's folder holds the settings file.
  std::error_code ignored;
  if (exportRun) fs::create_directory("Plugins", ignored);

  ReplayOutcome outcome;
  if (dll.empty()) {
    outcome = ReplayNative(plan);
  } else {
    std::optional<ReplayOutcome> wine = ReplayUnderWine(plan, {dll, host}, error);
    if (!wine) {
      std::fprintf(stderr, "kvaro-score: %s\n", error.c_str());
      return 3;
    }
    outcome = std::move(*wine);
  }

  std::fwrite(outcome.summary.data(), 1, outcome.summary.size(), stdout);
  std::fputs("\n", stdout);
  if (dupes) {
    std::size_t count = 0;
    std::fputs("Dupes (call, band, mode, time):\n", stdout);
    for (std::size_t i = 0; i < plan.contacts.size(); ++i) {
      if (outcome.checks[i] != 0) continue;
      const ReplayContact& c = plan.contacts[i];
      const std::string when = kvaro::FormatOleDate({c.time, COleDateTime::valid}, "%Y-%m-%d %H:%M");
      std::printf("%s\t%s\t%s\t%s\n", c.call.c_str(), c.band.c_str(), c.mode.c_str(), when.c_str());
      ++count;
    }
    std::printf("%zu dupes\n", count);
  }
  if (exportRun) std::printf("%s\n", outcome.output.c_str());
  return 0;
}
