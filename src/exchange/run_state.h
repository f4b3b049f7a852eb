// The state one run works on: colour groups, measured solid figures, header
// values and pass-through text of the exchange input.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/breakdown.h"

namespace kaveta {

inline constexpr int kMaxGroups = 16;

// A row is in use when it has a name or its left swatch shows a colour
// other than the drawing's background: the one rule every output, the
// totals and the row file count rows by.
inline bool RowInUse(std::string_view name, std::int32_t leftColour, std::int32_t background) {
  return !name.empty() || leftColour != background;
}

struct ColourGroup {
  std::int32_t colour = 0;
  std::optional<double> areaTotal;  // empty while nothing was measured
  std::string multiplier;           // text, as stored with the unit
  // Stored figure lines, each followed by CR LF (UTF-8 inside).
  std::string measuredLines, twoPointLines, scLines, seLines, soLines, sgLines;
};

struct SolidFigure {
  double area = 0;
  double centreX = 0;
  double centreY = 0;
};

struct RunState {
  // Groups 1..16; slot 0 is never a group.
  std::array<ColourGroup, kMaxGroups + 1> groups;
  // Right-swatch colours restored from a row file, for rows 1..16.
  std::array<std::int32_t, kMaxGroups + 1> restoredRightColour{};
  int nextGroup = 1;
  int currentGroup = 0;

  std::vector<SolidFigure> solids;  // solid s is solids[s - 1]
  // The row holding solid s's stored line (0: none): solidRows[s - 1].
  std::vector<std::uint8_t> solidRows;
  std::int64_t nextSolid = 1;

  BreakdownCache breakdowns;

  std::array<std::int32_t, 357> penColourTable{};
  std::int32_t backgroundColour = 16777215;

  std::array<std::string, 17> headerScale;
  std::array<std::string, 17> headerTextWidth, headerTextHeight, headerTextSpacing,
      headerTextColour;

  // Reading state.
  std::string currentLayerGroup, currentLayer, currentColourNumber;
  std::int32_t currentColour = 0;
  float currentGroupScale = 0;
  std::string currentTextKind;
  std::string tableTitle;
  std::string passThroughText;  // every line not consumed, CR LF after each

  bool circularSolidFound = false;
  bool exchangeRead = false;  // TEMP.TXT was found and read (fully or in part)
};

}  // namespace kaveta
