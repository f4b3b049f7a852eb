// A profile (INI) file held as raw Shift_JIS lines, read and edited the way
// the Windows profile functions do it. Parsers take text, never a path.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
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
  bool Empty() const { return liveLines_ == 0; }

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  // Lines never move: the file order is a chain through next, and a deleted
  // line stays as a gap, so an edit costs the same in a file of any length.
  struct Line {
    std::string text;  // without its end
    std::string end;   // "\r\n", "\n", "\r" or "" (last line)
    std::size_t next = kNone;
    bool live = true;
    bool key = false;  // a key line of an indexed section
  };

  // The first section of each name (later ones are never searched). Its key
  // lines in file order; deleted ones stay in keyLines and are skipped.
  struct Section {
    std::size_t header;
    std::vector<std::size_t> keyLines;
    // Case-folded key name -> positions in keyLines of the lines with that
    // name, the first one first.
    std::unordered_map<std::string, std::deque<std::size_t>> byName;
  };

  std::size_t AddLine(std::string text, std::string end, std::size_t after);
  void IndexKey(std::size_t section, std::size_t line);
  // Indexes a header line: the section it opens, or kNone for a duplicate.
  std::size_t IndexHeader(std::string_view name, std::size_t line);
  const Section* FindSection(std::string_view name) const;
  // Position in keyLines of the first key line called key, or kNone.
  std::size_t FindKey(const Section& section, std::string_view key) const;
  std::size_t LastKeyLine(Section& section);

  std::vector<Line> lines_;
  std::size_t first_ = kNone, last_ = kNone;
  std::size_t unterminated_ = kNone;  // the line read without an end
  std::size_t liveLines_ = 0;
  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> sectionByName_;
};

}  // namespace kaveta
