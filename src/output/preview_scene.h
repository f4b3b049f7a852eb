// What the table preview paints: the items OK would write for the table,
// read as the host reads them (pen colour and line type in force, the pen's
// place for displacement runs), in table coordinates with y upwards.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "output/area_table.h"
#include "output/draw_items.h"

namespace kaveta {

struct SceneLine {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::int32_t colour = 0;  // 0xBBGGRR
  int lineType = 1;         // the host's "lt" number
};

struct SceneSolid {
  std::array<double, 8> corners{};
  std::int32_t colour = 0;
};

struct SceneText {
  double x = 0, y = 0;  // base point: the text's lower left corner
  std::string text;     // UTF-8
  int halfWidths = 0;   // width in half-width characters, as the host counts
};

struct PreviewScene {
  std::vector<SceneSolid> solids;
  std::vector<SceneLine> lines;
  std::vector<SceneText> texts;
  // The text kind's sizes: a full-width character's width, height, spacing.
  double textWidth = 0, textHeight = 0, textSpacing = 0;
  std::int32_t textColour = 0;
  // Everything drawn, texts included; empty scenes have min > max.
  double minX = 1, minY = 1, maxX = 0, maxY = 0;
  // Why there is no table (a setting that does not read), else empty.
  std::string problem;

  bool Empty() const { return minX > maxX || minY > maxY; }
};

// The scene of a list of table items; pen colours from the state.
PreviewScene SceneOfItems(const RunState& s, const TableInputs& in, const DrawList& items);

}  // namespace kaveta
