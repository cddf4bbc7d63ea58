#include "platform/posix_platform.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>

#include "platform/profile_text.h"
#include "plugin/ole_date_time.h"

namespace kvaro {
namespace {

std::string ToPosixPath(std::string path) {
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in{path, std::ios::binary};
  if (!in) return std::nullopt;
  std::string content(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>{});
  if (in.bad()) return std::nullopt;
  return content;
}

// Writes the file's data through to the disk.
bool SyncFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

}  // namespace

void PosixPlatform::ShowMessage(const std::string& text, const char* caption, unsigned, BoxOwner) {
  if (messageSink) return messageSink(text, caption);
  std::fprintf(stderr, "%s%s%s\n", caption ? caption : "", caption ? ": " : "", text.c_str());
}

void PosixPlatform::StartProgram(const std::string&) {}

std::string PosixPlatform::ReadProfileString(const std::string& section, const std::string& key,
                                             const std::string& fallback, const std::string& file) {
  std::string value = fallback;
  if (const std::optional<std::string> content = ReadFile(ToPosixPath(file))) {
    if (std::optional<std::string> found = GetProfileValue(*content, section, key)) value = std::move(*found);
  }
  if (value.size() > kProfileValueMax) value.resize(kProfileValueMax);
  return value;
}

bool PosixPlatform::WriteProfileString(const std::string& section, const std::string& key,
                                       const std::string& value, const std::string& file) {
  const std::string path = ToPosixPath(file);
  std::string content;
  if (std::ifstream in{path, std::ios::binary}) {
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
  }
  // Write beside the file and rename, so that a failed write leaves the
  // old file as it was.
  const std::string temp = path + ".tmp" + std::to_string(::getpid());
  {
    std::ofstream out{temp, std::ios::binary | std::ios::trunc};
    if (!out) return false;
    out << SetProfileValue(content, section, key, value);
    out.flush();
    if (!out) {
      out.close();
      std::remove(temp.c_str());
      return false;
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

int PosixPlatform::RunModalDialog(int, DialogHandler& handler) { return RunScriptedDialog(handler, dialogSteps); }

bool PosixPlatform::ReplaceFile(const std::string& source, const std::string& target) {
  return SyncFile(source) && std::rename(source.c_str(), target.c_str()) == 0;
}

std::string PosixPlatform::FormatLocaleDateTime(double oleDate) { return FormatOleDateDayFirst(oleDate); }

PosixPlatform& NativePosixPlatform() {
  static PosixPlatform platform;
  return platform;
}

Platform& NativePlatform() { return NativePosixPlatform(); }

}  // namespace kvaro
