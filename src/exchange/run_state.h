// The state one run works on: colour groups, measured solid figures, header
// values and pass-through text of the exchange input.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kaveta {

inline constexpr int kMaxGroups = 16;

struct ColourGroup {
  std::int32_t colour = 0;
  std::int64_t solidCount = 0;      // wide: a selection may hold any number
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

  // Row breakdowns worked out once: a run asks for them for the quantities
  // and again for the table. Each remembers the sizes it was made from; a
  // row swap, which keeps the sizes, forgets them all.
  struct CachedBreakdown {
    std::size_t linesSize = 0, solidCount = 0;
    std::shared_ptr<const struct RowBreakdown> breakdown;
  };
  mutable std::array<CachedBreakdown, kMaxGroups + 1> breakdownCache;

  std::array<std::int32_t, 357> penColourTable{};
  std::int32_t backgroundColour = 16777215;

  std::array<std::string, 17> headerScale;
  std::array<std::string, 17> headerTextWidth, headerTextHeight, headerTextSpacing,
      headerTextColour;

  // Reading state.
  std::string currentLayerGroup, currentLayer, currentLineType, currentColourNumber;
  std::int32_t currentColour = 0;
  float currentGroupScale = 0;
  std::string currentTextKind;
  std::string tableTitle;
  std::string passThroughText;  // every line not consumed, CR LF after each

  bool circularSolidFound = false;
  double roundedArea = 0;
  bool exchangeRead = false;  // TEMP.TXT was found and read (fully or in part)
};

}  // namespace kaveta
