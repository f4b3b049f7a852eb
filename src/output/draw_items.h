// The table as a list of drawing items in output order. The composition
// builds the list once; the writer turns it into host lines and the preview
// paints it, so what the user sees is what the host gets.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "output/output_writer.h"

namespace kaveta {

enum class ItemKind : std::uint8_t {
  Line,          // written as it is: "#", "bz", "r1", "r0", attribute lines ("lc5", "lt1", "ly9", "cn3")
  Colour,        // "lc10 <colour>": the colour of the solids that follow
  Displacement,  // "dx dy": one side of a displacement run, from the pen's place
  Segment,       // "x1 y1 x2 y2"
  Solid,         // "sl" and four corners
  Text,          // "ch x y 1 0" and the text at its base point
  Title,         // "ch 1 1 2 0" and the title
};

struct DrawItem {
  ItemKind kind = ItemKind::Line;
  std::string text;             // Line: the line; Text, Title: the text
  std::int32_t colour = 0;      // Colour
  std::array<double, 8> v{};    // the numbers in line order
  std::uint8_t doubleMask = 0;  // bit i set: v[i] is written in double precision

  int NumberCount() const;
};
using DrawList = std::vector<DrawItem>;

DrawItem LineItem(std::string_view line);
DrawItem ColourItem(std::int32_t colour);
DrawItem DisplacementItem(float dx, float dy);
DrawItem SegmentItem(float x1, float y1, float x2, float y2);
DrawItem TextItem(float x, float y, std::string_view text);      // table coordinates
DrawItem LabelItem(double x, double y, std::string_view text);   // drawing coordinates
DrawItem TitleItem(std::string_view title);
// Corners x1 y1 .. x4 y4; bit i of `doubleMask` marks a double-precision one.
DrawItem SolidItem(const std::array<double, 8>& corners, std::uint8_t doubleMask);

// The host line of an item, without its CR LF.
std::string ItemLine(const DrawItem& item);
void AppendItemLine(const DrawItem& item, std::string& line);

}  // namespace kaveta
