#include "output/draw_items.h"

#include <cstdlib>

#include "number/number_text.h"
#include "text/lines.h"

namespace kaveta {
namespace {

constexpr std::string_view kTitlePrefix = "ch 1 1 2 0\"";

DrawItem Numbers(ItemKind kind, std::initializer_list<double> values, std::uint8_t doubleMask) {
  DrawItem item;
  item.kind = kind;
  std::size_t i = 0;
  for (const double v : values) item.v[i++] = v;
  item.doubleMask = doubleMask;
  return item;
}

}  // namespace

int DrawItem::NumberCount() const {
  switch (kind) {
    case ItemKind::Displacement: return 2;
    case ItemKind::Segment: return 4;
    case ItemKind::Solid: return 8;
    case ItemKind::Text: return 2;
    default: return 0;
  }
}

DrawItem LineItem(std::string_view line) {
  DrawItem item;
  item.text = line;
  return item;
}

DrawItem ColourItem(std::int32_t colour) {
  DrawItem item;
  item.kind = ItemKind::Colour;
  item.colour = colour;
  return item;
}

DrawItem DisplacementItem(float dx, float dy) {
  return Numbers(ItemKind::Displacement, {dx, dy}, 0);
}

DrawItem SegmentItem(float x1, float y1, float x2, float y2) {
  return Numbers(ItemKind::Segment, {x1, y1, x2, y2}, 0);
}

DrawItem TextItem(float x, float y, std::string_view text) {
  DrawItem item = Numbers(ItemKind::Text, {x, y}, 0);
  item.text = text;
  return item;
}

DrawItem LabelItem(double x, double y, std::string_view text) {
  DrawItem item = Numbers(ItemKind::Text, {x, y}, 0b11);
  item.text = text;
  return item;
}

DrawItem TitleItem(std::string_view title) {
  DrawItem item;
  item.kind = ItemKind::Title;
  item.text = title;
  return item;
}

DrawItem SolidItem(const std::array<double, 8>& corners, std::uint8_t doubleMask) {
  DrawItem item;
  item.kind = ItemKind::Solid;
  item.v = corners;
  item.doubleMask = doubleMask;
  return item;
}

void AppendItemLine(const DrawItem& item, std::string& line) {
  const auto number = [&](int i) {
    const double v = item.v[static_cast<std::size_t>(i)];
    if ((item.doubleMask >> i) & 1)
      AppendDouble(line, v);
    else
      AppendSingle(line, static_cast<float>(v));
  };
  switch (item.kind) {
    case ItemKind::Line: line += item.text; return;
    case ItemKind::Colour: line += "lc10 " + std::to_string(item.colour); return;
    case ItemKind::Title: line.append(kTitlePrefix).append(item.text); return;
    case ItemKind::Text:
      line += "ch ";
      number(0);
      line += ' ';
      number(1);
      line.append(" 1 0 \"").append(item.text);
      return;
    case ItemKind::Solid:
      line += "sl";
      for (int i = 0; i < 8; ++i) {
        line += ' ';
        number(i);
      }
      return;
    case ItemKind::Displacement:
    case ItemKind::Segment:
      for (int i = 0; i < item.NumberCount(); ++i) {
        if (i) line += ' ';
        number(i);
      }
      return;
  }
  line += item.text;
}

std::string ItemLine(const DrawItem& item) {
  std::string line;
  AppendItemLine(item, line);
  return line;
}

}  // namespace kaveta
