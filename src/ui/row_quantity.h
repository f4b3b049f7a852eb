// The quantity a row shows for its measured figures: start-up, the digits
// list and the rounding list all go through here.
#pragma once

#include <string>

#include "ui/kaveta.h"

namespace kaveta {

// The digits setting: the digits list holds whole numbers; anything else
// rounds to whole units.
int DigitsOf(const Kaveta& k);

// The breakdown is ticked and this run draws area tables: the rows then show
// the areas of their triangles as the breakdown shows them.
bool BreakdownWanted(const Kaveta& k);

// The group's area times its multiplier, rounded to `digits` by the
// rounding mode, in the quantity format; "-" when nothing was measured.
std::string RowQuantityText(const Kaveta& k, int group, int digits);

}  // namespace kaveta
