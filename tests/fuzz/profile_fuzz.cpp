// The profile engine behind every stored file: parse any bytes, write a few
// entries, write the file out and read it back. What was written reads back
// as the profile functions would return it, and every other entry stays.
#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "settings/profile_file.h"
#include "text/lines.h"

namespace {

using kaveta::ProfileDocument;

constexpr std::size_t kWholeValue = 1 << 20;

void Require(bool ok) {
  if (!ok) std::abort();
}

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && Blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && Blank(s.back())) s.remove_suffix(1);
  return s;
}

// How a value written as given reads back: blanks trimmed, then one pair of
// matching quotes removed.
std::string ReadBackForm(std::string_view value) {
  value = Trim(value);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

bool LeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool TrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// A section or key name that can be found again: no upper-case ASCII letter
// (so names match exactly when their bytes do, whatever the engine does with
// case), whole Shift_JIS pairs kept (their trail bytes may be letters of
// either case), none of the characters that end or start a name.
std::string Name(std::string_view raw) {
  std::string out;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(raw[i]);
    if (LeadByte(b) && i + 1 < raw.size() && TrailByte(static_cast<unsigned char>(raw[i + 1]))) {
      out += raw.substr(i, 2);
      ++i;
    } else if ((b > 0x20 && b < 0x7F && !std::isupper(b) && b != '=' && b != '[' && b != ']' &&
                b != ';') ||
               (b >= 0xA1 && b <= 0xDF)) {  // half-width kana are single bytes
      out += static_cast<char>(b);
    }
  }
  return out;
}

std::string Folded(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

struct Entry {
  std::string section, key;
};

// Section and key names the file itself holds, as places to look at.
std::vector<Entry> EntriesOf(std::string_view bytes) {
  std::vector<Entry> found;
  std::string section;
  bool inSection = false;
  for (std::string_view line : kaveta::SplitLines(bytes)) {
    line = Trim(line);
    if (!line.empty() && line.front() == '[') {
      const std::size_t close = line.find(']');
      section = Trim(line.substr(1, close == std::string_view::npos ? close : close - 1));
      inSection = true;
    } else if (inSection && found.size() < 32 && line.find('=') != std::string_view::npos) {
      found.push_back({section, std::string(Trim(line.substr(0, line.find('='))))});
    }
  }
  return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  std::vector<std::pair<Entry, std::string>> writes;
  const int count = in.ConsumeIntegralInRange(0, 4);
  for (int i = 0; i < count; ++i) {
    Entry e{Name(in.ConsumeRandomLengthString(12)), Name(in.ConsumeRandomLengthString(12))};
    writes.push_back({e, in.ConsumeRandomLengthString(40)});
  }
  const std::string bytes = in.ConsumeRemainingBytesAsString();

  const ProfileDocument before(bytes);
  Require(before.Bytes() == bytes);  // an untouched file stays byte for byte
  ProfileDocument doc = before;
  std::vector<std::pair<Entry, std::string>> kept;
  for (const auto& [e, value] : writes) {
    const bool lineBreak = value.find_first_of("\r\n") != std::string::npos;
    if (e.section.empty() || e.key.empty()) continue;
    Require(doc.Set(e.section, e.key, value) == !lineBreak);
    if (!lineBreak) kept.push_back({e, value});
  }

  const std::string written = doc.Bytes();
  const ProfileDocument after(written);
  Require(after.Bytes() == written);

  // The last write of each name wins.
  for (std::size_t i = 0; i < kept.size(); ++i) {
    bool overwritten = false;
    for (std::size_t j = i + 1; j < kept.size(); ++j)
      overwritten |=
          kept[j].first.section == kept[i].first.section && kept[j].first.key == kept[i].first.key;
    if (overwritten) continue;
    const Entry& e = kept[i].first;
    Require(after.Get(e.section, e.key, kWholeValue) == ReadBackForm(kept[i].second));
    // A value cut to the usual buffer never ends in half a character.
    const std::string whole = after.Get(e.section, e.key, kWholeValue);
    const std::string cut = after.Get(e.section, e.key);
    Require(cut.size() <= 254 && whole.compare(0, cut.size(), cut) == 0);
    std::size_t at = 0;
    while (at < cut.size())
      at += LeadByte(static_cast<unsigned char>(whole[at])) && at + 1 < whole.size() ? 2 : 1;
    Require(at == cut.size());
  }

  for (const Entry& e : EntriesOf(bytes)) {
    bool touched = false;
    for (const auto& w : kept)
      touched |=
          Folded(w.first.section) == Folded(e.section) && Folded(w.first.key) == Folded(e.key);
    if (touched) continue;
    Require(after.Get(e.section, e.key, kWholeValue) == before.Get(e.section, e.key, kWholeValue));
    Require(after.Has(e.section, e.key) == before.Has(e.section, e.key));
  }
  return 0;
}
