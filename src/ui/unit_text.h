// A unit text "unit,multiplier[,...]": the caption a unit cell shows and
// the multiplier its quantity is counted with.
#pragma once

#include <string>

namespace kaveta {

struct UnitText {
  std::string caption;     // before the first comma: the whole text without one
  std::string multiplier;  // between the first and second comma, as written
  bool hasMultiplier = false;
};

UnitText SplitUnitText(const std::string& text);

// The two readings of the multiplier, which differ on purpose:
// - the default unit of the settings panel counts once only without a comma
//   (an empty or non-numeric one is kept and counts as 0);
// - a row file's unit counts once when the multiplier is missing, empty,
//   not a number or zero.
std::string DefaultUnitMultiplier(const UnitText& unit);
std::string RowFileUnitMultiplier(const UnitText& unit);

}  // namespace kaveta
