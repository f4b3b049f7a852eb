#include "settings/profile_file.h"

#include <algorithm>
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

// ASCII letters match in either case; a double-byte character only matches
// itself, so a trail byte is never folded: two names are the same name
// exactly when their folded forms are equal.
std::string Folded(std::string_view s) {
  std::string out(s);
  for (std::size_t i = 0; i < out.size();) {
    const std::size_t n = CharLength(s, i);
    if (n == 1) out[i] = AsciiLower(out[i]);
    i += n;
  }
  return out;
}

}  // namespace

ProfileDocument::ProfileDocument(std::string_view bytes) {
  std::size_t pos = 0;
  std::size_t section = kNone;
  while (pos < bytes.size()) {
    std::size_t end = pos;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    std::string_view lineEnd;
    if (end < bytes.size()) {
      const std::size_t endLength =
          bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1;
      lineEnd = bytes.substr(end, endLength);
    }
    const std::size_t line =
        AddLine(std::string(bytes.substr(pos, end - pos)), std::string(lineEnd), last_);
    if (lineEnd.empty()) unterminated_ = line;
    if (const auto header = HeaderName(lines_[line].text))
      section = IndexHeader(*header, line);
    else if (section != kNone)
      IndexKey(section, line);
    pos = end + lineEnd.size();
  }
}

std::size_t ProfileDocument::AddLine(std::string text, std::string end, std::size_t after) {
  const std::size_t index = lines_.size();
  Line line{std::move(text), std::move(end)};
  if (after == kNone) {
    line.next = first_;
    first_ = index;
  } else {
    line.next = lines_[after].next;
    lines_[after].next = index;
  }
  if (line.next == kNone) last_ = index;
  lines_.push_back(std::move(line));
  ++liveLines_;
  return index;
}

std::size_t ProfileDocument::IndexHeader(std::string_view name, std::size_t line) {
  const auto [it, added] = sectionByName_.try_emplace(Folded(name), sections_.size());
  if (!added) return kNone;
  sections_.push_back(Section{line, {}, {}});
  return it->second;
}

void ProfileDocument::IndexKey(std::size_t section, std::size_t line) {
  const auto entry = ParseKeyLine(lines_[line].text);
  if (!entry) return;
  Section& s = sections_[section];
  lines_[line].key = true;
  s.byName[Folded(entry->name)].push_back(s.keyLines.size());
  s.keyLines.push_back(line);
}

const ProfileDocument::Section* ProfileDocument::FindSection(std::string_view name) const {
  const auto it = sectionByName_.find(Folded(name));
  return it == sectionByName_.end() ? nullptr : &sections_[it->second];
}

std::size_t ProfileDocument::FindKey(const Section& section, std::string_view key) const {
  const auto it = section.byName.find(Folded(key));
  return it == section.byName.end() ? kNone : it->second.front();
}

// The section's last key line, or its header when it has none. Lines that
// stopped being keys are dropped from the end, so each is passed only once.
std::size_t ProfileDocument::LastKeyLine(Section& section) {
  while (!section.keyLines.empty()) {
    const Line& line = lines_[section.keyLines.back()];
    if (line.live && line.key) return section.keyLines.back();
    section.keyLines.pop_back();
  }
  return section.header;
}

std::string ProfileDocument::Get(std::string_view section, std::string_view key,
                                 std::size_t bufferSize) const {
  section = TrimSpaces(section);
  key = TrimSpaces(key);
  if (bufferSize == 0 || key.empty()) return std::string();
  const Section* s = FindSection(section);
  if (!s) return std::string();
  const std::size_t at = FindKey(*s, key);
  if (at == kNone) return std::string();
  const std::string_view value = CleanValue(ParseKeyLine(lines_[s->keyLines[at]].text)->value);
  return std::string(CutAtCharacter(value, bufferSize - 1));
}

bool ProfileDocument::Has(std::string_view section, std::string_view key) const {
  section = TrimSpaces(section);
  key = TrimSpaces(key);
  const Section* s = FindSection(section);
  return s && !key.empty() && FindKey(*s, key) != kNone;
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

  const std::string newLine = std::string(key) + "=" + std::string(value);
  if (const auto found = sectionByName_.find(Folded(section)); found != sectionByName_.end()) {
    const std::size_t index = found->second;
    Section& s = sections_[index];
    const auto named = s.byName.find(Folded(key));
    if (named != s.byName.end()) {
      const std::size_t at = named->second.front();
      Line& line = lines_[s.keyLines[at]];
      line.text = std::string(ParseKeyLine(line.text)->name) + "=" + std::string(value);
      line.end = "\r\n";
      // A name ending in a lone lead byte takes the '=' as its trail byte:
      // the line then reads as another key, or as none.
      const auto again = ParseKeyLine(line.text);
      if (!again || Folded(again->name) != named->first) {
        named->second.pop_front();
        if (named->second.empty()) s.byName.erase(named);
        if (!again) {
          line.key = false;
        } else {
          auto& places = s.byName[Folded(again->name)];
          places.insert(std::lower_bound(places.begin(), places.end(), at), at);
        }
      }
      return true;
    }
    const std::size_t after = LastKeyLine(s);
    if (lines_[after].end.empty()) lines_[after].end = "\r\n";
    IndexKey(index, AddLine(newLine, "\r\n", after));
    return true;
  }
  if (unterminated_ != kNone && lines_[unterminated_].live && lines_[unterminated_].end.empty())
    lines_[unterminated_].end = "\r\n";
  const std::size_t header = AddLine("[" + std::string(section) + "]", "\r\n", last_);
  // The header reads back as the section itself except after a lone lead byte.
  const std::size_t index = IndexHeader(*HeaderName(lines_[header].text), header);
  const std::size_t line = AddLine(newLine, "\r\n", last_);
  if (index != kNone) IndexKey(index, line);
  return true;
}

bool ProfileDocument::Delete(std::string_view section, std::string_view key) {
  section = TrimSpaces(section);
  key = TrimSpaces(key);
  if (key.empty()) return false;
  const auto found = sectionByName_.find(Folded(section));
  if (found == sectionByName_.end()) return false;
  Section& s = sections_[found->second];
  const auto named = s.byName.find(Folded(key));
  if (named == s.byName.end()) return false;
  Line& line = lines_[s.keyLines[named->second.front()]];
  line.live = false;
  line.key = false;
  --liveLines_;
  named->second.pop_front();
  if (named->second.empty()) s.byName.erase(named);
  return true;
}

std::string ProfileDocument::Bytes() const {
  std::size_t size = 0;
  for (std::size_t i = first_; i != kNone; i = lines_[i].next)
    if (lines_[i].live) size += lines_[i].text.size() + lines_[i].end.size();
  std::string out;
  out.reserve(size);
  for (std::size_t i = first_; i != kNone; i = lines_[i].next) {
    if (!lines_[i].live) continue;
    out += lines_[i].text;
    out += lines_[i].end;
  }
  return out;
}

}  // namespace kaveta
