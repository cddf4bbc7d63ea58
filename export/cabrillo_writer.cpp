#include "export/cabrillo_writer.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <vector>

#include "log/qso_log.h"
#include "platform/platform.h"

namespace kvaro {
namespace {

// An open file that is closed however the writer leaves.
struct File {
  explicit File(std::FILE* f) : f(f) {}
  ~File() { Close(); }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  bool Close() {
    std::FILE* open = f;
    f = nullptr;
    return !open || std::fclose(open) == 0;
  }
  std::FILE* f;
};

// Opens "cabrillo.ini" for reading, creating it empty when it is missing.
std::FILE* OpenExtraHeader() {
  if (std::FILE* in = std::fopen(kExtraHeaderFile, "rb")) return in;
  if (std::FILE* created = std::fopen(kExtraHeaderFile, "ab")) std::fclose(created);
  return std::fopen(kExtraHeaderFile, "rb");
}

// Copies `in` to `out` up to its end or its first failed read; false when a
// write failed.
bool CopyFile(std::FILE* in, std::FILE* out) {
  std::vector<char> buffer(64 * 1024);
  for (;;) {
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), in);
    if (got > 0 && std::fwrite(buffer.data(), 1, got, out) != got) return false;
    if (got < buffer.size()) return true;
  }
}

bool Put(std::FILE* out, const std::string& text) {
  return std::fwrite(text.data(), 1, text.size(), out) == text.size();
}

}  // namespace

const char* CabrilloModeCode(std::string_view mode) {
  if (mode == "CW") return "CW";
  if (mode == "SSB") return "PH";
  return "RY";
}

std::string CabrilloHeader(const StationInfo& s, std::int32_t claimedScore) {
  return "START-OF-LOG: 2.0\r\n"
         "CALLSIGN: " + s.callsign + "\r\n"
         "CATEGORY: " + s.category + "\r\n"
         "CLAIMED-SCORE: " + std::to_string(claimedScore) + "\r\n"
         "CLUB: " + s.club + "\r\n"
         "CONTEST: TRIATHLON-DX-CONTEST\r\n"
         "CREATED-BY: Vantor \r\n"
         "NAME: " + s.name + "\r\n"
         "ADDRESS: " + s.address + "\r\n"
         "OPERATORS: " + s.operators + "\r\n"
         "EMAIL: " + s.email + "\r\n"
         "SOAPBOX: " + s.soapbox + "\r\n";
}

void ExportContext::FormatQsoLine(std::string_view call, std::int32_t freqKhz, const char* modeCode,
                                  const COleDateTime& time, std::string_view rstSent,
                                  std::string_view exchgSent, std::string_view rstReceived,
                                  std::string_view exchgReceived) {
  const std::string when = FormatOleDate(time, "%Y-%m-%d %H%M");
  // The stored texts end without a zero byte, so each goes in with its
  // length as the precision: "%-13.*s" prints what "%-13s" prints of it.
  const auto length = [](std::string_view s) { return static_cast<int>(std::min<std::size_t>(s.size(), INT_MAX)); };
  constexpr const char* kLine = "QSO: %5i %2s %s %-13s %-3.*s %-6.*s %-13.*s %-3.*s %.*s\r\n";
  const auto print = [&](char* out, std::size_t size) {
    return std::snprintf(out, size, kLine, static_cast<int>(freqKhz), modeCode, when.c_str(), station.callsign.c_str(),
                         length(rstSent), rstSent.data(), length(exchgSent), exchgSent.data(), length(call),
                         call.data(), length(rstReceived), rstReceived.data(), length(exchgReceived),
                         exchgReceived.data());
  };
  char line[256];
  const int size = print(line, sizeof line);
  if (size < 0) {
    qsoLines.emplace_back();
    return;
  }
  if (static_cast<std::size_t>(size) < sizeof line) {
    qsoLines.emplace_back(line, static_cast<std::size_t>(size));
    return;
  }
  std::string& longer = qsoLines.emplace_back(static_cast<std::size_t>(size) + 1, '\0');
  print(longer.data(), longer.size());
  longer.pop_back();
}

std::string ExportContext::WriteCabrilloFile(std::int32_t claimedScore, Platform& platform) const {
  const std::string name = fileBaseName + ".cbr";
  // The new log goes to a file beside the old one and takes its place only
  // when it is complete, so that a failed write never leaves half a log.
  const std::string temp = name + ".tmp";
  File out(std::fopen(temp.c_str(), "wb"));
  File extra(OpenExtraHeader());
  bool ok = out.f != nullptr;
  if (ok) {
    ok = Put(out.f, CabrilloHeader(station, claimedScore));
    if (ok && extra.f) ok = CopyFile(extra.f, out.f);
    extra.Close();
    for (std::size_t i = 0; ok && i < qsoLines.size(); ++i) ok = Put(out.f, qsoLines[i]);
    ok = ok && Put(out.f, "END-OF-LOG:\r\n");
    ok = std::fflush(out.f) == 0 && ok;
    ok = out.Close() && ok;
    ok = ok && platform.ReplaceFile(temp, name);
    if (!ok) std::remove(temp.c_str());
  }
  return (ok ? "File produced: " : "File not produced: ") + name;
}

std::string ExportContext::ExportLog(const QsoLog& log, std::int32_t claimedScore, Platform& platform) {
  qsoLines.clear();
  for (const QsoRecord& r : log) {
    FormatQsoLine(r.call(), static_cast<std::int32_t>(r.freqKhz), CabrilloModeCode(r.mode()), r.time,
                  r.rstSent(), r.exchgSent(), r.rstReceived(), r.exchgReceived());
  }
  return WriteCabrilloFile(claimedScore, platform);
}

}  // namespace kvaro
