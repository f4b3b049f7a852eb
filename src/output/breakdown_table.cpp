#include "output/breakdown_table.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "exchange/groups.h"
#include "output/table_geometry.h"
#include "text/lines.h"

namespace kaveta {
namespace {

using table::Checked;
using table::ColumnTextWidth;
using table::DecimalsOf;
using table::RightAligned;
using table::Single;

constexpr const char* kHeaders[4] = {"番号", "底辺", "高さ", "倍面積"};
constexpr const char* kAreaUnit = "m^2";  // before the multiplier

std::string Heading(const TableContent& content, std::size_t r) {
  return content.names[r].empty() ? "行 " + std::to_string(r) : content.names[r];
}

// One drawn row: the number column left-aligned, the others right-aligned.
struct Cells {
  std::string c[4];
};

// Every row of the table in order, handed to `row` one at a time.
template <typename Row>
void ForEachRow(const Kaveta& k, const TableContent& content, const Breakdowns& rows, Row&& row) {
  const int digits = DecimalsOf(k);
  const RoundingMode mode = RoundingModeOf(k);
  row(Cells{{kHeaders[0], kHeaders[1], kHeaders[2], kHeaders[3]}});
  std::optional<Decimal> total;
  for (std::size_t r = 1; r <= kRows; ++r) {
    const RowBreakdown& b = *rows[r];
    if (b.triangles.empty()) continue;
    row(Cells{{Heading(content, r), "", "", ""}});
    for (const Triangle& t : b.triangles) {
      if (t.cut)
        row(Cells{{t.number, t.base.Text(3), t.height.Text(3), t.doubleArea.Text(6)}});
      else
        row(Cells{{t.number, "-", "-", t.doubleArea.Text(6)}});
    }
    const Decimal area = b.Area().Rounded(digits, mode);
    total = total ? *total + area : area;
    row(Cells{{"小計", "", "", b.doubleSum.Text(6)}});
    row(Cells{{"面積", "", "", area.Text(ShownDecimals(digits)) + " " + kAreaUnit}});
  }
  if (k.ui.chkGoukei.value == 1) {
    const Decimal sum = total.value_or(Decimal()).Rounded(digits, mode);
    row(Cells{{"合計", "", "", sum.Text(ShownDecimals(digits)) + " " + kAreaUnit}});
  }
}

}  // namespace

Breakdowns BreakdownsOfRows(const Kaveta& k, const TableContent& content) {
  Breakdowns rows;
  const auto none = std::make_shared<const RowBreakdown>();
  for (std::size_t r = 0; r <= kRows; ++r)
    rows[r] = r >= 1 && RowInUse(k, content, static_cast<int>(r))
                  ? SharedBreakdownOfRow(k.state, static_cast<int>(r))
                  : none;
  return rows;
}

void ComposeTriangleLabels(const Kaveta& k, const TableInputs& in, const Breakdowns& rows,
                           const ItemSink& emit) {
  const bool areas = Checked(k.ui.chkUTIWAKE[0]);
  const int digits = DecimalsOf(k);
  const double below = static_cast<double>(k.state.currentGroupScale) * in.chh;
  bool anyHeight = false;
  for (const auto& b : rows) {
    for (const Triangle& t : b->triangles) {
      emit(LabelItem(t.centreX, t.centreY, t.number));
      if (areas)
        emit(LabelItem(t.centreX, t.centreY - below,
                       t.doubleArea.Half().Rounded(digits, RoundingModeOf(k)).Text(ShownDecimals(digits))));
    }
    for (const Triangle& t : b->triangles) {
      if (!t.hasHeight) continue;
      if (!anyHeight) emit(LineItem("lt2"));
      anyHeight = true;
      DrawItem line = SegmentItem(0, 0, 0, 0);
      line.v = {t.apexX, t.apexY, t.footX, t.footY};
      line.doubleMask = 0b1111;  // drawing coordinates, as the labels
      emit(line);
    }
  }
  // Back to the rules' own line type for whatever follows.
  if (anyHeight) {
    for (const int c : {9, 10, 11}) {
      if (!Checked(k.ui.ckKeisen[static_cast<std::size_t>(c - 9)])) continue;
      emit(LineItem(k.ui.Combo1[static_cast<std::size_t>(c)].text));
      return;
    }
    emit(LineItem("lt1"));
  }
}

void ComposeBreakdownTable(const Kaveta& k, const TableInputs& in, const TableContent& content,
                           const Breakdowns& rows, float left, float rowHeight,
                           const ItemSink& emit) {
  int longest[4] = {0, 0, 0, 0};
  int chars[4] = {0, 0, 0, 0};
  int count = 0;
  ForEachRow(k, content, rows, [&](const Cells& cells) {
    ++count;
    for (int i = 0; i < 4; ++i) {
      longest[i] = std::max(longest[i], static_cast<int>(SjisByteLength(cells.c[i])));
      chars[i] = std::max(chars[i], static_cast<int>(CharCount(cells.c[i])));
    }
  });
  float edge[5] = {left, 0, 0, 0, 0};
  for (int i = 0; i < 4; ++i)
    edge[i + 1] = Single(static_cast<double>(edge[i]) + ColumnTextWidth(in, longest[i]));
  const double R = rowHeight;
  const float bottom = Single(-count * R);
  const auto& ui = k.ui;
  if (Checked(ui.ckKeisen[0])) {
    for (const int c : {1, 5, 9}) emit(LineItem(ui.Combo1[static_cast<std::size_t>(c)].text));
    emit(SegmentItem(edge[0], 0, edge[4], 0));
    emit(SegmentItem(edge[4], 0, edge[4], bottom));
    emit(SegmentItem(edge[4], bottom, edge[0], bottom));
    emit(SegmentItem(edge[0], bottom, edge[0], 0));
  }
  if (Checked(ui.ckKeisen[1])) {
    for (const int c : {2, 6, 10}) emit(LineItem(ui.Combo1[static_cast<std::size_t>(c)].text));
    for (int i = 1; i < 4; ++i) emit(SegmentItem(edge[i], 0, edge[i], bottom));
  }
  if (Checked(ui.ckKeisen[2])) {
    for (const int c : {7, 8, 11}) emit(LineItem(ui.Combo1[static_cast<std::size_t>(c)].text));
    for (int h = 1; h < count; ++h) {
      const float y = Single(-h * R);
      emit(SegmentItem(edge[0], y, edge[4], y));
    }
  }
  emit(LineItem(ui.Combo1[3].text));
  emit(LineItem(ui.Combo1[4].text));
  int h = 0;
  ForEachRow(k, content, rows, [&](const Cells& cells) {
    ++h;
    const float y = Single(-h * R + in.gapHeight);
    for (int i = 0; i < 4; ++i) {
      if (cells.c[i].empty()) continue;
      // Headings read from the left; figures line up at the right.
      const std::string text = i == 0 || h == 1 ? cells.c[i] : RightAligned(cells.c[i], chars[i]);
      emit(TextItem(Single(static_cast<double>(edge[i]) + in.gapWidth), y, text));
    }
  });
}

std::string BreakdownCopyText(const Kaveta& k) {
  const TableContent content = TableContentFromWindow(k);
  const Breakdowns rows = BreakdownsOfRows(k, content);
  std::string out = "\r\n";
  ForEachRow(k, content, rows, [&](const Cells& cells) {
    std::string line = cells.c[0];
    int last = 3;
    while (last > 0 && cells.c[last].empty()) --last;
    for (int i = 1; i <= last; ++i) line += "\t" + cells.c[i];
    out += line + "\r\n";
  });
  return out;
}

}  // namespace kaveta
