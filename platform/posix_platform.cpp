// The POSIX side of the platform: no windows and no companion program; the
// profile file is a plain text file edited in place.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include <unistd.h>

#include "platform/platform.h"
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

class PosixPlatform final : public Platform {
 public:
  // There is no one to press OK: the text goes to the error stream.
  void ShowMessage(const std::string& text, const char* caption, unsigned, BoxOwner) override {
    std::fprintf(stderr, "%s%s%s\n", caption ? caption : "", caption ? ": " : "", text.c_str());
  }

  void StartProgram(const std::string&) override {}

  bool WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& file) override {
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

  std::string FormatLocaleDateTime(double oleDate) override { return FormatOleDateDayFirst(oleDate); }
};

}  // namespace

Platform& NativePlatform() {
  static PosixPlatform platform;
  return platform;
}

}  // namespace kvaro
