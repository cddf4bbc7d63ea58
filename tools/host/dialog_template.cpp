#include "tools/host/dialog_template.h"

#include <cstdio>
#include <cstring>

namespace host {
namespace {

// Reads a template's WORD-aligned fields in order.
class Reader {
 public:
  Reader(const BYTE* data, DWORD size) : p_(data), begin_(data), end_(data + size) {}
  bool ok() const { return ok_; }
  WORD Word() {
    WORD w = 0;
    Take(&w, sizeof w);
    return w;
  }
  DWORD Dword() {
    DWORD d = 0;
    Take(&d, sizeof d);
    return d;
  }
  short Short() { return static_cast<short>(Word()); }
  // A string or an ordinal (0xFFFF followed by a number).
  std::string NameOrOrdinal() {
    const WORD first = Word();
    if (first == 0xFFFF) return "#" + std::to_string(Word());
    std::string out;
    for (WORD c = first; ok_ && c != 0; c = Word()) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
  }
  void AlignDword() {
    while (ok_ && (p_ - begin_) % 4 != 0) ++p_;
  }
  void Skip(std::size_t n) {
    if (static_cast<std::size_t>(end_ - p_) < n) ok_ = false;
    else p_ += n;
  }

 private:
  void Take(void* out, std::size_t n) {
    if (static_cast<std::size_t>(end_ - p_) < n) {
      ok_ = false;
      return;
    }
    std::memcpy(out, p_, n);
    p_ += n;
  }
  const BYTE* p_;
  const BYTE* begin_;
  const BYTE* end_;
  bool ok_ = true;
};

std::string ClassName(const std::string& ordinal) {
  if (ordinal == "#128") return "BUTTON";
  if (ordinal == "#129") return "EDIT";
  if (ordinal == "#130") return "STATIC";
  if (ordinal == "#133") return "COMBOBOX";
  return ordinal;
}

std::string Hex(DWORD value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
  return text;
}

}  // namespace

std::string DescribeDialogTemplate(HMODULE module, int id) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), reinterpret_cast<LPCSTR>(RT_DIALOG));
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const auto* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
  if (!data) return "template " + std::to_string(id) + " missing\n";
  Reader r(data, SizeofResource(module, found));

  const DWORD style = r.Dword();
  if (HIWORD(style) == 0xFFFF) return "template " + std::to_string(id) + " is an extended template\n";
  const DWORD exStyle = r.Dword();
  const WORD count = r.Word();
  const short x = r.Short(), y = r.Short(), cx = r.Short(), cy = r.Short();
  const std::string menu = r.NameOrOrdinal(), windowClass = r.NameOrOrdinal(), caption = r.NameOrOrdinal();
  std::string out = "template " + std::to_string(id) + " at " + std::to_string(x) + "," + std::to_string(y) +
                    " size " + std::to_string(cx) + "x" + std::to_string(cy) + " style " + Hex(style) +
                    " exstyle " + Hex(exStyle) + " caption \"" + caption + "\"";
  if (style & DS_SETFONT) {
    const WORD points = r.Word();
    out += " font \"" + r.NameOrOrdinal() + "\" " + std::to_string(points) + "pt";
  }
  out += " controls " + std::to_string(count) + (menu.empty() && windowClass.empty() ? "" : " menu or class") + "\n";
  for (WORD i = 0; i < count && r.ok(); ++i) {
    r.AlignDword();
    const DWORD itemStyle = r.Dword();
    const DWORD itemExStyle = r.Dword();
    const short ix = r.Short(), iy = r.Short(), icx = r.Short(), icy = r.Short();
    const short itemId = r.Short();
    const std::string itemClass = ClassName(r.NameOrOrdinal());
    const std::string text = r.NameOrOrdinal();
    r.Skip(r.Word());  // creation data
    out += "  " + itemClass + " " + std::to_string(itemId) + " \"" + text + "\" at " + std::to_string(ix) + "," +
           std::to_string(iy) + " size " + std::to_string(icx) + "x" + std::to_string(icy) + " style " +
           Hex(itemStyle) + (itemExStyle ? " exstyle " + Hex(itemExStyle) : std::string()) + "\n";
  }
  if (!r.ok()) out += "template " + std::to_string(id) + " ends early\n";
  return out;
}

}  // namespace host
