#include "text/letter_case.h"

namespace kaveta {
namespace {

// Lower/upper pairs as code point ranges of equal length.
struct CaseRange {
  char32_t lower, upper, count;
};
constexpr CaseRange kRanges[] = {
    {U'a', U'A', 26},           {U'\uFF41', U'\uFF21', 26},  // full-width Latin
    {U'\u03B1', U'\u0391', 17},  // Greek alpha..rho (final sigma U+03C2 has no capital)
    {U'\u03C3', U'\u03A3', 7},   // Greek sigma..omega
    {U'\u0430', U'\u0410', 32},  // Cyrillic
    {U'\u0451', U'\u0401', 1},   // Cyrillic io
};

char32_t MapCase(char32_t c, bool upper) {
  for (const CaseRange& r : kRanges) {
    const char32_t from = upper ? r.lower : r.upper;
    const char32_t to = upper ? r.upper : r.lower;
    if (c >= from && c < from + r.count) return to + (c - from);
  }
  return c;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Only one- to three-byte sequences can be letters of the ranges above;
// anything else is copied byte for byte.
std::string MapLetters(std::string_view s, bool upper) {
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    std::size_t len = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : 0;
    bool valid = len > 0 && i + len <= s.size();
    for (std::size_t j = 1; valid && j < len; ++j)
      valid = (static_cast<unsigned char>(s[i + j]) & 0xC0) == 0x80;
    if (!valid) {
      out += s[i++];
      continue;
    }
    char32_t c = len == 1 ? b : len == 2 ? (b & 0x1F) : (b & 0x0F);
    for (std::size_t j = 1; j < len; ++j)
      c = (c << 6) | (static_cast<unsigned char>(s[i + j]) & 0x3F);
    const char32_t mapped = MapCase(c, upper);
    if (mapped == c)
      out.append(s.substr(i, len));
    else
      AppendUtf8(out, mapped);
    i += len;
  }
  return out;
}

}  // namespace

std::string ToUpperLetters(std::string_view utf8) { return MapLetters(utf8, true); }
std::string ToLowerLetters(std::string_view utf8) { return MapLetters(utf8, false); }

}  // namespace kaveta
