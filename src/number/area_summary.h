// The area summary under the area table: 敷地面積, 建築面積, 延べ面積, the
// parts the law leaves out of 容積率, and the two ratios a building
// confirmation checks against the zoning limits. Pure: the rows and the
// settings in, the lines out; the window, the stored files and the table
// composition call it.
#pragma once

#include <string>
#include <vector>

#include "number/rounding.h"

namespace kaveta {

// A row's role (区分). The index in kAreaRoles is the stored code ("kubun_"
// + row); the drop-down lists the captions in this order.
struct AreaRole {
  const char* caption;
  bool leftOut;        // left out of 容積率 (still floor area)
  int capDenominator;  // up to 延べ面積 / this; 0 for no cap (wholly left out)
};
inline constexpr int kAreaRoleCount = 13;
inline constexpr AreaRole kAreaRoles[kAreaRoleCount] = {
    {"", false, 0},
    {"敷地", false, 0},
    {"敷地から減算", false, 0},  // road setback and the like
    {"建築面積", false, 0},
    {"床面積", false, 0},
    {"床面積から減算", false, 0},  // voids and the like
    {"車庫等", true, 5},
    {"備蓄倉庫", true, 50},
    {"蓄電池", true, 50},
    {"自家発電設備", true, 100},
    {"貯水槽", true, 100},
    {"宅配ボックス", true, 100},
    {"昇降路・共用廊下等", true, 0},
};

// The ratio rounding's drop-down, in its order (the default first), with
// the stored codes of "HiritsuHasuu", which are the RoundingMode values.
struct RatioRoundingEntry {
  const char* caption;
  RoundingMode mode;
};
inline constexpr RatioRoundingEntry kRatioRoundingEntries[3] = {
    {"切り上げ", RoundingMode::Up},
    {"切り捨て", RoundingMode::Down},
    {"四捨五入", RoundingMode::HalfUp},
};

struct SummaryRow {
  int row = 0;  // 1..16, named in the remarks
  bool inUse = false;
  int role = 0;          // a code of kAreaRoles; others count as 0
  std::string quantity;  // as shown: "1,234.50", "-", typed text
  std::string unit;      // the unit caption
};

struct SummaryInput {
  std::vector<SummaryRow> rows;  // in window order
  int digits = 0;                // the digits setting
  std::string coverageLimit;     // 指定建蔽率 (%) as typed
  std::string floorAreaLimit;    // 指定容積率 (%) as typed
  RoundingMode ratioRounding = RoundingMode::Up;
};

struct SummaryLine {
  std::string item, value, unit, remark;  // 項目, 数値, 単位, 備考
};

// The summary table's header row: 項目, 数値, 単位, 備考.
SummaryLine SummaryHeader();

// The lines under the header, in order; none when no row in use has a role.
std::vector<SummaryLine> AreaSummary(const SummaryInput& in);

// What the copy appends: an empty line, then 項目 TAB 数値 TAB 単位 TAB 備考
// per line, each ending CR LF; nothing for no lines.
std::string SummaryCopyText(const std::vector<SummaryLine>& lines);

}  // namespace kaveta
