#include "ui/totals.h"

#include <vector>

#include "ui/row_quantity.h"
#include "ui/rows.h"

namespace kaveta {

QuantityTotal TotalOfRows(const Kaveta& k) {
  std::vector<ShownQuantity> rows;
  for (int r = 1; r <= kRows; ++r)
    if (RowInUse(k, r)) rows.push_back({k.ui.Text_sum[r].text, k.ui.Label5[r].text});
  return SumOfQuantities(rows, DigitsOf(k), RoundingModeOf(k));
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
