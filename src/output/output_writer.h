// The exchange output: host command lines built as UTF-8 text and written
// as Shift_JIS, either kept whole in memory or sent in pieces to a file that
// is put in place in one step, so a failed write leaves no half file behind.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/seams.h"
#include "startup/run_mode.h"

namespace kaveta {

// Upper-case hexadecimal digit of row - 1 ("0" for row 1, "F" for row 16).
std::string LayerDigit(int row);

class OutputText {
 public:
  // Keeps the whole text; text() gives it.
  OutputText() = default;
  // Sends the text to the file in Shift_JIS pieces of about kPiece bytes: a
  // large selection's figures are not copied once more as a whole.
  explicit OutputText(FileWriter& file) : file_(&file) {}
  static constexpr std::size_t kPiece = 256 * 1024;

  // One item and its CR LF. A stored block already ends in CR LF, so it is
  // followed by one empty line, and an empty block gives one empty line.
  void Item(std::string_view item);

  void Colour(std::int32_t colour);         // lc10 <colour>
  void Layer(int row);                      // ly<digit>
  void LayerName(std::string_view name);    // lyn<name>
  void LayerGroup(std::string_view group);  // lg<group>

  // The text composed so far (all of it when kept in memory).
  const std::string& text() const { return text_; }
  // Writes what is still held; false when any piece could not be written.
  bool Finish();

 private:
  void Send(std::string_view utf8);
  FileWriter* file_ = nullptr;
  bool failed_ = false;
  std::string text_;
};

// ZTEMP.TXT in the host's coordinate-file folder or JWC_TEMP.TXT in the
// program folder, by run mode.
std::string ExchangeOutputPath(const Environment& env, RunMode mode);

}  // namespace kaveta
