#include "text/lines.h"

#include "platform/encoding.h"
#include "text/ascii.h"

namespace kaveta {

bool LineCursor::Next(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  const std::size_t start = pos_;
  std::size_t end = start;
  while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n') ++end;
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

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

}  // namespace kaveta
