#include "output/breakdown_table.h"

#include <algorithm>
#include <memory>

#include "output/table_geometry.h"
#include "text/lines.h"

namespace kaveta {
namespace {

using table::ColumnTextWidth;
using table::EmitRuleAttributes;
using table::RightAligned;
using table::Single;

std::array<std::string, kMaxGroups + 1> Names(const TableSnapshot& t) {
  std::array<std::string, kMaxGroups + 1> names;
  for (std::size_t r = 1; r < t.rows.size(); ++r) names[r] = t.rows[r].name;
  return names;
}

// Every line of the table in order, handed to `line` one at a time.
void ForEachLine(const TableSnapshot& t, const Breakdowns& rows,
                 const std::function<void(const BreakdownCells&)>& line) {
  ForEachBreakdownLine(rows, Names(t), t.digits, t.rounding, t.totalsTicked, line);
}

}  // namespace

Breakdowns BreakdownsOfRows(const TableSnapshot& t, const RunState& s) {
  Breakdowns rows;
  const auto none = std::make_shared<const RowBreakdown>();
  for (std::size_t r = 0; r < rows.size(); ++r)
    rows[r] = r >= 1 && t.rows[r].inUse ? SharedBreakdownOfRow(s, static_cast<int>(r)) : none;
  return rows;
}

void ComposeTriangleLabels(const TableSnapshot& t, const RunState& s, const TableInputs& in,
                           const Breakdowns& rows, const ItemSink& emit) {
  const double below = static_cast<double>(s.currentGroupScale) * in.chh;
  bool anyHeight = false;
  for (const auto& b : rows) {
    for (const Triangle& tri : b->triangles) {
      emit(LabelItem(tri.centreX, tri.centreY, tri.number));
      if (t.areaLabels)
        emit(LabelItem(tri.centreX, tri.centreY - below, TriangleAreaText(tri, t.digits, t.rounding)));
    }
    for (const Triangle& tri : b->triangles) {
      if (!tri.hasHeight) continue;
      if (!anyHeight) emit(LineItem("lt2"));
      anyHeight = true;
      DrawItem line = SegmentItem(0, 0, 0, 0);
      line.v = {tri.apexX, tri.apexY, tri.footX, tri.footY};
      line.doubleMask = 0b1111;  // drawing coordinates, as the labels
      emit(line);
    }
  }
  // Back to the rules' own line type for whatever follows.
  if (anyHeight) {
    for (const RuleGroup& rule : t.rules) {
      if (!rule.drawn) continue;
      emit(LineItem(rule.lineType));
      return;
    }
    emit(LineItem("lt1"));
  }
}

void ComposeBreakdownTable(const TableSnapshot& t, const TableInputs& in, const Breakdowns& rows,
                           float left, float rowHeight, const ItemSink& emit) {
  int longest[4] = {0, 0, 0, 0};
  int chars[4] = {0, 0, 0, 0};
  int count = 0;
  ForEachLine(t, rows, [&](const BreakdownCells& cells) {
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
  if (t.rules[0].drawn) {
    EmitRuleAttributes(t.rules[0], emit);
    emit(SegmentItem(edge[0], 0, edge[4], 0));
    emit(SegmentItem(edge[4], 0, edge[4], bottom));
    emit(SegmentItem(edge[4], bottom, edge[0], bottom));
    emit(SegmentItem(edge[0], bottom, edge[0], 0));
  }
  if (t.rules[1].drawn) {
    EmitRuleAttributes(t.rules[1], emit);
    for (int i = 1; i < 4; ++i) emit(SegmentItem(edge[i], 0, edge[i], bottom));
  }
  if (t.rules[2].drawn) {
    EmitRuleAttributes(t.rules[2], emit);
    for (int h = 1; h < count; ++h) {
      const float y = Single(-h * R);
      emit(SegmentItem(edge[0], y, edge[4], y));
    }
  }
  emit(LineItem(t.textKindBox));
  emit(LineItem(t.textLayer));
  int h = 0;
  ForEachLine(t, rows, [&](const BreakdownCells& cells) {
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

std::string BreakdownCopyText(const TableSnapshot& t, const RunState& s) {
  std::string out = "\r\n";
  ForEachLine(t, BreakdownsOfRows(t, s), [&](const BreakdownCells& cells) {
    std::string line = cells.c[0];
    int last = 3;
    while (last > 0 && cells.c[last].empty()) --last;
    for (int i = 1; i <= last; ++i) line += "\t" + cells.c[i];
    out += line + "\r\n";
  });
  return out;
}

}  // namespace kaveta
