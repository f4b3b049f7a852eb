#include "output/mode_outputs.h"

#include <algorithm>

namespace kaveta {
namespace {

constexpr int kRows = kMaxGroups;

void WriteBlocks(const ColourGroup& g, OutputText& out) {
  for (const std::string* block :
       {&g.twoPointLines, &g.measuredLines, &g.scLines, &g.seLines, &g.soLines, &g.sgLines})
    out.Item(*block);
}

const ColourGroup& Group(const RunState& s, int row) {
  return s.groups[static_cast<std::size_t>(row)];
}

const RowPicture& Row(const TableSnapshot& t, int row) {
  return t.rows[static_cast<std::size_t>(row)];
}

// A row holds a group when its swatch is not the background, or, for a
// group of the background colour, when it carries figure lines.
bool RowHoldsGroup(const TableSnapshot& t, const RunState& s, int row) {
  return Row(t, row).leftColour != s.backgroundColour || GroupHasLines(s, row);
}

void Header(const RunState& s, OutputText& out) {
  out.Item("hd");
  out.Item(s.passThroughText);
}

std::string Renamed(const TableSnapshot& t, int row) {
  return "レイヤ" + Row(t, row).caption + ":" + Row(t, row).name;
}

}  // namespace

bool GroupHasLines(const RunState& s, int row) {
  const ColourGroup& g = Group(s, row);
  return !(g.twoPointLines.empty() && g.measuredLines.empty() && g.scLines.empty() &&
           g.seLines.empty() && g.soLines.empty() && g.sgLines.empty());
}

void ColourChange(const TableSnapshot& t, const RunState& s, OutputText& out) {
  int last = t.RowsInUse();
  for (int row = 1; row <= kRows; ++row)
    if (GroupHasLines(s, row)) last = std::max(last, row);

  Header(s, out);
  for (int row = 1; row <= last; ++row) {
    out.Colour(Row(t, row).rightColour);
    WriteBlocks(Group(s, row), out);
  }
}

void LayerSort(const TableSnapshot& t, const RunState& s, OutputText& out) {
  Header(s, out);
  for (int row = 1; row <= kRows; ++row) {
    if (!RowHoldsGroup(t, s, row)) continue;
    out.Layer(row);
    out.Colour(Row(t, row).leftColour);
    WriteBlocks(Group(s, row), out);
  }
}

void OverlapOrder(const TableSnapshot& t, const RunState& s, OutputText& out) {
  Header(s, out);
  for (int row = 1; row <= kRows; ++row) {
    if (!RowHoldsGroup(t, s, row)) continue;
    out.Colour(Row(t, row).leftColour);
    WriteBlocks(Group(s, row), out);
  }
}

LayerNamingChanges LayerNaming(const TableSnapshot& t, OutputText& out) {
  LayerNamingChanges changes;
  changes.title = t.title;
  out.LayerGroup(t.title);
  for (int row = 1; row <= kRows; ++row) {
    const std::size_t r = static_cast<std::size_t>(row);
    changes.captions[r] = t.rows[r].name;
    if (t.rows[r].name.empty()) continue;
    out.Layer(row);
    out.LayerName(t.rows[r].name);
    changes.captions[r] = Renamed(t, row);
  }
  out.Item("h#レイヤ名を設定しました");
  return changes;
}

LayerNamingChanges LayerNamingExternal(const TableSnapshot& t, OutputText& out) {
  LayerNamingChanges changes;
  out.LayerGroup(t.title);
  changes.title = "レイヤグループ:" + t.title;
  for (int row = 1; row <= kRows; ++row) {
    const std::size_t r = static_cast<std::size_t>(row);
    out.Layer(row);
    out.LayerName(t.rows[r].name);
    changes.captions[r] = Renamed(t, row);
  }
  out.Item("h#レイヤ名を設定しました");
  return changes;
}

TableSnapshot RenamedTable(const TableSnapshot& t, const LayerNamingChanges& changes,
                           std::int32_t background) {
  TableSnapshot shown = t;
  shown.title = changes.title;
  for (std::size_t r = 1; r < shown.rows.size(); ++r) {
    RowPicture& row = shown.rows[r];
    row.name = changes.captions[r];
    row.inUse = RowInUse(row.name, row.leftColour, background);
  }
  return shown;
}

}  // namespace kaveta
