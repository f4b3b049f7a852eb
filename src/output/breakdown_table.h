// The triangle breakdown (三斜求積表): the triangles of every row with their
// base, height and double area, drawn to the right of the area table, and
// each triangle's number and height line at the figure itself.
#pragma once

#include <array>
#include <string>

#include "exchange/triangles.h"
#include "output/area_table.h"

namespace kaveta {

// Rows 1..16: the triangles of the rows in use that hold measured figures.
// Rows not in use or without figures hold an empty breakdown.
using Breakdowns = std::array<std::shared_ptr<const RowBreakdown>, kRows + 1>;
Breakdowns BreakdownsOfRows(const Kaveta& k, const TableContent& content);

// Before "bz": every triangle's number at its centre (its area under it
// when the area labels are on) and its height line in line type lt2.
void ComposeTriangleLabels(const Kaveta& k, const TableInputs& in, const Breakdowns& rows,
                           const ItemSink& emit);

// After the area table, in table coordinates: left edge at x = left.
void ComposeBreakdownTable(const Kaveta& k, const TableInputs& in, const TableContent& content,
                           const Breakdowns& rows, float left, float rowHeight,
                           const ItemSink& emit);

// The copy's breakdown lines: per row its name, a line per triangle, 小計
// and 面積, TAB-separated.
std::string BreakdownCopyText(const Kaveta& k);

}  // namespace kaveta
