#include "tools/score/adif_reader.h"

#include <charconv>

#include "tools/score/ascii.h"

namespace kvaro::score {
namespace {

// Where `tag` (upper case) first stands in `text`, in any letter case.
std::size_t FindIgnoringCase(std::string_view text, std::string_view tag) {
  for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1)) {
    if (text.size() - at < tag.size()) break;
    std::size_t i = 1;
    while (i < tag.size() && UpperAscii(text[at + i]) == tag[i]) ++i;
    if (i == tag.size()) return at;
  }
  return std::string_view::npos;
}

bool IsNameChar(char c) {
  // Field names are letters, digits and underscores; "," ":" "<" ">" "{" "}"
  // may not appear in them.
  const auto u = static_cast<unsigned char>(c);
  return u > ' ' && u < 127 && c != ',' && c != ':' && c != '<' && c != '>' && c != '{' && c != '}';
}

class Parser {
 public:
  Parser(std::string_view text, std::string& error) : text_(text), error_(error) {}

  std::optional<AdifLog> Run() {
    AdifLog log;
    // A file that does not begin with "<" has a header, up to <EOH>. Many
    // programs also begin the header with a tag: then an <EOH> before the
    // first <EOR> ends it. A file without <EOH> holds records only.
    const std::size_t eoh = FindIgnoringCase(text_, "<EOH>");
    bool inHeader = eoh != std::string_view::npos && (text_[0] != '<' || eoh < FindIgnoringCase(text_, "<EOR>"));
    AdifRecord record;
    bool recordOpen = false;
    for (;;) {
      const std::size_t lt = text_.find('<', pos_);
      if (lt == std::string_view::npos) break;
      pos_ = lt;
      Tag tag;
      if (!ReadTag(tag, inHeader ? 0 : log.records.size() + 1)) return std::nullopt;
      if (tag.name == "EOH") {
        if (!inHeader) return Fail("<EOH> after the first record", lt, log.records.size() + 1);
        inHeader = false;
        continue;
      }
      if (tag.name == "EOR") {
        if (inHeader) return Fail("<EOR> inside the header", lt, 0);
        if (!recordOpen) continue;  // an empty record holds nothing
        record.number = log.records.size() + 1;
        log.records.push_back(std::move(record));
        record = AdifRecord{};
        recordOpen = false;
        continue;
      }
      if (!tag.hasLength) return Fail("tag <" + tag.name + "> has no length", lt, inHeader ? 0 : log.records.size() + 1);
      if (inHeader) {
        log.header[tag.name] = tag.data;
        continue;
      }
      if (!recordOpen) {
        recordOpen = true;
        record.offset = lt;
      }
      record.fields[tag.name] = tag.data;
    }
    if (recordOpen) return Fail("the last record has no <EOR>", record.offset, log.records.size() + 1);
    return log;
  }

 private:
  struct Tag {
    std::string name;
    bool hasLength = false;
    std::string data;
  };

  std::nullopt_t Fail(const std::string& what, std::size_t offset, std::size_t record) {
    error_ = (record ? "record " + std::to_string(record) + ", " : std::string()) + "byte " + std::to_string(offset) +
             ": " + what;
    return std::nullopt;
  }

  bool Error(const std::string& what, std::size_t offset, std::size_t record) {
    Fail(what, offset, record);
    return false;
  }

  // Reads the tag at pos_ ("<" ... ">") and the data behind it.
  bool ReadTag(Tag& tag, std::size_t record) {
    const std::size_t start = pos_;
    const std::size_t gt = text_.find('>', start);
    if (gt == std::string_view::npos) return Error("truncated tag", start, record);
    const std::string_view inside = text_.substr(start + 1, gt - start - 1);
    const std::size_t colon = inside.find(':');
    const std::string_view name = inside.substr(0, colon);
    if (name.empty()) return Error("malformed tag <" + std::string(inside) + ">", start, record);
    for (char c : name) {
      if (!IsNameChar(c)) return Error("malformed tag <" + std::string(inside) + ">", start, record);
    }
    tag.name = Upper(name);
    pos_ = gt + 1;
    if (colon == std::string_view::npos) return true;

    std::string_view specifier = inside.substr(colon + 1);
    const std::size_t typeColon = specifier.find(':');
    const std::string_view lengthText = specifier.substr(0, typeColon);
    if (typeColon != std::string_view::npos) {
      const std::string_view type = specifier.substr(typeColon + 1);
      if (type.empty() || type.find(':') != std::string_view::npos) {
        return Error("malformed tag <" + std::string(inside) + ">", start, record);
      }
    }
    std::size_t length = 0;
    const auto [end, ec] = std::from_chars(lengthText.data(), lengthText.data() + lengthText.size(), length);
    if (lengthText.empty() || ec != std::errc() || end != lengthText.data() + lengthText.size()) {
      return Error("malformed tag <" + std::string(inside) + ">", start, record);
    }
    if (length > text_.size() - pos_) {
      return Error("field " + tag.name + " runs past the end of the file", start, record);
    }
    tag.hasLength = true;
    tag.data = std::string(text_.substr(pos_, length));
    pos_ += length;
    return true;
  }

  std::string_view text_;
  std::string& error_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<std::string> AdifRecord::Get(std::string_view name) const {
  const auto it = fields.find(std::string(name));
  if (it == fields.end()) return std::nullopt;
  return it->second;
}

std::optional<AdifLog> ReadAdif(std::string_view text, std::string& error) { return Parser(text, error).Run(); }

}  // namespace kvaro::score
