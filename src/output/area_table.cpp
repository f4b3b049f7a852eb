#include "output/area_table.h"

#include <algorithm>
#include <vector>

#include "output/breakdown_table.h"
#include "output/draw_items.h"
#include "output/summary_table.h"
#include "output/table_geometry.h"
#include "number/number_text.h"
#include "number/rounding.h"
#include "text/lines.h"

namespace kaveta {
namespace {

using table::ColumnTextWidth;
using table::EmitRuleAttributes;
using table::Repeat;
using table::Single;

constexpr std::string_view kTotalCaption = "合計";
constexpr const char* kText2Caption = "ソリッドの幅 , 文字と枠の隙間高 ,〃幅,レイヤ";


// Host markup "^u" (either case) takes no room in the drawn text.
std::string WithoutMarkup(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '^' && i + 1 < text.size() && (text[i + 1] == 'u' || text[i + 1] == 'U')) {
      ++i;
      continue;
    }
    out += text[i];
  }
  return out;
}

std::vector<std::string> SplitCommas(std::string_view text) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    fields.emplace_back(text.substr(start, comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return fields;
}

bool IsBlankOnly(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

// Half up keeps the label's own rounding of the 15-digit form.
std::string LabelText(double area, int digits, RoundingMode mode) {
  if (mode == RoundingMode::HalfUp) return QuantityText(area, digits);
  return RoundedQuantityText(area, digits, mode);
}

}  // namespace

std::string padToWidth(std::string_view text, int width, int mode, std::string_view pad) {
  const long b = static_cast<long>(SjisByteLength(text));
  const std::size_t cut = static_cast<std::size_t>(std::max(width, 0));
  switch (mode) {
    case 0: return std::string(text) + Repeat(pad, width - b);
    case 1: return Repeat(pad, width - b) + std::string(text);
    case 2: {
      const long c = b < width ? (width - b + 1) / 2 : 0;
      return FirstChars(Repeat(pad, c) + std::string(text) + Repeat(pad, c), cut);
    }
    case 3: return FirstChars(" " + std::string(text) + " " + Repeat("・", width), cut);
    default: return "";
  }
}

bool ReadTableInputs(const TableSnapshot& t, const RunState& s, TableInputs& in,
                     std::string& problem) {
  const std::string& kindBox = t.textKindBox;
  in.textKindText = kindBox.empty() ? s.currentTextKind
                                    : std::string(kindBox.substr(FirstChars(kindBox, 2).size()));
  std::int32_t kind = 0;
  if (!ParseInt32(in.textKindText, kind) || kind < 1 || kind > 16) {
    const std::string shown = kindBox.empty() ? "cn" + in.textKindText : kindBox;
    problem = "作表設定の「文字種」が正しくありません（" + shown +
              "）。\r\ncn1からcn10までのどれかを選んでください。";
    return false;
  }
  in.textKind = kind;

  const std::vector<std::string> fields = SplitCommas(t.solidSettings);
  double numbers[3] = {0, 0, 0};
  bool ok = fields.size() >= 4;
  for (int i = 0; ok && i < 3; ++i)
    ok = ParseDouble(fields[static_cast<std::size_t>(i)], numbers[i]);
  if (!ok) {
    problem = std::string("作表設定の「") + kText2Caption + "」が正しくありません（" +
              t.solidSettings +
              "）。\r\n数値3つとレイヤをカンマで区切って入力してください（例 20,2,2,lya）。";
    return false;
  }
  in.solidWidth = Single(numbers[0]);
  in.gapHeight = Single(numbers[1]);
  in.gapWidth = Single(numbers[2]);
  in.swatchLayer = fields[3];

  // A header entry the input never filled counts as 0.
  const auto size = [&](const std::array<std::string, 17>& header) {
    return Single(LenientNumber(header[static_cast<std::size_t>(kind)]));
  };
  in.cw = size(s.headerTextWidth);
  in.chh = size(s.headerTextHeight);
  in.cs = size(s.headerTextSpacing);
  return true;
}

TableSizes MeasureTable(const TableSnapshot& t, const TableInputs& in, int rows) {
  TableSizes s;
  for (std::size_t i = 1; i < t.rows.size(); ++i) {
    const RowPicture& row = t.rows[i];
    s.longestName = std::max(s.longestName, static_cast<int>(SjisByteLength(WithoutMarkup(row.name))));
    s.longestUnit = std::max(s.longestUnit, static_cast<int>(SjisByteLength(WithoutMarkup(row.unit))));
    s.longestQuantity = std::max(s.longestQuantity, static_cast<int>(CharCount(row.quantity)));
  }
  if (t.total) {
    s.longestName = std::max(s.longestName, static_cast<int>(SjisByteLength(kTotalCaption)));
    s.longestQuantity = std::max(s.longestQuantity, static_cast<int>(CharCount(t.total->text)));
  }
  s.w0 = Single(static_cast<double>(in.solidWidth) + 2.0 * in.gapWidth);
  s.R = Single(static_cast<double>(in.chh) + 2.0 * in.gapHeight);
  s.nameColumnWidth = ColumnTextWidth(in, s.longestName);
  s.quantityColumnWidth = ColumnTextWidth(in, s.longestQuantity);
  s.unitColumnWidth = ColumnTextWidth(in, s.longestUnit);
  s.W = Single(static_cast<double>(s.w0) + s.quantityColumnWidth + s.nameColumnWidth +
               s.unitColumnWidth);
  s.H = Single(static_cast<double>(rows) * s.R);
  return s;
}

void ComposeAreaTable(const TableSnapshot& t, const RunState& state, const TableInputs& in,
                      std::int64_t solidCount, const ItemSink& emit) {
  const int rows = t.RowsInUse() + (t.total ? 1 : 0);
  const TableSizes s = MeasureTable(t, in, rows);
  const double w0 = s.w0, nameW = s.nameColumnWidth, quantityW = s.quantityColumnWidth;
  const double gapW = in.gapWidth, gapH = in.gapHeight, R = s.R;

  emit(LineItem("#"));
  const std::int64_t labels = std::min<std::int64_t>(
      std::max<std::int64_t>(solidCount, 0), static_cast<std::int64_t>(state.solids.size()));
  const Breakdowns triangles = t.breakdown ? BreakdownsOfRows(t, state) : Breakdowns{};
  // The triangles' numbers replace the figures' own labels.
  if (t.breakdown && labels > 0) ComposeTriangleLabels(t, state, in, triangles, emit);
  if (!t.breakdown && t.numberLabels) {
    for (std::int64_t n = 1; n <= labels; ++n) {
      const SolidFigure& f = state.solids[static_cast<std::size_t>(n - 1)];
      emit(LabelItem(f.centreX, f.centreY, "(" + std::to_string(n) + ")"));
    }
  }
  if (!t.breakdown && t.areaLabels) {
    const double below = static_cast<double>(state.currentGroupScale) * in.chh;
    for (std::int64_t n = 1; n <= labels; ++n) {
      const SolidFigure& f = state.solids[static_cast<std::size_t>(n - 1)];
      emit(LabelItem(f.centreX, f.centreY - below, LabelText(f.area, t.digits, t.rounding)));
    }
  }

  emit(LineItem("bz"));
  if (t.rules[0].drawn) {
    EmitRuleAttributes(t.rules[0], emit);
    emit(LineItem("r1"));
    emit(DisplacementItem(0, -s.H));
    emit(DisplacementItem(s.W, 0));
    emit(DisplacementItem(0, s.H));
    emit(DisplacementItem(-s.W, 0));
    emit(LineItem("r0"));
  }
  if (t.rules[1].drawn) {
    EmitRuleAttributes(t.rules[1], emit);
    for (const float x : {s.w0, Single(w0 + nameW), Single(w0 + nameW + quantityW)})
      emit(SegmentItem(x, 0, x, -s.H));
  }
  if (t.rules[2].drawn) {
    EmitRuleAttributes(t.rules[2], emit);
    for (int h = 1; h < rows; ++h) {
      const float y = Single(-h * R);
      emit(SegmentItem(0, y, s.W, y));
    }
  }
  emit(LineItem(t.textKindBox));
  emit(TitleItem(t.title));

  // A table row's texts: the layer, then name, quantity and unit.
  const auto emitTexts = [&](int h, std::string_view nameText, const std::string& quantity,
                             const std::string& unit) {
    const float y = Single(-h * R + gapH);
    emit(LineItem(t.textLayer));
    const std::string name = padToWidth(nameText, s.longestName, t.itemAlignment, " ");
    if (!IsBlankOnly(name)) emit(TextItem(Single(w0 + gapW), y, name));
    const long blanks = s.longestQuantity - static_cast<long>(CharCount(quantity));
    emit(TextItem(Single(w0 + nameW + gapW), y, Repeat(" ", blanks) + quantity));
    emit(TextItem(Single(w0 + nameW + gapW + quantityW), y, unit));
  };

  int h = 0;
  for (std::size_t r = 1; r < t.rows.size(); ++r) {
    const RowPicture& row = t.rows[r];
    if (!row.inUse) continue;
    ++h;
    const float y = Single(-h * R + gapH);
    emitTexts(h, row.name, row.quantity, row.unit);

    if (row.leftColour == state.backgroundColour) continue;
    const double y1 = y;
    const double y2 = Single((1 - h) * R - gapH);
    // The middle is the single width halved in double; the other corners are single.
    const double mid = w0 / 2;
    const double right = Single(w0 - gapW);
    emit(LineItem(in.swatchLayer));
    emit(ColourItem(row.rightColour));
    emit(SolidItem({mid, y1, mid, y2, right, y2, right, y1}, 0b00000101));
    emit(ColourItem(row.leftColour));
    const double left = in.gapWidth;
    emit(SolidItem({left, y1, left, y2, mid, y2, mid, y1}, 0b01010000));
  }
  if (t.total) emitTexts(h + 1, kTotalCaption, t.total->text, t.total->unit);
  if (t.breakdown) ComposeBreakdownTable(t, in, triangles, Single(s.W + R), s.R, emit);
  // One row height below the table's bottom edge (the totals row included).
  ComposeSummaryTable(t, in, SummaryLinesOf(t), Single(-static_cast<double>(s.H) - R), s.R, emit);
}

void ComposeAreaTable(const TableSnapshot& t, const RunState& s, const TableInputs& in,
                      std::int64_t solidCount, OutputText& out) {
  std::string line;  // one buffer for every line: a breakdown writes millions
  ComposeAreaTable(t, s, in, solidCount, [&out, &line](const DrawItem& item) {
    line.clear();
    AppendItemLine(item, line);
    out.Item(line);
  });
}

DrawList AreaTableItems(const TableSnapshot& t, const RunState& s, const TableInputs& in,
                        std::int64_t solidCount) {
  DrawList items;
  ComposeAreaTable(t, s, in, solidCount,
                   [&items](const DrawItem& item) { items.push_back(item); });
  return items;
}

}  // namespace kaveta
