// What a hostile or broken environment gives the plug-in, through the native
// exports: huge texts, huge logs, every byte value, a huge settings file,
// and files and directories that cannot be written. Each ends with the
// documented result, and nothing that was stored before is lost.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/posix_platform.h"
#include "tests/unit/export_calls.h"
#include "tests/unit/temp_dir.h"

namespace kvaro::test {
namespace {

class HostileTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    NativePosixPlatform().messageSink = [this](const std::string& text, const char* caption) {
      if (caption && std::string(caption) == "Output") output = text;
    };
  }
  void TearDown() override {
    for (const fs::path& p : locked_) Unlock(p);
    NativePosixPlatform().messageSink = nullptr;
    Reset(0, "", 41440.5, 41441.5, "", "");  // the next test starts from an empty log
    TempDirTest::TearDown();
  }
  std::string Result(int* result = nullptr) {
    int r = 0;
    std::string text = GetResult0(result ? result : &r);
    return text;
  }
  // Makes a directory refuse new files, also for root (who ignores the
  // permission bits): an immutable directory. False when the file system
  // cannot do that.
  bool Lock(const fs::path& dir) {
    if (::geteuid() != 0) {
      ::chmod(dir.c_str(), 0555);
    } else if (std::system(("chattr +i '" + dir.string() + "' 2>/dev/null").c_str()) != 0) {
      return false;
    }
    locked_.push_back(dir);
    return true;
  }
  static void Unlock(const fs::path& dir) {
    if (::geteuid() != 0) {
      ::chmod(dir.c_str(), 0755);
    } else {
      [[maybe_unused]] int ignored = std::system(("chattr -i '" + dir.string() + "' 2>/dev/null").c_str());
    }
  }
  std::string output;
  std::vector<fs::path> locked_;
};

TEST_F(HostileTest, CallsignOfOneMegabyte) {
  fs::create_directory("Plugins");
  const std::string huge(1 << 20, 'K');
  EXPECT_EQ(Reset(0, huge.c_str(), 41440.5, 41441.5, "DL", "EU"), 1);
  EXPECT_EQ(Contact(AddData0, huge.c_str(), "CW", "K", "NA", "20"), 1);
  char b27[8], b28[8];
  EXPECT_EQ(Check(huge.c_str(), "CW", "K", "20", b27, b28), 0);
  EXPECT_NE(Result().find("Contestant: " + huge + "\r\n"), std::string::npos);
  // An export run under that callsign: no file system takes such a name.
  EXPECT_EQ(Reset(1, huge.c_str(), 41440.5, 41441.5, "DL", "EU"), 1);
  EXPECT_EQ(Contact(AddData0, huge.c_str(), "CW", "K", "NA", "20"), 1);
  int result = 0;
  Result(&result);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(output, "File not produced: " + huge + ".cbr");
}

TEST_F(HostileTest, MillionContacts) {
  Reset(0, "DL1KV", 41440.5, 41441.5, "DL", "EU");
  for (int i = 0; i < 1000000; ++i) {
    const std::string call = "K" + std::to_string(i);
    ASSERT_EQ(Contact(AddData0, call.c_str(), i % 2 ? "CW" : "SSB", "K", "NA", i % 3 ? "20" : "40"), 1);
  }
  const std::string summary = Result();
  EXPECT_NE(summary.find("\r\n40\t 333334\t 1000002\t 166667\t 166667\t 0\t 1\t 0\r\n"), std::string::npos) << summary;
  EXPECT_NE(summary.find("\r\nTotal\t 1000000\t 3000000\t 500000\t 500000\t 0\t 2\t 0\r\n"), std::string::npos);
  char b27[8], b28[8];
  EXPECT_EQ(Check("K999997", "CW", "K", "20", b27, b28), 0);
  EXPECT_EQ(Check("K1000000", "CW", "K", "20", b27, b28), 1);
}

TEST_F(HostileTest, TenThousandBandLabels) {
  Reset(0, "DL1KV", 41440.5, 41441.5, "DL", "EU");
  for (int i = 0; i < 10000; ++i) {
    ASSERT_EQ(Contact(AddData0, "K1ZZ", "CW", "K", "NA", std::to_string(i).c_str()), 1);
  }
  const std::string summary = Result();
  // Whole numbers come out in descending order, one row each.
  const std::size_t first = summary.find("\r\n9999\t 1\t");
  const std::size_t second = summary.find("\r\n9998\t 1\t");
  const std::size_t last = summary.find("\r\n0\t 1\t 3\t 1\t");
  EXPECT_NE(first, std::string::npos);
  EXPECT_LT(first, second);
  EXPECT_LT(second, last);
  EXPECT_NE(summary.find("\r\nTotal\t 10000\t 30000\t 10000\t 0\t 0\t 10000\t 0\r\n"), std::string::npos);
}

TEST_F(HostileTest, TextsWithEveryByteValue) {
  fs::create_directory("Plugins");
  std::string bytes;
  for (int c = 1; c < 256; ++c) bytes += static_cast<char>(c);
  // The own callsign names the file, and a file name has at most 255 bytes.
  const std::string own = bytes.substr(0, 200);
  Reset(1, own.c_str(), 41440.5, 41441.5, bytes.c_str(), bytes.c_str());
  EXPECT_EQ(Contact(AddData0, bytes.c_str(), bytes.c_str(), bytes.c_str(), bytes.c_str(), bytes.c_str(),
                    bytes.c_str(), bytes.c_str()),
            1);
  char b27[8], b28[8];
  EXPECT_EQ(Check(bytes.c_str(), bytes.c_str(), "X", bytes.c_str(), b27, b28), 0);
  EXPECT_EQ(IsValidExchg0(bytes.c_str(), J(2), J(3), J(4), 5, 6, 7), 0);
  int result = 0;
  const std::string summary = Result(&result);
  EXPECT_NE(summary.find("\r\n" + bytes + "\t 1\t 1\t 0\t 0\t 0\t 1\t 0\r\n"), std::string::npos);
  EXPECT_EQ(result, -1);
  // The file name keeps only what a file name may hold; the log holds the
  // bytes as they came.
  ASSERT_EQ(output.rfind("File produced: ", 0), 0u) << output;
  const std::string name = output.substr(15);
  EXPECT_EQ(name.size(), 204u);
  EXPECT_EQ(name.find_first_of(std::string("/\\<>:\"|?*\x01\x1f", 11)), std::string::npos);
  EXPECT_NE(ReadFile(name).find(" " + bytes + "\r\nEND-OF-LOG:\r\n"), std::string::npos);
  // No stored value breaks the settings file's lines.
  const std::string ini = ReadFile("Plugins/KVARO.ini");
  EXPECT_EQ(ini.find("\r\n\r\n"), std::string::npos);
  EXPECT_NE(ini.find("\r\nName=\r\n"), std::string::npos);
}

TEST_F(HostileTest, SettingsFileOfTenMegabytes) {
  fs::create_directory("Plugins");
  std::string other = "[Other]\r\n";
  while (other.size() < 10 * 1024 * 1024) other += "Key" + std::to_string(other.size()) + "=" + std::string(100, 'x') + "\r\n";
  const std::string name(12000, 'n');
  WriteFile("Plugins/KVARO.ini", other + "[Settings]\r\nName=" + name + "\r\n");
  Reset(1, "DL1KV", 41440.5, 41441.5, "DL", "EU");
  Result();
  EXPECT_EQ(output, "File produced: DL1KV.cbr");
  // The value came back cut to 9999 characters and went out so; every other
  // line of the file is as it was.
  const std::string ini = ReadFile("Plugins/KVARO.ini");
  EXPECT_EQ(ini.rfind(other, 0), 0u);
  EXPECT_NE(ini.find("\r\nName=" + std::string(9999, 'n') + "\r\n"), std::string::npos);
  EXPECT_NE(ReadFile("DL1KV.cbr").find("\r\nNAME: " + std::string(9999, 'n') + "\r\n"), std::string::npos);
}

TEST_F(HostileTest, ExtraHeaderThatIsADirectory) {
  fs::create_directory("cabrillo.ini");
  Reset(1, "DL1KV", 41440.5, 41441.5, "DL", "EU");
  Contact(AddData0, "K1ZZ", "CW", "K", "NA", "20");
  Result();
  EXPECT_EQ(output, "File produced: DL1KV.cbr");
  EXPECT_NE(ReadFile("DL1KV.cbr").find("SOAPBOX: \r\nQSO: "), std::string::npos);
  EXPECT_TRUE(fs::is_directory("cabrillo.ini"));
}

TEST_F(HostileTest, ReadOnlyDirectoriesLoseNothing) {
  fs::create_directory("Plugins");
  WriteFile("DL1KV.cbr", "the log of yesterday\r\n");
  const std::string settings = "[Settings]\r\nName=Ann\r\nClaimed=7\r\n";
  WriteFile("Plugins/KVARO.ini", settings);
  if (!Lock(dir_) || !Lock(dir_ / "Plugins")) GTEST_SKIP() << "this file system cannot refuse new files to root";
  EXPECT_EQ(Reset(1, "DL1KV", 41440.5, 41441.5, "DL", "EU"), 1);
  Contact(AddData0, "K1ZZ", "CW", "K", "NA", "20");
  int result = 0;
  Result(&result);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(output, "File not produced: DL1KV.cbr");
  EXPECT_EQ(ReadFile("DL1KV.cbr"), "the log of yesterday\r\n");
  EXPECT_EQ(ReadFile("Plugins/KVARO.ini"), settings);
}

TEST_F(HostileTest, MissingPluginsDirectory) {
  Reset(1, "DL1KV", 41440.5, 41441.5, "DL", "EU");
  Contact(AddData0, "K1ZZ", "CW", "K", "NA", "20");
  int result = 0;
  Result(&result);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(output, "File produced: DL1KV.cbr");
  EXPECT_FALSE(fs::exists("Plugins"));
}

}  // namespace
}  // namespace kvaro::test
