#include "tools/host/session_script.h"

#include "tools/host/dialog_template.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace host {
namespace {

// Junk for argument position n of any export: a text, an integer, a double
// and a date record that no real argument would hold.
struct Junk {
  Junk() {
    for (int i = 0; i < 40; ++i) {
      texts[i] = "junk-arg-" + std::to_string(i);
      dates[i] = COleDateTime{40000.0 + i + 0.125, COleDateTime::invalid};
    }
  }
  const char* Text(int n) const { return texts[n].c_str(); }
  COleDateTime* Date(int n) { return &dates[n]; }
  static int Int(int n) { return 7000 + n; }
  static unsigned Unsigned(int n) { return 9000u + n; }
  static double Double(int n) { return n + 0.5; }

  std::string texts[40];
  COleDateTime dates[40];
};

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

COleDateTime ParseDate(const std::string& field) {
  if (field == "null") return {0.0, COleDateTime::null};
  if (field == "invalid") return {0.0, COleDateTime::invalid};
  return {std::strtod(field.c_str(), nullptr), COleDateTime::valid};
}

void Write(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

// Script texts write CR, LF, tab and backslash as \r, \n, \t and \\.
std::string Unescaped(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const char c = text[++i];
    out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
  }
  return out;
}

// Creates or replaces `name` with `bytes`; false when that failed.
bool WriteFile(const std::string& name, const std::string& bytes) {
  std::FILE* out = std::fopen(name.c_str(), "wb");
  if (!out) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  return std::fclose(out) == 0 && written;
}

// A dialog line's action, or false for a line that is not one.
bool ParseDialogAction(const std::vector<std::string>& f, DialogAction& action) {
  if (f.size() == 4 && f[1] == "type") {
    action = {DialogAction::Type, std::atoi(f[2].c_str()), Unescaped(f[3])};
  } else if (f.size() == 3 && f[1] == "pick") {
    action = {DialogAction::Pick, 0, f[2]};
  } else if (f.size() == 3 && f[1] == "shot") {
    action = {DialogAction::Shot, 0, f[2]};
  } else if (f.size() == 3 && f[1] == "press" &&
             (f[2] == "ok" || f[2] == "cancel" || f[2] == "escape" || f[2] == "close")) {
    action = {DialogAction::Press, 0, f[2]};
  } else {
    return false;
  }
  return true;
}

class Session {
 public:
  Session(const PluginLibrary& library, BoxWatcher& boxes, const ScriptOutput& options)
      : library_(library), p_(library.Exports(options.decoratedNames)), boxes_(boxes),
        options_(options) {}

  // Returns an error text, empty on success.
  std::string Run(const std::vector<std::string>& f) {
    const std::string& cmd = f[0];
    if (cmd == "names" && f.size() == 2 && (f[1] == "plain" || f[1] == "decorated")) {
      p_ = library_.Exports(f[1] == "decorated");
      Say("names " + f[1] + "\n");
    } else if (cmd == "sets" && f.size() == 1) {
      const int n = p_.GetNumberOfSets();
      Say("sets " + std::to_string(n) + "\n");
      for (int i = 0; i < n; ++i) SetName(i);
    } else if (cmd == "setname" && f.size() == 2) {
      SetName(std::atoi(f[1].c_str()));
    } else if (cmd == "setup" && f.size() == 1) {
      p_.SetupSet0();
      Say("setup\n");
    } else if (cmd == "exchgcount" && f.size() == 1) {
      Say("exchgcount " + std::to_string(p_.GetExchgCount0(j_.Text(1), j_.Text(2), j_.Text(3))) + "\n");
      Say("exchgcount " + std::to_string(p_.GetExchgCount0("", "", "")) + "\n");
    } else if (cmd == "dialog") {
      DialogAction action;
      if (!ParseDialogAction(f, action)) return "unknown dialog action or wrong number of fields";
      plan_.push_back(action);
      boxes_.PlanDialog(plan_);
    } else if (cmd == "write" && f.size() == 3) {
      if (!WriteFile(f[1], Unescaped(f[2]))) return "cannot write " + f[1];
    } else if (cmd == "template" && f.size() == 2) {
      Say(DescribeDialogTemplate(library_.module(), std::atoi(f[1].c_str())));
    } else if (cmd == "print" && f.size() == 2) {
      Print(f[1]);
    } else if (cmd == "reset" && f.size() == 7) {
      COleDateTime start = ParseDate(f[3]), end = ParseDate(f[4]);
      const int r = p_.ResetStats0(j_.Text(1), std::atoi(f[1].c_str()), f[2].c_str(), &start, &end,
                                   j_.Text(6), j_.Text(7), j_.Text(8), j_.Text(9), j_.Text(10),
                                   j_.Text(11), j_.Text(12), j_.Text(13), j_.Text(14), f[5].c_str(),
                                   Junk::Int(16), Junk::Int(17), Junk::Int(18), Junk::Double(19),
                                   Junk::Double(20), j_.Text(21), f[6].c_str(), j_.Text(23));
      Say("reset " + std::to_string(r) + "\n");
      plan_.clear();
      boxes_.PlanDialog({});
    } else if ((cmd == "add" || cmd == "remove") && f.size() == 12) {
      const int r = Contact(cmd == "add" ? p_.AddData0 : p_.RemoveData0, f);
      if (cmd == "remove" || r != 1) Say(cmd + " " + std::to_string(r) + "\n");
    } else if (cmd == "check" && f.size() == 5) {
      Check(f);
    } else if (cmd == "valid" && f.size() == 2) {
      const int r = p_.IsValidExchg0(f[1].c_str(), j_.Text(2), j_.Text(3), j_.Text(4), Junk::Int(5),
                                     Junk::Int(6), Junk::Int(7));
      Say("valid " + std::to_string(r) + "\n");
    } else if (cmd == "result" && f.size() == 1) {
      int result = 0x5a5a5a5a;
      const char* text = p_.GetResult0(&result);
      if (!text) return "GetResult0 returned a null pointer";
      Say("result " + std::to_string(result) + "\n");
      Write(std::string(text) + "\n");
      lastSummary_ = text;
      lastSummaryCopy_ = text;
    } else if (cmd == "save" && f.size() == 2) {
      if (!WriteFile(f[1], lastSummaryCopy_)) return "cannot write " + f[1];
    } else if (cmd == "stable" && f.size() == 1) {
      // The text of the last summary must stay as it was until the next one.
      Say(std::string("stable ") + (lastSummary_ && lastSummaryCopy_ == lastSummary_ ? "yes" : "no") + "\n");
    } else {
      return "unknown command or wrong number of fields";
    }
    ReportBoxes();
    return {};
  }

 private:
  void Say(const std::string& text) {
    if (!options_.summaryOnly) Write(text);
  }

  void SetName(int n) {
    const char* name = p_.GetSetName(n);
    Say("setname " + std::to_string(n) + (name ? " \"" + std::string(name) + "\"" : " null") + "\n");
  }

  int Contact(ContactFn call, const std::vector<std::string>& f) {
    COleDateTime time = ParseDate(f[2]);
    const unsigned freqHz = static_cast<unsigned>(std::strtoul(f[3].c_str(), nullptr, 10));
    return call(j_.Text(1), f[1].c_str(), &time, j_.Date(4), j_.Date(5), j_.Date(6),
                Junk::Unsigned(7), freqHz, f[4].c_str(), f[5].c_str(), f[6].c_str(), f[7].c_str(),
                f[8].c_str(), j_.Text(14), j_.Text(15), j_.Text(16), j_.Text(17), j_.Text(18),
                j_.Text(19), j_.Text(20), j_.Text(21), j_.Text(22), f[9].c_str(), Junk::Int(24),
                Junk::Int(25), Junk::Int(26), Junk::Double(27), Junk::Double(28), j_.Text(29),
                f[10].c_str(), j_.Text(31), f[11].c_str(), j_.Text(33));
  }

  void Check(const std::vector<std::string>& f) {
    // The two writable buffers must come back untouched.
    char buffer27[64], buffer28[64];
    std::memset(buffer27, 0x27, sizeof buffer27);
    std::memset(buffer28, 0x28, sizeof buffer28);
    buffer27[63] = buffer28[63] = '\0';
    const std::string before27(buffer27), before28(buffer28);
    const int r = p_.CheckCall0(f[1].c_str(), Junk::Unsigned(2), Junk::Unsigned(3), f[2].c_str(),
                                j_.Text(5), j_.Text(6), j_.Text(7), j_.Text(8), j_.Text(9),
                                j_.Text(10), j_.Text(11), j_.Text(12), j_.Text(13), f[3].c_str(),
                                Junk::Int(15), Junk::Int(16), Junk::Int(17), Junk::Double(18),
                                Junk::Double(19), j_.Text(20), j_.Text(21), j_.Text(22),
                                j_.Text(23), j_.Text(24), f[4].c_str(), j_.Text(26), buffer27,
                                buffer28);
    Say("check " + std::to_string(r) + "\n");
    if (before27 != std::string(buffer27, 63) || before28 != std::string(buffer28, 63) ||
        buffer27[63] != '\0' || buffer28[63] != '\0') {
      Say("check wrote into its text buffers\n");
    }
  }

  void ReportBoxes() {
    for (const SeenWindow& seen : boxes_.Take()) {
      Say(seen.report);
      // The demo shows the operator what the export produced.
      if (options_.summaryOnly && seen.caption == "Output") Write(seen.text + "\n");
    }
  }

  // A file's bytes as they are, between two marker lines.
  void Print(const std::string& name) {
    std::FILE* in = std::fopen(name.c_str(), "rb");
    if (!in) {
      Say("file " + name + " missing\n");
      return;
    }
    std::string bytes;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, in)) > 0;) bytes.append(buffer, got);
    std::fclose(in);
    Say("file " + name + " " + std::to_string(bytes.size()) + " bytes\n" + bytes + "\nend of " + name + "\n");
  }

  const PluginLibrary& library_;
  PluginExports p_;
  BoxWatcher& boxes_;
  ScriptOutput options_;
  Junk j_;
  std::vector<DialogAction> plan_;  // for the next entrant dialog
  const char* lastSummary_ = nullptr;
  std::string lastSummaryCopy_;
};

}  // namespace

int RunScript(const PluginLibrary& library, BoxWatcher& boxes, const std::string& script,
              const ScriptOutput& options) {
  Session session(library, boxes, options);
  std::istringstream in(script);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::string error = session.Run(SplitFields(line));
    if (!error.empty()) {
      std::fprintf(stderr, "kvaro-host: script line %d: %s\n", number, error.c_str());
      return 2;
    }
  }
  return 0;
}

}  // namespace host
