// The exchange output: host command lines built as UTF-8 text in memory and
// put on disk in one step, so a failed write leaves no half file behind.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/kaveta.h"

namespace kaveta {

// Upper-case hexadecimal digit of row - 1 ("0" for row 1, "F" for row 16).
std::string LayerDigit(int row);

// Number texts of output lines: table geometry is single precision, solid
// label points and the swatch middle are double precision.
std::string Num(float value);
std::string Num(double value);

class OutputText {
 public:
  // One item and its CR LF. A stored block already ends in CR LF, so it is
  // followed by one empty line, and an empty block gives one empty line.
  void Item(std::string_view item);

  void Colour(std::int32_t colour);         // lc10 <colour>
  void Layer(int row);                      // ly<digit>
  void LayerName(std::string_view name);    // lyn<name>
  void LayerGroup(std::string_view group);  // lg<group>
  void Displacement(float dx, float dy);    // between r1 and r0
  void Segment(float x1, float y1, float x2, float y2);
  void TextAt(float x, float y, std::string_view text);     // table text
  void LabelAt(double x, double y, std::string_view text);  // label at a solid
  void Title(std::string_view title);                       // ch 1 1 2 0"<title>
  // "sl" and four corners, each number already in its text form.
  void Solid(const std::array<std::string, 8>& numbers);

  const std::string& text() const { return text_; }

 private:
  void Chars(std::string_view x, std::string_view y, std::string_view text);
  std::string text_;
};

// ZTEMP.TXT in the host's coordinate-file folder or JWC_TEMP.TXT in the
// program folder, by run mode.
std::string ExchangeOutputPath(const Kaveta& k);

// Converts the text to Shift_JIS and replaces the file; false when it could
// not be written (the old file is then untouched).
bool WriteExchangeOutput(Kaveta& k, const std::string& path, const std::string& utf8);

}  // namespace kaveta
