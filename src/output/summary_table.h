// The area summary under the area table: 敷地・建築・延べ面積, the parts
// left out of 容積率 and the two ratios, as a ruled table of four columns.
// The figures come from the area summary module; this only places them.
#pragma once

#include <string>
#include <vector>

#include "number/area_summary.h"
#include "output/area_table.h"

namespace kaveta {

// The summary's lines for this table: none unless it is ticked in a table
// mode and a row in use has a role.
std::vector<SummaryLine> SummaryLinesOf(const TableSnapshot& t);

// In table coordinates: left edge at x = 0, top edge at y = top; a header
// row, then a row per line. Nothing for no lines.
void ComposeSummaryTable(const TableSnapshot& t, const TableInputs& in,
                         const std::vector<SummaryLine>& lines, float top, float rowHeight,
                         const ItemSink& emit);

// The copy's summary: empty unless the summary is ticked and has lines.
std::string SummaryCopyTextOf(const TableSnapshot& t);

}  // namespace kaveta
