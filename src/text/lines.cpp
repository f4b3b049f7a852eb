#include "text/lines.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "platform/encoding.h"
#include "text/ascii.h"

namespace kaveta {

namespace {

// The first CR or LF at or after `at`, eight bytes at a time; every byte
// before it is ORed into `seen`. In each word the lowest byte the zero test
// flags is a true zero, so the first line end is never missed or misplaced.
std::size_t LineEnd(std::string_view text, std::size_t at, std::uint64_t& seen) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL, kHighs = 0x8080808080808080ULL;
  for (; at + 8 <= text.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + at, 8);
    const std::uint64_t cr = word ^ (kOnes * '\r'), lf = word ^ (kOnes * '\n');
    const std::uint64_t hit = (((cr - kOnes) & ~cr) | ((lf - kOnes) & ~lf)) & kHighs;
    if (hit != 0) {
      const int bytes = std::countr_zero(hit) / 8;
      if (bytes > 0) seen |= word & (~std::uint64_t{0} >> (64 - 8 * bytes));
      return at + static_cast<std::size_t>(bytes);
    }
    seen |= word;
  }
  for (; at < text.size(); ++at) {
    if (text[at] == '\r' || text[at] == '\n') break;
    seen |= static_cast<unsigned char>(text[at]);
  }
  return at;
}

}  // namespace

bool LineCursor::Next(std::string_view& line, bool& ascii) {
  if (pos_ >= text_.size()) return false;
  const std::size_t start = pos_;
  std::uint64_t seen = 0;
  const std::size_t end = LineEnd(text_, start, seen);
  ascii = (seen & 0x8080808080808080ULL) == 0;
  line = text_.substr(start, end - start);
  pos_ = end;
  if (pos_ < text_.size()) {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
  }
  return true;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  LineCursor cursor(text);
  std::string_view line;
  while (cursor.Next(line)) lines.push_back(line);
  return lines;
}

std::size_t SjisByteLength(std::string_view utf8) {
  if (IsAscii(utf8)) return utf8.size();
  return Utf8ToCp932(utf8).size();
}

std::size_t CharCount(std::string_view utf8) {
  std::size_t n = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::string FirstChars(std::string_view utf8, std::size_t n) {
  std::size_t i = 0;
  std::size_t seen = 0;
  for (; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
      if (seen == n) break;
      ++seen;
    }
  }
  return std::string(utf8.substr(0, i));
}

}  // namespace kaveta
