#include "settings/check_effects.h"

#include "number/area_summary.h"
#include "text/letter_case.h"

namespace kaveta {

void ApplyKeisenEnabled(Kaveta& k, int group) {
  if (group < 0 || group > 2) return;
  const bool enabled = k.ui.ckKeisen[group].value == 1;
  const RuleCombos& c = kRuleCombos[group];
  for (int index : {c.lineType, c.colour, c.layer}) k.ui.Combo1[index].enabled = enabled;
}

void ApplyNameCase(Kaveta& k) {
  const bool upper = k.ui.chkC.value == 1;
  for (int row = 1; row <= kRows; ++row) {
    std::string& name = k.ui.txtname[row].text;
    name = upper ? ToUpperLetters(name) : ToLowerLetters(name);
  }
}

void ApplyRoundingMode(Kaveta& k, int mode) {
  k.roundingMode = mode >= 0 && mode <= 2 ? mode : 0;
  k.ui.cboHasuu.text = kRoundingCaptions[k.roundingMode];
}

void ApplyRatioRounding(Kaveta& k, int code) {
  for (const RatioRoundingEntry& e : kRatioRoundingEntries) {
    if (static_cast<int>(e.mode) != code) continue;
    k.ratioRounding = code;
    k.ui.cboHiritsu.text = e.caption;
    return;
  }
  ApplyRatioRounding(k, static_cast<int>(kRatioRoundingEntries[0].mode));
}

void ApplySummaryColumn(Kaveta& k) {
  WindowModel& w = k.ui;
  const bool show = w.chkGaiyou.value == 1 && IsTableMode(k.runMode);
  // The header's state is the column's: the width changes once per change.
  if (show != w.lblKubun.visible) w.width += show ? kRoleColumnWidth : -kRoleColumnWidth;
  w.lblKubun.visible = show;
  for (int r = 1; r <= kRows; ++r) w.cboKubun[r].visible = show;
}

}  // namespace kaveta
