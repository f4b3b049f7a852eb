// The totals row: the exact decimal sum of the quantities as shown, so the
// printed total always equals the sum of the printed figures.
#pragma once

#include <string>

#include "ui/kaveta.h"

namespace kaveta {

struct QuantityTotal {
  std::string text = "-";  // "-" when nothing sums
  std::string unit;        // the rows' common unit; empty with "-"
};

// Over the rows in use whose quantity is a number; "-" when there is none or
// their units differ. Rounded by the rounding mode only where a summed text
// holds more decimals than the digits.
QuantityTotal TotalOfRows(const Kaveta& k);

// The totals row wanted in this run: ticked, and a table mode.
bool TotalsRowWanted(const Kaveta& k);

// Brings lblGoukei up to date; the view calls it after every event.
void RefreshTotalsRow(Kaveta& k);

}  // namespace kaveta
