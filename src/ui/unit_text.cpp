#include "ui/unit_text.h"

#include "number/number_text.h"

namespace kaveta {

UnitText SplitUnitText(const std::string& text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return {text, "", false};
  const std::size_t next = text.find(',', comma + 1);
  return {text.substr(0, comma),
          text.substr(comma + 1, next == std::string::npos ? std::string::npos : next - comma - 1),
          true};
}

std::string DefaultUnitMultiplier(const UnitText& unit) {
  return unit.hasMultiplier ? unit.multiplier : "1";
}

std::string RowFileUnitMultiplier(const UnitText& unit) {
  double value = 0;
  if (unit.multiplier.empty() || !ParseDouble(unit.multiplier, value) || value == 0) return "1";
  return unit.multiplier;
}

}  // namespace kaveta
