// The totals row: the exact decimal sum of the quantities as shown, so the
// printed total always equals the sum of the printed figures.
#pragma once

#include <string>
#include <vector>

#include "number/rounding.h"

namespace kaveta {

struct ShownQuantity {
  std::string text;  // as the quantity box shows it
  std::string unit;  // the unit cell's caption
};

struct QuantityTotal {
  std::string text = "-";  // "-" when nothing sums
  std::string unit;        // the rows' common unit; empty with "-"
};

// Over the quantities that are numbers; "-" when there is none or their
// units differ. Rounded by the mode only where a summed text holds more
// decimals than the digits.
QuantityTotal SumOfQuantities(const std::vector<ShownQuantity>& rows, int digits, RoundingMode mode);

}  // namespace kaveta
