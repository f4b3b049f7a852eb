#include "number/quantity_sum.h"

#include <algorithm>
#include <optional>

#include "number/number_text.h"

namespace kaveta {

QuantityTotal SumOfQuantities(const std::vector<ShownQuantity>& rows, int digits, RoundingMode mode) {
  std::optional<Decimal> sum;
  const std::string* unit = nullptr;
  int decimals = 0;
  for (const ShownQuantity& row : rows) {
    double shown = 0;
    if (!ParseQuantityText(row.text, shown)) continue;
    const std::optional<Decimal> figure = Decimal::Parse(row.text);
    if (!figure) continue;
    // Square metres and tsubo do not add up.
    if (unit && *unit != row.unit) return QuantityTotal{};
    unit = &row.unit;
    sum = sum ? *sum + *figure : *figure;
    decimals = std::max(decimals, figure->Decimals());
  }
  if (!sum) return QuantityTotal{};
  const Decimal total = decimals > digits ? Round(*sum, digits, mode) : *sum;
  return QuantityTotal{QuantityText(total, digits), *unit};
}

}  // namespace kaveta
