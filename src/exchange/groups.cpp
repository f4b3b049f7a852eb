#include "exchange/groups.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "exchange/host_number.h"

namespace kaveta {
namespace {

// Groups held in slots 1..nextGroup-1; a restored catalogue may leave
// nextGroup anywhere, so never trust it past the 16 slots.
int LastGroup(const RunState& s) { return std::clamp(s.nextGroup - 1, 0, kMaxGroups); }

}  // namespace

bool FindOrAddGroup(RunState& s, std::int32_t colour) {
  const int last = LastGroup(s);
  bool found = false;
  for (int g = 1; g <= last; ++g) {
    if (s.groups[g].colour == colour) {
      s.currentGroup = g;  // the last of several equal colours wins
      found = true;
    }
  }
  if (found) return true;
  if (last >= kMaxGroups) return false;
  const int g = last + 1;
  ColourGroup& group = s.groups[g];
  group.colour = colour;
  group.areaTotal.reset();
  s.currentGroup = g;
  s.nextGroup = g + 1;
  return true;
}

void MeasureSolid(RunState& s, const std::vector<std::string_view>& fields) {
  if (fields.size() != 7 && fields.size() != 9) return;
  const bool four = fields.size() == 9;
  double x[5] = {}, y[5] = {};
  const int n = four ? 4 : 3;
  for (int i = 1; i <= n; ++i) {
    x[i] = HostNumber(fields[2 * i - 1]) / 1000;
    y[i] = HostNumber(fields[2 * i]) / 1000;
  }
  SolidFigure solid;
  // The order of the terms is kept so totals match the host's own sums
  // to the last bit.
  if (four) {
    const double t1 = (y[2] - y[4]) * x[1];
    const double t2 = (y[3] - y[1]) * x[2];
    const double t3 = (y[4] - y[2]) * x[3];
    const double t4 = (y[1] - y[3]) * x[4];
    solid.area = std::fabs(t2 + t1 + t3 + t4) / 2;
    solid.centreX = (x[2] + x[1] + x[3] + x[4]) / 4 * 1000;
    solid.centreY = (y[2] + y[1] + y[3] + y[4]) / 4 * 1000;
  } else {
    const double t1 = (y[2] - y[3]) * x[1];
    const double t2 = (y[3] - y[1]) * x[2];
    const double t3 = (y[1] - y[2]) * x[3];
    solid.area = std::fabs(t2 + t1 + t3) / 2;
    solid.centreX = (x[2] + x[1] + x[3]) / 3 * 1000;
    solid.centreY = (y[2] + y[1] + y[3]) / 3 * 1000;
  }

  // Solid s lives at solids[s - 1]; keep the list in step with the counter.
  const auto expected = static_cast<std::size_t>(std::max<std::int64_t>(s.nextSolid - 1, 0));
  if (s.solids.size() != expected) s.solids.resize(expected);
  if (s.solids.size() == s.solids.capacity()) {
    // Grow by half rather than double: large selections keep less slack.
    s.solids.reserve(s.solids.size() + s.solids.size() / 2 + 64);
  }
  s.solids.push_back(solid);
  s.solidRows.resize(s.solids.size() - 1);
  s.solidRows.push_back(static_cast<std::uint8_t>(
      s.currentGroup >= 1 && s.currentGroup <= kMaxGroups ? s.currentGroup : 0));
  s.nextSolid = static_cast<std::int64_t>(s.solids.size()) + 1;
  if (s.currentGroup >= 1 && s.currentGroup <= kMaxGroups) {
    std::optional<double>& total = s.groups[s.currentGroup].areaTotal;
    total = total ? *total + solid.area : solid.area;
  }
}

void SwapRowFigures(RunState& s, int a, int b) {
  if (a < 1 || a > kMaxGroups || b < 1 || b > kMaxGroups || a == b) return;
  ColourGroup& x = s.groups[static_cast<std::size_t>(a)];
  ColourGroup& y = s.groups[static_cast<std::size_t>(b)];
  std::swap(x.measuredLines, y.measuredLines);
  std::swap(x.twoPointLines, y.twoPointLines);
  std::swap(x.scLines, y.scLines);
  std::swap(x.seLines, y.seLines);
  std::swap(x.soLines, y.soLines);
  std::swap(x.sgLines, y.sgLines);
  for (std::uint8_t& row : s.solidRows) {
    if (row == a)
      row = static_cast<std::uint8_t>(b);
    else if (row == b)
      row = static_cast<std::uint8_t>(a);
  }
  s.breakdowns.SwapRows(a, b);
}

}  // namespace kaveta
