// Colour groups and the areas of their solid figures.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "exchange/run_state.h"

namespace kaveta {

// Sets currentGroup to the group of `colour`, made in the next free slot
// when there is none; false when all 16 slots hold other colours.
bool FindOrAddGroup(RunState& s, std::int32_t colour);

// Fields f0..f6 or f0..f8 of an "sl" line (f0 is the key): the figure's
// area and centre, added to the current group.
void MeasureSolid(RunState& s, const std::vector<std::string_view>& fields);

// Rows a and b trade their figures: the stored lines, the solids counted in
// them and their breakdowns. The groups' colours, totals and multipliers
// stay: output reads colours from the swatches and quantities from the
// quantity boxes.
void SwapRowFigures(RunState& s, int a, int b);

}  // namespace kaveta
