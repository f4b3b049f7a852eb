// Colour groups, area measurement and the after-reading steps.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "ui/kaveta.h"

namespace kaveta {

// Sets currentGroup; false when a 17th colour stops the reading (the message
// has been shown).
bool FindOrAddGroup(Kaveta& k, std::int32_t colour);

// Fields f0..f6 or f0..f8 of an "sl" line (f0 is the key).
void MeasureSolid(Kaveta& k, const std::vector<std::string_view>& fields);

// Default units and multipliers, rounded quantities, and the two messages.
void AfterReading(Kaveta& k);

// The breakdown is ticked and this run draws area tables: the rows then show
// the areas of their triangles as the breakdown shows them.
bool BreakdownWanted(const Kaveta& k);

// floor(total * multiplier * 10^d + 0.5) / 10^d formatted with d decimals,
// or "-" when the group has no measured area. Shared with the digits list.
std::string RoundedQuantityText(Kaveta& k, int group, int digits);

}  // namespace kaveta
