// The triangle method: every measured figure cut into triangles, each with
// its base and height rounded as shown, so a reviewer can check the area
// with a calculator. Corners come back from the row's stored figure lines.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "exchange/run_state.h"
#include "settings/rounding.h"

namespace kaveta {

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

// The same, kept in the state's cache and shared while the row's figures
// stay as they are.
std::shared_ptr<const RowBreakdown> SharedBreakdownOfRow(const RunState& s, int row);
void ForgetBreakdowns(RunState& s);

// The triangles of one figure s with corners in drawing units (3 or 4).
std::vector<Triangle> CutFigure(std::int64_t s, const std::vector<double>& x,
                                const std::vector<double>& y, double measuredArea);

}  // namespace kaveta
