#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/score/file_text.h"
#include "tools/score/replay.h"

namespace kvaro::score {
namespace {

namespace fs = std::filesystem;

// Z: is the whole Unix file system in a Wine prefix.
std::string WindowsPath(const fs::path& path) {
  std::string out = "Z:" + fs::absolute(path).lexically_normal().string();
  for (char& c : out) {
    if (c == '/') c = '\\';
  }
  return out;
}

std::string ShellQuoted(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// Texts of the script stand between tabs; the dialog's may hold line breaks.
std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : c == '\t' ? "\\t" : c == '\\' ? "\\\\" : std::string(1, c);
  }
  return out;
}

std::string Date(double oleDate) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", oleDate);
  return text;
}

// A temporary directory that goes away with its files.
struct TempDir {
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "kvaro-score-XXXXXX").string();
    if (::mkdtemp(pattern.data())) path = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    if (!path.empty()) fs::remove_all(path, ignored);
  }
  fs::path path;
};

}  // namespace

std::string SessionScript(const ReplayPlan& plan, const std::string& summaryFile) {
  std::ostringstream s;
  s << "names\tplain\n";
  for (const DialogAnswer& a : plan.dialog) s << "dialog\ttype\t" << a.controlId << '\t' << Escaped(a.text) << '\n';
  s << "reset\t" << (plan.exportRun ? 1 : 0) << '\t' << plan.ownCall << '\t' << Date(plan.start) << '\t'
    << Date(plan.end) << '\t' << plan.ownPrefix << '\t' << plan.ownRegion << '\n';
  for (const ReplayContact& c : plan.contacts) {
    s << "check\t" << c.call << '\t' << c.mode << '\t' << c.prefix << '\t' << c.band << '\n';
    s << "add\t" << c.call << '\t' << Date(c.time) << '\t' << c.freqHz << '\t' << c.mode << '\t' << c.rstSent << '\t'
      << c.rstReceived << '\t' << c.exchgSent << '\t' << c.exchgReceived << '\t' << c.prefix << '\t' << c.region
      << '\t' << c.band << '\n';
  }
  s << "result\nsave\t" << summaryFile << '\n';
  return s.str();
}

std::optional<ReplayOutcome> ReplayUnderWine(const ReplayPlan& plan, const WineReplay& wine, std::string& error) {
  TempDir temp;
  if (temp.path.empty()) {
    error = "cannot make a temporary directory";
    return std::nullopt;
  }
  const fs::path script = temp.path / "session.txt", summary = temp.path / "summary.txt",
                 output = temp.path / "output.txt", errors = temp.path / "errors.txt";
  std::ofstream(script, std::ios::binary) << SessionScript(plan, WindowsPath(summary));

  // The same quiet Wine as the tests use; an X display from Xvfb when there is none.
  ::setenv("WINEDEBUG", "-all", 0);
  ::setenv("WINEDLLOVERRIDES", "mscoree,mshtml=;winemenubuilder.exe=d", 0);
  const char* display = std::getenv("DISPLAY");
  std::string command = (display && *display) ? "wine" : "xvfb-run -a -s '-screen 0 1024x768x24' wine";
  command += " " + ShellQuoted(wine.host) + " --dll " + ShellQuoted(WindowsPath(wine.dll)) + " run " +
             ShellQuoted(WindowsPath(script)) + " >" + ShellQuoted(output.string()) + " 2>" +
             ShellQuoted(errors.string());
  const int status = std::system(command.c_str());
  if (status != 0 || !fs::exists(summary)) {
    std::string why = ReadFileText(errors).value_or("");
    if (why.size() > 400) why.resize(400);
    error = "the host emulator under Wine failed (status " + std::to_string(status) + ")" +
            (why.empty() ? std::string() : ": " + why);
    return std::nullopt;
  }

  ReplayOutcome out;
  out.summary = ReadFileText(summary).value_or("");
  std::istringstream lines(ReadFileText(output).value_or(""));
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("check ", 0) == 0) {
      out.checks.push_back(std::atoi(line.c_str() + 6));
    } else if (line.rfind("result ", 0) == 0) {
      out.result = std::atoi(line.c_str() + 7);
    } else if (line.rfind("box ", 0) == 0 && line.find(" caption=\"Output\" ") != std::string::npos) {
      const std::size_t text = line.find(" text=\"");
      if (text != std::string::npos && line.size() > text + 8) out.output = line.substr(text + 7, line.size() - text - 8);
    }
  }
  if (out.checks.size() != plan.contacts.size()) {
    error = "the host emulator reported " + std::to_string(out.checks.size()) + " checks for " +
            std::to_string(plan.contacts.size()) + " contacts";
    return std::nullopt;
  }
  return out;
}

}  // namespace kvaro::score
