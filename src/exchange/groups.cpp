#include "exchange/groups.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "exchange/host_number.h"
#include "exchange/triangles.h"
#include "settings/format.h"
#include "settings/rounding.h"

namespace kaveta {
namespace {

// Groups held in slots 1..nextGroup-1; a restored catalogue may leave
// nextGroup anywhere, so never trust it past the 16 slots.
int LastGroup(const RunState& s) { return std::clamp(s.nextGroup - 1, 0, kMaxGroups); }

struct UnitParts {
  std::string unit;
  std::string multiplier;
};

// "m^2,1" -> unit "m^2", multiplier "1". The multiplier is the second
// comma-separated part, as the row file reads it; without a comma the unit
// counts once.
UnitParts SplitUnitText(const std::string& text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return {text, "1"};
  const std::size_t next = text.find(',', comma + 1);
  return {text.substr(0, comma),
          text.substr(comma + 1, next == std::string::npos ? std::string::npos : next - comma - 1)};
}

// The digits list holds whole numbers; anything else rounds to whole units.
int DigitsFromText(const std::string& text) {
  std::int32_t d = 0;
  return ParseInt32(text, d) ? d : 0;
}

}  // namespace

bool FindOrAddGroup(Kaveta& k, std::int32_t colour) {
  RunState& s = k.state;
  const int last = LastGroup(s);
  bool found = false;
  for (int g = 1; g <= last; ++g) {
    if (s.groups[g].colour == colour) {
      s.currentGroup = g;  // the last of several equal colours wins
      found = true;
    }
  }
  if (found) return true;
  if (last >= kMaxGroups) {
    k.Message("16色を越えました。", MsgIcon::Exclamation);
    return false;
  }
  const int g = last + 1;
  ColourGroup& group = s.groups[g];
  group.colour = colour;
  group.solidCount = 0;
  group.areaTotal.reset();
  const std::string tip = RgbText(colour);
  for (int swatch : {g, g + kMaxGroups}) {
    k.ui.Lblpic[swatch].backColour = colour;
    k.ui.Lblpic[swatch].tooltip = tip;
  }
  s.currentGroup = g;
  s.nextGroup = g + 1;
  return true;
}

void MeasureSolid(Kaveta& k, const std::vector<std::string_view>& fields) {
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

  RunState& s = k.state;
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

bool BreakdownWanted(const Kaveta& k) {
  return k.ui.chkSansha.value == 1 && IsTableMode(k.runMode);
}

std::string RoundedQuantityText(Kaveta& k, int group, int digits) {
  RunState& s = k.state;
  const bool valid = group >= 1 && group <= kMaxGroups;
  const std::optional<double> total = valid ? s.groups[group].areaTotal : std::nullopt;
  const double multiplier = valid ? LenientNumber(s.groups[group].multiplier) : 0;
  if (total && BreakdownWanted(k)) {
    // Exactly the breakdown's figure times the multiplier, so the table,
    // the breakdown and the total agree to the last digit.
    const Decimal area = SharedBreakdownOfRow(s, group)->Area();
    const Decimal quantity =
        (area * Decimal::FromDouble(multiplier)).Rounded(digits, RoundingModeOf(k));
    s.roundedArea = quantity.Value();
    return quantity.Text(ShownDecimals(digits));
  }
  s.roundedArea = RoundQuantity(total.value_or(0) * multiplier, digits, RoundingModeOf(k));
  if (!total) return "-";
  return FormatQuantity(s.roundedArea, digits);
}

void AfterReading(Kaveta& k) {
  RunState& s = k.state;
  if (s.circularSolidFound) {
    k.Message(
        "円形関係のソリッド図形が存在します。\r\nこれらの面積は集計できません。\r\n注意してください"
        "｡ ",
        MsgIcon::Critical);
  }
  const std::string& unitText = k.ui.cbTaniD.text;
  const UnitParts parts = SplitUnitText(unitText);
  const int digits = DigitsFromText(k.ui.Comboketa.text);
  for (int g = 1; g <= LastGroup(s); ++g) {
    Control& unit = k.ui.Label5[g];
    if (unit.text.empty()) {
      unit.text = parts.unit;
      unit.tooltip = unitText;
      s.groups[g].multiplier = parts.multiplier;
    }
    k.ui.Text_sum[g].text = RoundedQuantityText(k, g, digits);
  }
  if (s.currentGroup == 0) k.Message("ソリッド図形がありません。", MsgIcon::None);
}

}  // namespace kaveta
