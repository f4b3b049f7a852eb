// One picture of the window, taken when OK is pressed (and for every
// preview): everything the outputs are composed from. Nothing in output/
// reads a control; it reads this and the run state.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "exchange/run_state.h"
#include "number/quantity_sum.h"
#include "number/rounding.h"
#include "startup/run_mode.h"

namespace kaveta {

struct RowPicture {
  bool inUse = false;  // RowInUse of the name and left swatch below
  std::int32_t leftColour = 0, rightColour = 0;
  std::string caption;  // the left swatch's caption (the layer digit in the layer modes)
  std::string name, quantity, unit;
  int role = 0;  // a code of kAreaRoles
};

// The area summary's settings: drawn when ticked (in the table modes).
struct SummarySettings {
  bool ticked = false;
  std::string coverageLimit, floorAreaLimit;  // 指定建蔽率, 指定容積率 as typed
  RoundingMode ratioRounding = RoundingMode::Up;
};

// A ruled-line group of the table: drawn or not, and its attribute lines.
struct RuleGroup {
  bool drawn = false;
  std::string lineType, colour, layer;  // "lt1", "lc5", "ly9"
};

struct TableSnapshot {
  RunMode mode = RunMode::TableDesign;
  std::array<RowPicture, kMaxGroups + 1> rows;  // rows 1..16
  std::string title;

  // Settings that shape the table.
  int digits = 0;
  RoundingMode rounding = RoundingMode::HalfUp;
  int itemAlignment = 0;  // 0 left, 1 right, 2 centre
  int tableStyle = 0;     // the copy: 0 card, 1 list
  std::array<RuleGroup, 3> rules;  // outer frame, vertical, horizontal
  std::string textKindBox;         // "cn3", or empty: the input's own kind
  std::string textLayer;           // the layer of the table's texts
  std::string solidSettings;       // "solid width, gap height, gap width, layer"
  bool numberLabels = false;       // a number at every measured figure
  bool areaLabels = false;         // its area under it
  bool totalsTicked = false;       // the panel's tick, whatever the mode
  bool breakdown = false;          // the breakdown is drawn in this run
  std::optional<QuantityTotal> total;  // the totals row, when drawn
  SummarySettings summary;

  int RowsInUse() const {
    int n = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) n += rows[r].inUse;
    return n;
  }
};

}  // namespace kaveta
