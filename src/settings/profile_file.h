// A profile (INI) file held as raw Shift_JIS lines, read and edited the way
// the Windows profile functions do it. Parsers take text, never a path.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kaveta {

class ProfileDocument {
 public:
  ProfileDocument() = default;
  explicit ProfileDocument(std::string_view bytes);

  // The value of section/key (Shift_JIS bytes), cut to bufferSize - 1 bytes
  // at a character boundary; empty when absent.
  std::string Get(std::string_view section, std::string_view key,
                  std::size_t bufferSize = 255) const;
  bool Has(std::string_view section, std::string_view key) const;
  // Replaces the key in place or adds it (after the section's last key, or in
  // a new section at the end). False when the value holds CR or LF.
  bool Set(std::string_view section, std::string_view key, std::string_view value);

  // Removes the key's line, as writing a null value does; the section stays
  // even when it is left empty. False when the key is not there.
  bool Delete(std::string_view section, std::string_view key);

  // The whole file: untouched lines byte for byte, CR LF after edited lines.
  std::string Bytes() const;
  bool Empty() const { return lines_.empty(); }

 private:
  struct Line {
    std::string text;  // without its end
    std::string end;   // "\r\n", "\n", "\r" or "" (last line)
  };
  std::vector<Line> lines_;
};

}  // namespace kaveta
