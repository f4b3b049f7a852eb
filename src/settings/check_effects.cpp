#include "settings/check_effects.h"

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

}  // namespace kaveta
