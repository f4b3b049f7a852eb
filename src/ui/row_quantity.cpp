#include "ui/row_quantity.h"

#include <optional>

#include "exchange/breakdown.h"
#include "number/number_text.h"
#include "number/rounding.h"

namespace kaveta {

int DigitsOf(const Kaveta& k) {
  std::int32_t d = 0;
  return ParseInt32(k.ui.Comboketa.text, d) ? d : 0;
}

bool BreakdownWanted(const Kaveta& k) {
  return k.ui.chkSansha.value == 1 && IsTableMode(k.runMode);
}

std::string RowQuantityText(const Kaveta& k, int group, int digits) {
  const RunState& s = k.state;
  const bool valid = group >= 1 && group <= kMaxGroups;
  const std::optional<double> total = valid ? s.groups[group].areaTotal : std::nullopt;
  if (!total) return "-";
  const double multiplier = LenientNumber(s.groups[group].multiplier);
  const RoundingMode mode = RoundingModeFromCode(k.roundingMode);
  if (BreakdownWanted(k))
    return QuantityText(RowQuantity(*SharedBreakdownOfRow(s, group), multiplier, digits, mode), digits);
  return RoundedQuantityText(*total * multiplier, digits, mode);
}

}  // namespace kaveta
