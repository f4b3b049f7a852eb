// The totals row of the window: lblGoukei shows what the table's totals
// row will print.
#pragma once

#include "number/quantity_sum.h"
#include "ui/kaveta.h"

namespace kaveta {

// Over the rows in use (see SumOfQuantities).
QuantityTotal TotalOfRows(const Kaveta& k);

// The totals row wanted in this run: ticked, and a table mode.
bool TotalsRowWanted(const Kaveta& k);

// Brings lblGoukei up to date; the view calls it after every event.
void RefreshTotalsRow(Kaveta& k);

}  // namespace kaveta
