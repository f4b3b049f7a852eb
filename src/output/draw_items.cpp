#include "output/draw_items.h"

#include <cstdlib>

#include "settings/format.h"
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

// Whole-line number fields separated by single blanks; false when any is
// not a number. A field that single precision would write otherwise was
// written in double.
struct Fields {
  std::vector<double> values;
  std::uint8_t doubleMask = 0;
};

bool NumberFields(std::string_view text, Fields& out) {
  out = Fields{};
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t blank = std::min(text.find(' ', start), text.size());
    const std::string_view field = text.substr(start, blank - start);
    double v = 0;
    if (!ParseDouble(field, v)) return false;
    if (out.values.size() < 8 && Num(static_cast<float>(v)) != field)
      out.doubleMask = static_cast<std::uint8_t>(out.doubleMask | (1u << out.values.size()));
    out.values.push_back(v);
    start = blank + 1;
  }
  return true;
}

DrawItem FromNumbers(ItemKind kind, const Fields& numbers) {
  DrawItem item;
  item.kind = kind;
  for (std::size_t i = 0; i < numbers.values.size() && i < item.v.size(); ++i)
    item.v[i] = numbers.values[i];
  item.doubleMask = numbers.doubleMask;
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

void WriteItems(const DrawList& items, OutputText& out) {
  for (const DrawItem& item : items) out.Item(ItemLine(item));
}

DrawList ParseItems(std::string_view text) {
  DrawList items;
  Fields numbers;
  for (std::string_view line : SplitLines(text)) {
    if (line.substr(0, kTitlePrefix.size()) == kTitlePrefix) {
      items.push_back(TitleItem(line.substr(kTitlePrefix.size())));
      continue;
    }
    if (line.substr(0, 5) == "lc10 " && NumberFields(line.substr(5), numbers) &&
        numbers.values.size() == 1) {
      items.push_back(ColourItem(static_cast<std::int32_t>(numbers.values[0])));
      continue;
    }
    if (line.substr(0, 3) == "sl " && NumberFields(line.substr(3), numbers) &&
        numbers.values.size() == 8) {
      items.push_back(FromNumbers(ItemKind::Solid, numbers));
      continue;
    }
    const std::size_t quote = line.find(" 1 0 \"");
    if (line.substr(0, 3) == "ch " && quote != std::string_view::npos &&
        NumberFields(line.substr(3, quote - 3), numbers) && numbers.values.size() == 2) {
      DrawItem item = FromNumbers(ItemKind::Text, numbers);
      item.text = line.substr(quote + 6);
      items.push_back(item);
      continue;
    }
    const std::size_t count = NumberFields(line, numbers) ? numbers.values.size() : 0;
    if (count == 2 || count == 4) {
      items.push_back(
          FromNumbers(count == 2 ? ItemKind::Displacement : ItemKind::Segment, numbers));
      continue;
    }
    items.push_back(LineItem(line));
  }
  return items;
}

}  // namespace kaveta
