#include "output/summary_table.h"

#include <algorithm>
#include <array>

#include "output/table_geometry.h"
#include "text/lines.h"

namespace kaveta {
namespace {

using table::ColumnTextWidth;
using table::EmitRuleAttributes;
using table::RightAligned;
using table::Single;

std::array<const std::string*, 4> Cells(const SummaryLine& line) {
  return {&line.item, &line.value, &line.unit, &line.remark};
}

}  // namespace

std::vector<SummaryLine> SummaryLinesOf(const TableSnapshot& t) {
  if (!t.summary.ticked || !IsTableMode(t.mode)) return {};
  SummaryInput in;
  for (std::size_t r = 1; r < t.rows.size(); ++r) {
    const RowPicture& row = t.rows[r];
    in.rows.push_back({static_cast<int>(r), row.inUse, row.role, row.quantity, row.unit});
  }
  in.digits = t.digits;
  in.coverageLimit = t.summary.coverageLimit;
  in.floorAreaLimit = t.summary.floorAreaLimit;
  in.ratioRounding = t.summary.ratioRounding;
  return AreaSummary(in);
}

void ComposeSummaryTable(const TableSnapshot& t, const TableInputs& in,
                         const std::vector<SummaryLine>& lines, float top, float rowHeight,
                         const ItemSink& emit) {
  if (lines.empty()) return;
  std::vector<SummaryLine> rows{SummaryHeader()};
  rows.insert(rows.end(), lines.begin(), lines.end());

  // Column widths as the area table measures its own: Shift_JIS bytes.
  int longest[4] = {0, 0, 0, 0};
  int valueChars = 0;
  for (const SummaryLine& row : rows) {
    const auto cells = Cells(row);
    for (int i = 0; i < 4; ++i)
      longest[i] = std::max(longest[i], static_cast<int>(SjisByteLength(*cells[i])));
    valueChars = std::max(valueChars, static_cast<int>(CharCount(row.value)));
  }
  float edge[5] = {0, 0, 0, 0, 0};
  for (int i = 0; i < 4; ++i)
    edge[i + 1] = Single(static_cast<double>(edge[i]) + ColumnTextWidth(in, longest[i]));
  const double R = rowHeight;
  const int count = static_cast<int>(rows.size());
  const float bottom = Single(top - count * R);

  if (t.rules[0].drawn) {
    EmitRuleAttributes(t.rules[0], emit);
    emit(SegmentItem(edge[0], top, edge[4], top));
    emit(SegmentItem(edge[4], top, edge[4], bottom));
    emit(SegmentItem(edge[4], bottom, edge[0], bottom));
    emit(SegmentItem(edge[0], bottom, edge[0], top));
  }
  if (t.rules[1].drawn) {
    EmitRuleAttributes(t.rules[1], emit);
    for (int i = 1; i < 4; ++i) emit(SegmentItem(edge[i], top, edge[i], bottom));
  }
  if (t.rules[2].drawn) {
    EmitRuleAttributes(t.rules[2], emit);
    for (int h = 1; h < count; ++h) {
      const float y = Single(top - h * R);
      emit(SegmentItem(edge[0], y, edge[4], y));
    }
  }
  emit(LineItem(t.textKindBox));
  emit(LineItem(t.textLayer));
  for (int h = 1; h <= count; ++h) {
    const auto cells = Cells(rows[static_cast<std::size_t>(h - 1)]);
    const float y = Single(top - h * R + in.gapHeight);
    for (int i = 0; i < 4; ++i) {
      // Items are aligned as the names are, figures at the right as the
      // quantities are; the header reads as it is.
      std::string text = *cells[i];
      if (i == 0) text = padToWidth(text, longest[0], t.itemAlignment, " ");
      if (i == 1 && h > 1) text = RightAligned(text, valueChars);
      if (text.find_first_not_of(' ') == std::string::npos) continue;
      emit(TextItem(Single(static_cast<double>(edge[i]) + in.gapWidth), y, text));
    }
  }
}

std::string SummaryCopyTextOf(const TableSnapshot& t) { return SummaryCopyText(SummaryLinesOf(t)); }

}  // namespace kaveta
