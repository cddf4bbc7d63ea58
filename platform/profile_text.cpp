#include "platform/profile_text.h"

#include <cctype>
#include <vector>

namespace kvaro {
namespace {

struct Line {
  std::string_view body;  // without its line end
  std::string_view end;   // "\r\n", "\n", "\r" or empty for the last line
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t stop = text.find_first_of("\r\n", pos);
    if (stop == std::string_view::npos) {
      lines.push_back({text.substr(pos), {}});
      break;
    }
    std::size_t endLen = (text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n') ? 2 : 1;
    lines.push_back({text.substr(pos, stop - pos), text.substr(stop, endLen)});
    pos = stop + endLen;
  }
  return lines;
}

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

// Whether the line is a "[section]" line; if so, `name` receives its name.
bool SectionName(std::string_view body, std::string_view& name) {
  const std::string_view t = Trim(body);
  if (t.empty() || t.front() != '[') return false;
  const std::size_t close = t.find(']');
  name = Trim(t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
  return true;
}

bool KeyName(std::string_view body, std::string_view& name) {
  const std::size_t eq = body.find('=');
  if (eq == std::string_view::npos) return false;
  name = Trim(body.substr(0, eq));
  return true;
}

}  // namespace

std::optional<std::string> GetProfileValue(std::string_view content, std::string_view section,
                                           std::string_view key) {
  bool inSection = false;
  for (const Line& line : SplitLines(content)) {
    std::string_view name;
    if (SectionName(line.body, name)) {
      if (inSection) break;
      inSection = SameName(name, section);
      continue;
    }
    if (inSection && KeyName(line.body, name) && SameName(name, key)) {
      return std::string(Trim(line.body.substr(line.body.find('=') + 1)));
    }
  }
  return std::nullopt;
}

std::string SetProfileValue(std::string_view content, std::string_view section,
                            std::string_view key, std::string_view value) {
  const std::vector<Line> lines = SplitLines(content);
  const std::string newLine = std::string(key) + "=" + std::string(value);

  // Find the section, the key inside it, and the last non-blank line of it.
  std::size_t sectionLine = lines.size(), keyLine = lines.size(), lastLine = lines.size();
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view name;
    if (SectionName(lines[i].body, name)) {
      if (inSection) break;
      if (SameName(name, section)) {
        inSection = true;
        sectionLine = lastLine = i;
      }
      continue;
    }
    if (!inSection) continue;
    if (!Trim(lines[i].body).empty()) lastLine = i;
    if (KeyName(lines[i].body, name) && SameName(name, key)) {
      keyLine = i;
      break;
    }
  }

  std::string out;
  out.reserve(content.size() + newLine.size() + section.size() + 8);
  const auto append = [&out](const Line& l, std::string_view body) {
    out += body;
    out += l.end;
  };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == keyLine) {
      append(lines[i], newLine);
      if (lines[i].end.empty()) out += "\r\n";
      continue;
    }
    append(lines[i], lines[i].body);
    if (keyLine == lines.size() && i == lastLine && sectionLine != lines.size()) {
      if (lines[i].end.empty()) out += "\r\n";
      out += newLine + "\r\n";
    }
  }
  if (sectionLine == lines.size()) {
    if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += "\r\n";
    out += "[" + std::string(section) + "]\r\n" + newLine + "\r\n";
  }
  return out;
}

}  // namespace kvaro
