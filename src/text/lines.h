// Line and width helpers shared by every reader and writer of host files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kaveta {

// Splits text into lines. CR LF, a lone LF and a lone CR each end a line;
// a line end at the very end adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

// Walks the lines of a text one by one without building a list.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}
  // Stores the next line (without its end) and returns true, or false at the end.
  bool Next(std::string_view& line) {
    bool ascii;
    return Next(line, ascii);
  }
  // The same, and whether the line is plain ASCII, found in the same pass.
  bool Next(std::string_view& line, bool& ascii);
  // Where the next line starts.
  std::size_t Position() const { return pos_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Length of a text in Shift_JIS bytes (full-width characters count 2).
std::size_t SjisByteLength(std::string_view utf8);

// Number of characters (code points) of a UTF-8 text.
std::size_t CharCount(std::string_view utf8);

// The first n characters of a UTF-8 text.
std::string FirstChars(std::string_view utf8, std::size_t n);


}  // namespace kaveta
