// The triangle method: every measured figure cut into triangles, each with
// its base and height rounded as shown, so a reviewer can check the area
// with a calculator. Corners come back from the row's stored figure lines.
// Everything the rows, the breakdown table and the labels show of it is
// worked out here.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "number/rounding.h"

namespace kaveta {

struct RunState;

struct Triangle {
  std::string number;  // "(s)", "(s-1)", "(s-2)"
  // False for a self-crossing figure: only its measured area, no base or height.
  bool cut = true;
  Decimal base, height;  // b′ and h′, metres, 3 decimals
  Decimal doubleArea;    // b′ × h′ exactly; twice the measured area when not cut
  // Drawing coordinates: the label's point, and the height line from the
  // corner opposite the base to its foot (none for a zero area).
  double centreX = 0, centreY = 0;
  bool hasHeight = false;
  double apexX = 0, apexY = 0, footX = 0, footY = 0;
};

struct RowBreakdown {
  std::vector<Triangle> triangles;
  Decimal doubleSum;  // Σ b′ × h′
  Decimal Area() const { return doubleSum.Half(); }
};

// The triangles of the figures row `row` holds, in reading order; empty
// when it holds none.
RowBreakdown BreakdownOfRow(const RunState& s, int row);

// Row breakdowns worked out once: a run asks for them for the quantities
// and again for the table. Each remembers the sizes it was made from, so
// figures read later make it anew.
class BreakdownCache {
 public:
  std::shared_ptr<const RowBreakdown> Of(const RunState& s, int row) const;
  // Rows a and b traded their figures.
  void SwapRows(int a, int b);

 private:
  struct Entry {
    std::size_t linesSize = 0, solidCount = 0;
    std::shared_ptr<const RowBreakdown> breakdown;
  };
  // A cache: filling it does not change what the state holds.
  mutable std::array<Entry, 17> rows_;
};

// The breakdown of `row` from the state's cache.
std::shared_ptr<const RowBreakdown> SharedBreakdownOfRow(const RunState& s, int row);

// The figures a breakdown gives, each rounded once by the one rounding.
Decimal RowArea(const RowBreakdown& b, int digits, RoundingMode mode);
Decimal RowQuantity(const RowBreakdown& b, double multiplier, int digits, RoundingMode mode);
std::string TriangleAreaText(const Triangle& t, int digits, RoundingMode mode);

// Rows 1..16 (slot 0 unused); a row left out holds an empty breakdown.
using Breakdowns = std::array<std::shared_ptr<const RowBreakdown>, 17>;

// The lines of the breakdown table in order, four cells each: the header,
// then per row with triangles its heading, a line per triangle, 小計 and
// 面積, then 合計 when `total`. Headings are the row names, "行 i" for a
// row without one.
struct BreakdownCells {
  std::string c[4];
};
void ForEachBreakdownLine(const Breakdowns& rows, const std::array<std::string, 17>& names,
                          int digits, RoundingMode mode, bool total,
                          const std::function<void(const BreakdownCells&)>& line);

// The triangles of one figure s with corners in drawing units (3 or 4).
std::vector<Triangle> CutFigure(std::int64_t s, const std::vector<double>& x,
                                const std::vector<double>& y, double measuredArea);

}  // namespace kaveta
