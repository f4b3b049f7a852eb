#include "settings/profile_file.h"

#include <optional>

#include "text/ascii.h"

namespace kaveta {
namespace {

// Shift_JIS lead bytes. '[', ']', '\\' and ASCII letters also occur as trail
// bytes ("ー" is 81 5B, "ヂ" is 83 61), so every scan steps a whole character.
bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

std::size_t CharLength(std::string_view s, std::size_t i) {
  return IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
}

// Blanks the profile functions trim in the file; the ideographic space
// (81 40) is not one of them. None of these bytes can be a trail byte.
bool IsFileBlank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

std::string_view TrimFileBlanks(std::string_view s) {
  while (!s.empty() && IsFileBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsFileBlank(s.back())) s.remove_suffix(1);
  return s;
}

// The caller's names lose spaces only.
std::string_view TrimSpaces(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// ASCII letters match in either case; a double-byte character only matches
// itself, so a trail byte is never folded.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  std::size_t i = 0;
  while (i < a.size()) {
    const std::size_t n = CharLength(a, i);
    if (n == 2) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
    } else if (AsciiLower(a[i]) != AsciiLower(b[i])) {
      return false;
    }
    i += n;
  }
  return true;
}

// Position of the first occurrence of c as a whole character, or npos.
std::size_t FindChar(std::string_view s, char c, std::size_t from = 0) {
  for (std::size_t i = from; i < s.size(); i += CharLength(s, i))
    if (s[i] == c) return i;
  return std::string_view::npos;
}

std::string_view WithoutLeadingBlanks(std::string_view s) {
  while (!s.empty() && IsFileBlank(s.front())) s.remove_prefix(1);
  return s;
}

bool IsComment(std::string_view line) {
  const std::string_view rest = WithoutLeadingBlanks(line);
  return !rest.empty() && rest.front() == ';';
}

// The trimmed name of a section header line, or nothing for other lines.
std::optional<std::string_view> HeaderName(std::string_view line) {
  const std::string_view rest = WithoutLeadingBlanks(line);
  if (rest.empty() || rest.front() != '[') return std::nullopt;
  std::string_view name = rest.substr(1);
  const std::size_t close = FindChar(name, ']');
  if (close != std::string_view::npos) name = name.substr(0, close);
  return TrimFileBlanks(name);
}

struct KeyLine {
  std::string_view name;   // trimmed
  std::string_view value;  // everything after the first '='
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  if (IsComment(line) || HeaderName(line)) return std::nullopt;
  const std::size_t eq = FindChar(line, '=');
  if (eq == std::string_view::npos) return std::nullopt;
  return KeyLine{TrimFileBlanks(line.substr(0, eq)), line.substr(eq + 1)};
}

std::string_view CleanValue(std::string_view raw) {
  std::string_view v = TrimFileBlanks(raw);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return v;
}

// At most limit bytes, never half a double-byte character.
std::string_view CutAtCharacter(std::string_view s, std::size_t limit) {
  std::size_t end = 0;
  while (end < s.size()) {
    const std::size_t n = CharLength(s, end);
    if (end + n > limit) break;
    end += n;
  }
  return s.substr(0, end);
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

ProfileDocument::ProfileDocument(std::string_view bytes) {
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t end = pos;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    Line line{std::string(bytes.substr(pos, end - pos)), std::string()};
    if (end < bytes.size()) {
      const std::size_t endLength =
          bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1;
      line.end = std::string(bytes.substr(end, endLength));
      end += endLength;
    }
    lines_.push_back(std::move(line));
    pos = end;
  }
}

namespace {

// Line range [header + 1, end) of the first section called name.
struct SectionRange {
  std::size_t header;
  std::size_t end;
};

template <typename Lines>
std::optional<SectionRange> FindSection(const Lines& lines, std::string_view name) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto header = HeaderName(lines[i].text);
    if (!header || !SameName(*header, name)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !HeaderName(lines[end].text)) ++end;
    return SectionRange{i, end};
  }
  return std::nullopt;
}

template <typename Lines>
std::optional<std::size_t> FindKey(const Lines& lines, const SectionRange& range,
                                   std::string_view key) {
  for (std::size_t i = range.header + 1; i < range.end; ++i) {
    const auto entry = ParseKeyLine(lines[i].text);
    if (entry && SameName(entry->name, key)) return i;
  }
  return std::nullopt;
}

}  // namespace

std::string ProfileDocument::Get(std::string_view section, std::string_view key,
                                 std::size_t bufferSize) const {
  section = TrimSpaces(section);
  key = TrimSpaces(key);
  if (bufferSize == 0 || key.empty()) return std::string();
  const auto range = FindSection(lines_, section);
  if (!range) return std::string();
  const auto at = FindKey(lines_, *range, key);
  if (!at) return std::string();
  const std::string_view value = CleanValue(ParseKeyLine(lines_[*at].text)->value);
  return std::string(CutAtCharacter(value, bufferSize - 1));
}

bool ProfileDocument::Has(std::string_view section, std::string_view key) const {
  section = TrimSpaces(section);
  key = TrimSpaces(key);
  const auto range = FindSection(lines_, section);
  return range && !key.empty() && FindKey(lines_, *range, key).has_value();
}

bool ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  section = TrimSpaces(section);
  key = TrimSpaces(key);
  // Anything that would split a line or could not be found again is refused
  // rather than written as a broken entry.
  if (HasLineBreak(value) || HasLineBreak(section) || HasLineBreak(key)) return false;
  if (key.empty() || FindChar(key, '=') != std::string_view::npos) return false;
  if (FindChar(section, ']') != std::string_view::npos) return false;
  if (TrimFileBlanks(key) != key || TrimFileBlanks(section) != section) return false;
  if (key.front() == ';' || key.front() == '[') return false;

  const auto range = FindSection(lines_, section);
  if (range) {
    if (const auto at = FindKey(lines_, *range, key)) {
      Line& line = lines_[*at];
      line.text = std::string(ParseKeyLine(line.text)->name) + "=" + std::string(value);
      line.end = "\r\n";
      return true;
    }
    std::size_t after = range->header;
    for (std::size_t i = range->header + 1; i < range->end; ++i)
      if (ParseKeyLine(lines_[i].text)) after = i;
    if (lines_[after].end.empty()) lines_[after].end = "\r\n";
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after) + 1,
                  Line{std::string(key) + "=" + std::string(value), "\r\n"});
    return true;
  }
  if (!lines_.empty() && lines_.back().end.empty()) lines_.back().end = "\r\n";
  lines_.push_back(Line{"[" + std::string(section) + "]", "\r\n"});
  lines_.push_back(Line{std::string(key) + "=" + std::string(value), "\r\n"});
  return true;
}

bool ProfileDocument::Delete(std::string_view section, std::string_view key) {
  section = TrimSpaces(section);
  key = TrimSpaces(key);
  if (key.empty()) return false;
  const auto range = FindSection(lines_, section);
  if (!range) return false;
  const auto at = FindKey(lines_, *range, key);
  if (!at) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*at));
  return true;
}

std::string ProfileDocument::Bytes() const {
  std::string out;
  for (const Line& line : lines_) {
    out += line.text;
    out += line.end;
  }
  return out;
}

}  // namespace kaveta
