#include "exchange/breakdown.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "exchange/host_number.h"
#include "exchange/run_state.h"
#include "text/ascii.h"
#include "text/lines.h"

namespace kaveta {
namespace {

// The 15-significant-digit form decides, as the quantity format does.
Decimal Shown(double value, int decimals) {
  return Round(Decimal::FromDouble(value), decimals, RoundingMode::HalfUp);
}

double Cross(double ax, double ay, double bx, double by, double cx, double cy) {
  return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

// Corners a, b, c (indices into x, y), in drawing units.
Triangle MakeTriangle(std::string number, const std::vector<double>& x,
                      const std::vector<double>& y, int a, int b, int c) {
  Triangle t;
  t.number = std::move(number);
  const int corner[3] = {a, b, c};
  // Sides in corner order; the base is the first of the longest.
  int base = 0;
  double length[3];
  for (int i = 0; i < 3; ++i) {
    const int p = corner[i], q = corner[(i + 1) % 3];
    length[i] = std::hypot(x[q] - x[p], y[q] - y[p]) / 1000;
    if (length[i] > length[base]) base = i;
  }
  const double area = std::fabs(Cross(x[a], y[a], x[b], y[b], x[c], y[c])) / 2 / 1e6;
  const double b0 = length[base];
  t.base = Shown(b0, 3);
  t.height = b0 > 0 ? Shown(2 * area / b0, 3) : Decimal();
  if (b0 == 0) t.base = Decimal();
  t.doubleArea = t.base * t.height;
  t.centreX = (x[a] + x[b] + x[c]) / 3;
  t.centreY = (y[a] + y[b] + y[c]) / 3;
  if (area > 0 && b0 > 0) {
    const int p = corner[base], q = corner[(base + 1) % 3], apex = corner[(base + 2) % 3];
    const double dx = x[q] - x[p], dy = y[q] - y[p];
    const double u = ((x[apex] - x[p]) * dx + (y[apex] - y[p]) * dy) / (dx * dx + dy * dy);
    t.hasHeight = true;
    t.apexX = x[apex];
    t.apexY = y[apex];
    t.footX = x[p] + u * dx;
    t.footY = y[p] + u * dy;
  }
  return t;
}

// The corners of a measured "sl" line, as the reader took them.
bool Corners(std::string_view line, std::vector<double>& x, std::vector<double>& y) {
  std::string_view fields[10];
  std::size_t count = 0;
  for (std::size_t start = 0;;) {
    const std::size_t blank = line.find(' ', start);
    if (count == std::size(fields)) return false;
    fields[count++] = line.substr(start, blank == std::string_view::npos ? blank : blank - start);
    if (blank == std::string_view::npos) break;
    start = blank + 1;
  }
  if ((count != 7 && count != 9) || !EqualsNoCase(fields[0], "sl")) return false;
  x.assign(1, 0);
  y.assign(1, 0);
  for (std::size_t i = 1; i + 1 < count; i += 2) {
    x.push_back(HostNumber(fields[i]));
    y.push_back(HostNumber(fields[i + 1]));
  }
  return true;
}

}  // namespace

std::vector<Triangle> CutFigure(std::int64_t s, const std::vector<double>& x,
                                const std::vector<double>& y, double measuredArea) {
  const std::string n = std::to_string(s);
  if (x.size() == 4) return {MakeTriangle("(" + n + ")", x, y, 1, 2, 3)};
  // Cut along the diagonal whose two halves turn the same way.
  const auto turn = [&](int a, int b, int c) { return Cross(x[a], y[a], x[b], y[b], x[c], y[c]); };
  if (turn(1, 2, 3) * turn(1, 3, 4) >= 0)
    return {MakeTriangle("(" + n + "-1)", x, y, 1, 2, 3), MakeTriangle("(" + n + "-2)", x, y, 1, 3, 4)};
  if (turn(2, 3, 4) * turn(2, 4, 1) >= 0)
    return {MakeTriangle("(" + n + "-1)", x, y, 2, 3, 4), MakeTriangle("(" + n + "-2)", x, y, 2, 4, 1)};
  Triangle crossing;
  crossing.number = "(" + n + ")";
  crossing.cut = false;
  crossing.doubleArea = Shown(2 * measuredArea, 6);
  crossing.centreX = (x[1] + x[2] + x[3] + x[4]) / 4;
  crossing.centreY = (y[1] + y[2] + y[3] + y[4]) / 4;
  return {crossing};
}

RowBreakdown BreakdownOfRow(const RunState& s, int row) {
  RowBreakdown out;
  if (row < 1 || row > kMaxGroups) return out;
  // The k-th measured line of the row is its k-th solid in reading order.
  std::size_t next = 0;
  std::vector<double> x, y;
  const std::string& lines = s.groups[static_cast<std::size_t>(row)].measuredLines;
  // Up to two triangles a line; growing a vector of them is most of the copying.
  out.triangles.reserve(2 * static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n') + 1));
  for (std::string_view line : SplitLines(lines)) {
    if (!Corners(line, x, y)) continue;
    while (next < s.solidRows.size() && s.solidRows[next] != row) ++next;
    if (next >= s.solidRows.size()) break;
    const std::int64_t number = static_cast<std::int64_t>(next) + 1;
    for (Triangle& t : CutFigure(number, x, y, s.solids[next].area)) {
      out.doubleSum = out.doubleSum + t.doubleArea;
      out.triangles.push_back(std::move(t));
    }
    ++next;
  }
  return out;
}

std::shared_ptr<const RowBreakdown> BreakdownCache::Of(const RunState& s, int row) const {
  if (row < 1 || row > kMaxGroups) return std::make_shared<const RowBreakdown>();
  Entry& c = rows_[static_cast<std::size_t>(row)];
  const std::size_t linesSize = s.groups[static_cast<std::size_t>(row)].measuredLines.size();
  if (!c.breakdown || c.linesSize != linesSize || c.solidCount != s.solidRows.size())
    c = {linesSize, s.solidRows.size(), std::make_shared<const RowBreakdown>(BreakdownOfRow(s, row))};
  return c.breakdown;
}

void BreakdownCache::SwapRows(int a, int b) {
  if (a < 1 || a > kMaxGroups || b < 1 || b > kMaxGroups) return;
  std::swap(rows_[static_cast<std::size_t>(a)], rows_[static_cast<std::size_t>(b)]);
}

std::shared_ptr<const RowBreakdown> SharedBreakdownOfRow(const RunState& s, int row) {
  return s.breakdowns.Of(s, row);
}

Decimal RowArea(const RowBreakdown& b, int digits, RoundingMode mode) {
  return Round(b.Area(), digits, mode);
}

// Exactly the breakdown's figure times the multiplier, so the table, the
// breakdown and the total agree to the last digit.
Decimal RowQuantity(const RowBreakdown& b, double multiplier, int digits, RoundingMode mode) {
  return Round(b.Area() * Decimal::FromDouble(multiplier), digits, mode);
}

std::string TriangleAreaText(const Triangle& t, int digits, RoundingMode mode) {
  return QuantityText(Round(t.doubleArea.Half(), digits, mode), digits);
}

namespace {

constexpr const char* kHeaders[4] = {"番号", "底辺", "高さ", "倍面積"};
constexpr const char* kAreaUnit = "m^2";  // before the multiplier

}  // namespace

void ForEachBreakdownLine(const Breakdowns& rows, const std::array<std::string, 17>& names,
                          int digits, RoundingMode mode, bool total,
                          const std::function<void(const BreakdownCells&)>& line) {
  line(BreakdownCells{{kHeaders[0], kHeaders[1], kHeaders[2], kHeaders[3]}});
  std::optional<Decimal> sum;
  for (std::size_t r = 1; r < rows.size(); ++r) {
    const RowBreakdown& b = *rows[r];
    if (b.triangles.empty()) continue;
    line(BreakdownCells{{names[r].empty() ? "行 " + std::to_string(r) : names[r], "", "", ""}});
    for (const Triangle& t : b.triangles) {
      if (t.cut)
        line(BreakdownCells{{t.number, t.base.Text(3), t.height.Text(3), t.doubleArea.Text(6)}});
      else
        line(BreakdownCells{{t.number, "-", "-", t.doubleArea.Text(6)}});
    }
    const Decimal area = RowArea(b, digits, mode);
    sum = sum ? *sum + area : area;
    line(BreakdownCells{{"小計", "", "", b.doubleSum.Text(6)}});
    line(BreakdownCells{{"面積", "", "", QuantityText(area, digits) + " " + kAreaUnit}});
  }
  if (total) {
    const Decimal all = Round(sum.value_or(Decimal()), digits, mode);
    line(BreakdownCells{{"合計", "", "", QuantityText(all, digits) + " " + kAreaUnit}});
  }
}

}  // namespace kaveta
