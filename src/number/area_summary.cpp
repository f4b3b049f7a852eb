#include "number/area_summary.h"

#include <cstddef>
#include <limits>
#include <optional>

#include "number/decimal_division.h"

namespace kaveta {
namespace {

constexpr int kSite = 1, kSiteDeduction = 2, kBuilding = 3, kFloor = 4, kFloorDeduction = 5,
              kFirstLeftOut = 6;

static_assert(kAreaRoles[kFirstLeftOut].leftOut && !kAreaRoles[kFirstLeftOut - 1].leftOut);

// A figure of the summary. `bad` shows it as "-"; `fault` is the remark of
// the first row in window order, of the rows its own sum took in, that is
// not a number or not in square metres.
struct Figure {
  bool counted = false;  // a row contributed
  bool bad = false;
  Decimal value;
  std::size_t faultAt = std::numeric_limits<std::size_t>::max();
  std::string fault;
};

const Decimal kMinusOne = *Decimal::Parse("-1");

void Take(Figure& sum, const Figure& term, bool subtract = false) {
  if (!term.counted) return;
  sum.counted = true;
  sum.bad = sum.bad || term.bad;
  if (term.faultAt < sum.faultAt) {
    sum.faultAt = term.faultAt;
    sum.fault = term.fault;
  }
  if (!sum.bad) sum.value = sum.value + (subtract ? term.value * kMinusOne : term.value);
}

std::string_view TrimBlanks(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  return t;
}

bool SquareMetres(std::string_view unit) {
  unit = TrimBlanks(unit);
  return unit == "m^2" || unit == "m2" || unit == "㎡";
}

// Σ per role over the rows in use, in window order.
std::vector<Figure> RoleSums(const std::vector<SummaryRow>& rows) {
  std::vector<Figure> sums(kAreaRoleCount);
  for (std::size_t at = 0; at < rows.size(); ++at) {
    const SummaryRow& r = rows[at];
    if (!r.inUse || r.role <= 0 || r.role >= kAreaRoleCount) continue;
    Figure& sum = sums[static_cast<std::size_t>(r.role)];
    sum.counted = true;
    const std::optional<Decimal> figure = Decimal::Parse(r.quantity);
    const char* fault = !figure                 ? "の数量が数値ではありません"
                        : !SquareMetres(r.unit) ? "の単位が m^2 ではありません"
                                                : nullptr;
    if (fault) {
      if (!sum.bad) {
        sum.faultAt = at;
        sum.fault = "行 " + std::to_string(r.row) + " " + fault;
      }
      sum.bad = true;
    } else if (!sum.bad) {
      sum.value = sum.value + *figure;
    }
  }
  return sums;
}

class Writer {
 public:
  explicit Writer(const SummaryInput& in) : in_(in) {}

  std::string Area(const Figure& f) const {
    return f.bad ? "-" : f.value.Text(ShownDecimals(in_.digits));
  }

  void AddArea(std::string item, const Figure& f, const std::string& remark) {
    lines_.push_back({std::move(item), Area(f), "m^2", remark});
  }

  // "-" when a figure is, or the site is not above 0; the remark compares
  // the ratio as shown with the limit as typed.
  void AddRatio(const char* item, const Figure& part, const Figure& site,
                const std::string& limitText) {
    std::optional<Decimal> ratio;
    if (!part.bad && !site.bad && CompareDecimals(site.value, Decimal()) > 0)
      ratio = RatioPercent(part.value, site.value, in_.ratioRounding);
    SummaryLine line{item, "-", "%", ""};
    if (ratio) {
      line.value.clear();
      for (const char c : ratio->Text(2))
        if (c != ',') line.value += c;
      const std::string_view typed = TrimBlanks(limitText);
      if (const std::optional<Decimal> limit = Decimal::Parse(typed))
        line.remark = "許容 " + std::string(typed) + "% " +
                      (CompareDecimals(*ratio, *limit) <= 0 ? "以内" : "超過");
    }
    lines_.push_back(std::move(line));
  }

  std::vector<SummaryLine> Lines() && { return std::move(lines_); }

 private:
  const SummaryInput& in_;
  std::vector<SummaryLine> lines_;
};

}  // namespace

SummaryLine SummaryHeader() { return {"項目", "数値", "単位", "備考"}; }

std::vector<SummaryLine> AreaSummary(const SummaryInput& in) {
  const std::vector<Figure> sums = RoleSums(in.rows);
  Figure site, building, total;
  Take(site, sums[kSite]);
  Take(site, sums[kSiteDeduction], true);
  Take(building, sums[kBuilding]);
  for (int t = kFloor; t < kAreaRoleCount; ++t)
    Take(total, sums[static_cast<std::size_t>(t)], t == kFloorDeduction);

  Writer out(in);
  if (site.counted) out.AddArea("敷地面積", site, site.fault);
  if (building.counted) out.AddArea("建築面積", building, building.fault);
  if (site.counted && building.counted) out.AddRatio("建蔽率", building, site, in.coverageLimit);
  if (!total.counted) return std::move(out).Lines();

  out.AddArea("延べ面積", total, total.fault);
  // 容積対象面積 quotes figures shown above, so a "-" in it needs no remark.
  Figure counted = total;
  for (int t = kFirstLeftOut; t < kAreaRoleCount; ++t) {
    const Figure& floor = sums[static_cast<std::size_t>(t)];
    if (!floor.counted) continue;
    const AreaRole& role = kAreaRoles[t];
    Figure leftOut = floor;
    std::string remark = "床面積 " + out.Area(floor) + " m^2、上限なし";
    if (role.capDenominator > 0) {
      // Cut, whatever the rounding mode: the cap must never exceed the law's share.
      Figure cap = total;
      if (!cap.bad)
        cap.value =
            *DivideRounded(total.value, *Decimal::Parse(std::to_string(role.capDenominator)),
                           in.digits, RoundingMode::Down);
      leftOut.bad = floor.bad || cap.bad;
      if (!leftOut.bad && CompareDecimals(cap.value, floor.value) < 0) leftOut.value = cap.value;
      remark = "床面積 " + out.Area(floor) + " m^2、上限 1/" + std::to_string(role.capDenominator) +
               " = " + out.Area(cap) + " m^2";
    }
    out.AddArea(std::string("容積率不算入（") + role.caption + "）", leftOut,
                floor.bad ? floor.fault : remark);
    Take(counted, leftOut, true);
  }
  out.AddArea("容積対象面積", counted, "");
  if (site.counted) out.AddRatio("容積率", counted, site, in.floorAreaLimit);
  return std::move(out).Lines();
}

std::string SummaryCopyText(const std::vector<SummaryLine>& lines) {
  if (lines.empty()) return "";
  std::string text = "\r\n";
  for (const SummaryLine& l : lines)
    text += l.item + "\t" + l.value + "\t" + l.unit + "\t" + l.remark + "\r\n";
  return text;
}

}  // namespace kaveta
