// kvaro-host: a stand-in for the host logger. It loads KVARO.dll, resolves
// every export under both its names and drives the plug-in from a session
// script or from the built-in demo session, answering message boxes itself.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/host/box_watcher.h"
#include "tools/host/demo_session.h"
#include "tools/host/host_window.h"
#include "tools/host/plugin_library.h"
#include "tools/host/session_script.h"

namespace {

constexpr const char* kUsage =
    "usage: kvaro-host [--dll PATH] [--decorated] exports\n"
    "       kvaro-host [--dll PATH] [--decorated] run SCRIPT\n"
    "       kvaro-host [--dll PATH] [--decorated] demo\n"
    "  exports  list both names of every export and check that they meet\n"
    "  run      replay a session script (see tools/host/session_script.h)\n"
    "  demo     replay the built-in sample session and print its summary\n"
    "  --dll PATH    the plug-in to load (default: KVARO.dll beside this program)\n"
    "  --decorated   call the exports through their decorated names\n";

std::string DefaultDllPath() {
  char path[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, n);
  const std::size_t slash = dir.find_last_of("\\/");
  return (slash == std::string::npos ? std::string() : dir.substr(0, slash + 1)) + "KVARO.dll";
}

int ListExports(const std::vector<host::ExportResolution>& table) {
  for (const host::ExportResolution& r : table) {
    std::printf("%s %s %s\n", r.name.plain, r.name.decorated,
                r.plain && r.plain == r.decorated ? "same" : "DIFFERENT");
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // the summary's CR LF go out unchanged
  std::string dll = DefaultDllPath();
  bool decorated = false;
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--dll" && i + 1 < argc) {
      dll = argv[++i];
    } else if (arg == "--decorated") {
      decorated = true;
    } else if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else {
      words.push_back(arg);
    }
  }
  const bool known = (words.size() == 1 && (words[0] == "exports" || words[0] == "demo")) ||
                     (words.size() == 2 && words[0] == "run");
  if (!known) {
    std::fputs(kUsage, stderr);
    return 1;
  }

  host::PluginLibrary library;
  std::vector<host::ExportResolution> table;
  std::string error;
  if (!library.Load(dll, error) || !library.Resolve(table, error)) {
    std::fprintf(stderr, "kvaro-host: %s\n", error.c_str());
    return 3;
  }
  if (words[0] == "exports") return ListExports(table);

  std::string script = host::kDemoSession;
  if (words[0] == "run") {
    std::ifstream in(words[1], std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "kvaro-host: cannot read %s\n", words[1].c_str());
      return 2;
    }
    script.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  host::BoxWatcher boxes(host::CreateHostWindow());
  host::ScriptOutput options;
  options.summaryOnly = words[0] == "demo";
  options.decoratedNames = decorated;
  return host::RunScript(library, boxes, script, options);
}
