#include "tools/score/log_conversion.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <limits>
#include <unordered_map>

#include "tools/score/ascii.h"

namespace kvaro::score {
namespace {

bool AllDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

int Number(const std::string& s, std::size_t at, std::size_t n) { return std::stoi(s.substr(at, n)); }

// Texts of the host never hold a line break or a tab.
std::string HostText(std::string s) {
  std::replace_if(s.begin(), s.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return s;
}

struct BandRange {
  const char* name;
  std::uint64_t lowHz, highHz;
};

// The ADIF band plan, lower and upper edge in Hz.
constexpr BandRange kBands[] = {
    {"2190m", 135700, 137800},         {"630m", 472000, 479000},          {"560m", 501000, 504000},
    {"160m", 1800000, 2000000},        {"80m", 3500000, 4000000},         {"60m", 5060000, 5450000},
    {"40m", 7000000, 7300000},         {"30m", 10100000, 10150000},       {"20m", 14000000, 14350000},
    {"17m", 18068000, 18168000},       {"15m", 21000000, 21450000},       {"12m", 24890000, 24990000},
    {"10m", 28000000, 29700000},       {"8m", 40000000, 45000000},        {"6m", 50000000, 54000000},
    {"5m", 54000001, 69900000},        {"4m", 70000000, 71000000},        {"2m", 144000000, 148000000},
    {"1.25m", 222000000, 225000000},   {"70cm", 420000000, 450000000},    {"33cm", 902000000, 928000000},
    {"23cm", 1240000000, 1300000000},  {"13cm", 2300000000, 2450000000},  {"9cm", 3300000000, 3500000000},
};

}  // namespace

std::string BandLabel(const std::string& adifBand, BandLabels style) {
  const std::string band = Lower(adifBand);
  if (style == BandLabels::Adif) return band;
  const bool metres = band.size() > 1 && band.back() == 'm' && band[band.size() - 2] != 'c' &&
                      band[band.size() - 2] != 'm';
  return metres ? band.substr(0, band.size() - 1) : band;
}

std::string BandOfFrequency(std::uint64_t hz) {
  for (const BandRange& b : kBands) {
    if (hz >= b.lowHz && hz <= b.highHz) return b.name;
  }
  return {};
}

std::optional<std::uint64_t> ParseMegahertz(const std::string& text) {
  const std::size_t dot = text.find('.');
  const std::string whole = text.substr(0, dot);
  const std::string fraction = dot == std::string::npos ? std::string() : text.substr(dot + 1);
  if ((whole.empty() && fraction.empty()) || (!whole.empty() && !AllDigits(whole)) ||
      (!fraction.empty() && !AllDigits(fraction)) || whole.size() > 9) {
    return std::nullopt;
  }
  std::uint64_t hz = whole.empty() ? 0 : std::stoull(whole) * 1000000;
  std::uint64_t scale = 100000;
  for (std::size_t i = 0; i < fraction.size() && scale > 0; ++i, scale /= 10) {
    hz += static_cast<std::uint64_t>(fraction[i] - '0') * scale;
  }
  if (fraction.size() > 6 && fraction[6] >= '5') ++hz;  // round to the nearest Hz
  return hz;
}

std::optional<double> ParseAdifDate(const std::string& date) {
  using namespace std::chrono;
  if (date.size() != 8 || !AllDigits(date)) return std::nullopt;
  const year_month_day day{year{Number(date, 0, 4)}, month{static_cast<unsigned>(Number(date, 4, 2))},
                           std::chrono::day{static_cast<unsigned>(Number(date, 6, 2))}};
  if (!day.ok() || day.year() < year{1900}) return std::nullopt;
  return static_cast<double>((sys_days{day} - sys_days{year{1899} / December / 30}).count());
}

std::optional<double> ParseAdifDateTime(const std::string& date, const std::string& time) {
  const std::optional<double> day = ParseAdifDate(date);
  if (!day || (time.size() != 4 && time.size() != 6) || !AllDigits(time)) return std::nullopt;
  const int h = Number(time, 0, 2), m = Number(time, 2, 2), s = time.size() == 6 ? Number(time, 4, 2) : 0;
  if (h > 23 || m > 59 || s > 59) return std::nullopt;
  return *day + (h * 3600 + m * 60 + s) / 86400.0;
}

std::optional<Conversion> ConvertLog(const AdifLog& log, const CountryFile& countries,
                                     const ConversionOptions& options, std::string& error) {
  Conversion out;
  ReplayPlan& plan = out.plan;
  const auto fail = [&error](const AdifRecord& r, const std::string& what) {
    error = "record " + std::to_string(r.number) + " (byte " + std::to_string(r.offset) + "): " + what;
    return std::nullopt;
  };
  double first = std::numeric_limits<double>::max(), last = std::numeric_limits<double>::lowest();
  std::unordered_map<std::string, std::optional<Location>> resolved;
  for (const AdifRecord& r : log.records) {
    ReplayContact c;
    c.record = r.number;
    c.call = HostText(Upper(r.Get("CALL").value_or("")));
    if (c.call.empty()) return fail(r, "no CALL");
    const std::string date = r.Get("QSO_DATE").value_or(""), timeOn = r.Get("TIME_ON").value_or("");
    const std::optional<double> when = ParseAdifDateTime(date, timeOn);
    if (!when) return fail(r, "QSO_DATE \"" + date + "\" and TIME_ON \"" + timeOn + "\" are not a date and a time");
    c.time = *when;
    std::uint64_t hz = 0;
    if (const std::optional<std::string> freq = r.Get("FREQ")) {
      const std::optional<std::uint64_t> parsed = ParseMegahertz(*freq);
      if (!parsed) return fail(r, "FREQ \"" + *freq + "\" is not a frequency in MHz");
      if (*parsed > std::numeric_limits<std::uint32_t>::max()) return fail(r, "FREQ " + *freq + " MHz is above what the host hands over");
      hz = *parsed;
    }
    c.freqHz = static_cast<std::uint32_t>(hz);
    std::string band = r.Get("BAND").value_or("");
    if (band.empty()) band = BandOfFrequency(hz);
    if (band.empty()) return fail(r, "no BAND, and FREQ lies in no band");
    c.band = HostText(BandLabel(band, options.bands));
    const std::string mode = HostText(r.Get("MODE").value_or(""));
    const std::string upperMode = Upper(mode);
    c.mode = upperMode == "SSB" || upperMode == "CW" || upperMode == "RTTY" ? upperMode : mode;
    c.rstSent = HostText(r.Get("RST_SENT").value_or(""));
    c.rstReceived = HostText(r.Get("RST_RCVD").value_or(""));
    c.exchgSent = HostText(r.Get("STX_STRING").value_or(r.Get("STX").value_or("")));
    c.exchgReceived = HostText(r.Get("SRX_STRING").value_or(r.Get("SRX").value_or("")));
    // Logs name most stations many times; each is looked up once.
    auto cached = resolved.find(c.call);
    if (cached == resolved.end()) cached = resolved.emplace(c.call, countries.Resolve(c.call)).first;
    if (const std::optional<Location>& where = cached->second) {
      c.prefix = where->prefix;
      c.region = where->continent;
    } else {
      ++out.unknownCalls;
    }
    first = std::min(first, c.time);
    last = std::max(last, c.time);
    if (plan.ownCall.empty()) {
      plan.ownCall = Upper(r.Get("STATION_CALLSIGN").value_or(r.Get("OPERATOR").value_or("")));
    }
    plan.contacts.push_back(std::move(c));
  }
  if (options.ownCall) plan.ownCall = Upper(*options.ownCall);
  plan.ownCall = HostText(plan.ownCall);
  if (plan.ownCall.empty()) {
    error = "the log names no own station (STATION_CALLSIGN or OPERATOR); give --call";
    return std::nullopt;
  }
  const std::optional<Location> own = countries.Resolve(plan.ownCall);
  plan.ownPrefix = options.ownPrefix.value_or(own ? own->prefix : std::string());
  plan.ownRegion = options.ownRegion.value_or(own ? own->continent : std::string());
  // The period runs from the first contact's day to the last contact's day.
  const bool empty = plan.contacts.empty();
  plan.start = options.start.value_or(empty ? 0.0 : static_cast<double>(static_cast<long long>(first)));
  plan.end = options.end.value_or(empty ? 0.0 : static_cast<double>(static_cast<long long>(last)));
  return out;
}

}  // namespace kvaro::score
