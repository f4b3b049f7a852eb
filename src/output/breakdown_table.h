// The triangle breakdown (三斜求積表): the triangles of every row with their
// base, height and double area, drawn to the right of the area table, and
// each triangle's number and height line at the figure itself. The figures
// come from the breakdown module; this only places them.
#pragma once

#include <string>

#include "exchange/breakdown.h"
#include "output/area_table.h"

namespace kaveta {

// The breakdowns of the rows in use; other rows hold an empty one.
Breakdowns BreakdownsOfRows(const TableSnapshot& t, const RunState& s);

// Before "bz": every triangle's number at its centre (its area under it
// when the area labels are on) and its height line in line type lt2.
void ComposeTriangleLabels(const TableSnapshot& t, const RunState& s, const TableInputs& in,
                           const Breakdowns& rows, const ItemSink& emit);

// After the area table, in table coordinates: left edge at x = left.
void ComposeBreakdownTable(const TableSnapshot& t, const TableInputs& in, const Breakdowns& rows,
                           float left, float rowHeight, const ItemSink& emit);

// The copy's breakdown lines: per row its name, a line per triangle, 小計
// and 面積, TAB-separated.
std::string BreakdownCopyText(const TableSnapshot& t, const RunState& s);

}  // namespace kaveta
