#include "output/mode_outputs.h"

#include <algorithm>

#include "output/ok_command.h"

namespace kaveta {
namespace {

void WriteBlocks(const ColourGroup& g, OutputText& out) {
  for (const std::string* block :
       {&g.twoPointLines, &g.measuredLines, &g.scLines, &g.seLines, &g.soLines, &g.sgLines})
    out.Item(*block);
}

const ColourGroup& Group(const Kaveta& k, int row) {
  return k.state.groups[static_cast<std::size_t>(row)];
}

std::int32_t Swatch(const Kaveta& k, int index) {
  return k.ui.Lblpic[static_cast<std::size_t>(index)].backColour;
}

// A row holds a group when its swatch is not the background, or, for a
// group of the background colour, when it carries figure lines.
bool RowHoldsGroup(const Kaveta& k, int row) {
  return Swatch(k, row) != k.state.backgroundColour || GroupHasLines(k, row);
}

void Header(const Kaveta& k, OutputText& out) {
  out.Item("hd");
  out.Item(k.state.passThroughText);
}

std::string Renamed(const Kaveta& k, int row) {
  const std::size_t r = static_cast<std::size_t>(row);
  return "レイヤ" + k.ui.Lblpic[r].text + ":" + k.ui.txtname[r].text;
}

}  // namespace

bool GroupHasLines(const Kaveta& k, int row) {
  const ColourGroup& g = Group(k, row);
  return !(g.twoPointLines.empty() && g.measuredLines.empty() && g.scLines.empty() &&
           g.seLines.empty() && g.soLines.empty() && g.sgLines.empty());
}

void ColourChange(const Kaveta& k, OutputText& out) {
  int last = CountRowsInUse(k);
  for (int row = 1; row <= kRows; ++row)
    if (GroupHasLines(k, row)) last = std::max(last, row);

  Header(k, out);
  for (int row = 1; row <= last; ++row) {
    out.Colour(Swatch(k, row + kRows));
    WriteBlocks(Group(k, row), out);
  }
}

void LayerSort(const Kaveta& k, OutputText& out) {
  Header(k, out);
  for (int row = 1; row <= kRows; ++row) {
    if (!RowHoldsGroup(k, row)) continue;
    out.Layer(row);
    out.Colour(Swatch(k, row));
    WriteBlocks(Group(k, row), out);
  }
}

void OverlapOrder(const Kaveta& k, OutputText& out) {
  Header(k, out);
  for (int row = 1; row <= kRows; ++row) {
    if (!RowHoldsGroup(k, row)) continue;
    out.Colour(Swatch(k, row));
    WriteBlocks(Group(k, row), out);
  }
}

LayerNamingChanges LayerNaming(const Kaveta& k, OutputText& out) {
  LayerNamingChanges changes;
  changes.title = k.ui.txtHyoumei.text;
  out.LayerGroup(k.ui.txtHyoumei.text);
  for (int row = 1; row <= kRows; ++row) {
    const std::size_t r = static_cast<std::size_t>(row);
    changes.captions[r] = k.ui.txtname[r].text;
    if (k.ui.txtname[r].text.empty()) continue;
    out.Layer(row);
    out.LayerName(k.ui.txtname[r].text);
    changes.captions[r] = Renamed(k, row);
  }
  out.Item("h#レイヤ名を設定しました");
  return changes;
}

LayerNamingChanges LayerNamingExternal(const Kaveta& k, OutputText& out) {
  LayerNamingChanges changes;
  out.LayerGroup(k.ui.txtHyoumei.text);
  changes.title = "レイヤグループ:" + k.ui.txtHyoumei.text;
  for (int row = 1; row <= kRows; ++row) {
    const std::size_t r = static_cast<std::size_t>(row);
    out.Layer(row);
    out.LayerName(k.ui.txtname[r].text);
    changes.captions[r] = Renamed(k, row);
  }
  out.Item("h#レイヤ名を設定しました");
  return changes;
}

}  // namespace kaveta
