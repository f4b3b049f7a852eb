#include "ui/totals.h"

#include <cstdint>
#include <optional>

#include "settings/format.h"
#include "settings/rounding.h"

namespace kaveta {

QuantityTotal TotalOfRows(const Kaveta& k) {
  std::int32_t digits = 0;
  if (!ParseInt32(k.ui.Comboketa.text, digits)) digits = 0;
  std::optional<Decimal> sum;
  std::optional<std::string> unit;
  int decimals = 0;
  for (std::size_t r = 1; r <= kRows; ++r) {
    const bool inUse = !k.ui.txtname[r].text.empty() ||
                       k.ui.Lblpic[r].backColour != k.state.backgroundColour;
    double shown = 0;
    if (!inUse || !ParseQuantityText(k.ui.Text_sum[r].text, shown)) continue;
    const std::optional<Decimal> figure = Decimal::Parse(k.ui.Text_sum[r].text);
    if (!figure) continue;
    // Square metres and tsubo do not add up.
    if (unit && *unit != k.ui.Label5[r].text) return QuantityTotal{};
    unit = k.ui.Label5[r].text;
    sum = sum ? *sum + *figure : *figure;
    decimals = std::max(decimals, figure->Decimals());
  }
  if (!sum) return QuantityTotal{};
  const Decimal total = decimals > digits ? sum->Rounded(digits, RoundingModeOf(k)) : *sum;
  return QuantityTotal{total.Text(ShownDecimals(digits)), *unit};
}

bool TotalsRowWanted(const Kaveta& k) {
  return k.ui.chkGoukei.value == 1 && IsTableMode(k.runMode);
}

void RefreshTotalsRow(Kaveta& k) {
  Control& shown = k.ui.lblGoukei;
  shown.visible = TotalsRowWanted(k);
  if (!shown.visible) return;
  const QuantityTotal total = TotalOfRows(k);
  shown.text = "合計  " + total.text + (total.unit.empty() ? "" : " " + total.unit);
}

}  // namespace kaveta
