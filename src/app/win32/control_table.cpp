#include "app/win32/control_table.h"

namespace kaveta::view {
namespace {

struct Builder {
  std::vector<ViewControl> rows;
  void Add(Control& c, int id, Role role, int index = 0, bool inPanel = false) {
    ViewControl v;
    v.model = &c;
    v.id = id;
    v.role = role;
    v.index = index;
    v.inPanel = inPanel;
    rows.push_back(v);
  }
};

}  // namespace

// IDs: families 2000 + base + element, single controls from 2601 in a
// fixed order; element 0 of the row families is never a row and gets no
// real control.
std::vector<ViewControl> BuildControlTable(WindowModel& w) {
  Builder b;
  b.Add(w.btnChenge, 2601, Role::RowMode);
  b.Add(w.Label4, 2602, Role::Passive);
  b.Add(w.txtHyoumei, 2603, Role::Text);
  b.Add(w.Label2, 2604, Role::Passive);
  b.Add(w.Label3, 2605, Role::Passive);
  b.Add(w.txttani, 2606, Role::QuantityHead);
  b.Add(w.lbltani[0], 2607, Role::Passive);
  for (int r = 1; r <= kRows; ++r) {
    b.Add(w.Lblpic[r], 2000 + r, Role::Swatch, r);
    b.Add(w.Lblpic[r + 16], 2000 + r + 16, Role::Swatch, r + 16);
    b.Add(w.txtname[r], 2100 + r, Role::NameCell, r);
    b.Add(w.Text_sum[r], 2200 + r, Role::Text, r);
    b.Add(w.Label5[r], 2300 + r, Role::UnitCell, r);
    b.Add(w.cboKubun[r], 2700 + r, Role::RoleCombo, r);
  }
  b.Add(w.lblKubun, 2629, Role::Passive);
  b.Add(w.Label7, 2608, Role::Passive);
  b.Add(w.chkC, 2609, Role::CaseSwitch);
  b.Add(w.Command3, 2610, Role::CopyOk);
  b.Add(w.Command2, 2611, Role::Ok);
  b.Add(w.lblGoukei, 2624, Role::Passive);
  b.Add(w.Combo2, kNameEditorId, Role::NameEditor);
  b.Add(w.cbTani[0], kUnitEditorId, Role::UnitEditor);

  // The settings panel and its contents, top to bottom.
  b.Add(w.Frame1, kFrame1Id, Role::Passive);
  const bool panel = true;
  b.Add(w.Label1[0], 2530, Role::Passive, 0, panel);
  b.Add(w.cbTaniD, 2615, Role::Text, 0, panel);
  b.Add(w.Label1[3], 2533, Role::Passive, 3, panel);
  b.Add(w.Comboketa, 2616, Role::DigitsCombo, 0, panel);
  b.Add(w.cboHasuu, 2621, Role::RoundingCombo, 0, panel);
  b.Add(w.Label1[5], 2535, Role::Passive, 5, panel);
  b.Add(w.Combo1[kTextKindCombo], 2400 + kTextKindCombo, Role::Text, kTextKindCombo, panel);
  b.Add(w.Combo1[kTextLayerCombo], 2400 + kTextLayerCombo, Role::Text, kTextLayerCombo, panel);
  b.Add(w.Label1[4], 2534, Role::Passive, 4, panel);
  b.Add(w.Text2, 2617, Role::Text, 0, panel);
  b.Add(w.Label6[0], 2540, Role::Passive, 0, panel);
  // Each ruled-line group: its check, then line type, colour and layer.
  for (int g = 0; g < 3; ++g) {
    b.Add(w.ckKeisen[g], 2500 + g, Role::Keisen, g, panel);
    const RuleCombos& rule = kRuleCombos[g];
    for (int c : {rule.lineType, rule.colour, rule.layer})
      b.Add(w.Combo1[c], 2400 + c, Role::Text, c, panel);
  }
  b.Add(w.chkUTIWAKE[1], 2511, Role::Check, 1, panel);
  b.Add(w.chkUTIWAKE[0], 2510, Role::Check, 0, panel);
  b.Add(w.chkGoukei, 2622, Role::Check, 0, panel);
  b.Add(w.chkSansha, 2623, Role::Breakdown, 0, panel);
  b.Add(w.Label6[1], 2541, Role::Passive, 1, panel);
  b.Add(w.chkGaiyou, 2625, Role::Summary, 0, panel);
  b.Add(w.chkM, 2620, Role::Check, 0, panel);
  b.Add(w.lblKenpei, 2630, Role::Passive, 0, panel);
  b.Add(w.txtKenpei, 2626, Role::Text, 0, panel);
  b.Add(w.lblYouseki, 2631, Role::Passive, 0, panel);
  b.Add(w.txtYouseki, 2627, Role::Text, 0, panel);
  b.Add(w.Frame2, 2618, Role::Passive, 0, panel);
  b.Add(w.Option1[0], 2520, Role::TableStyle, 0, panel);
  b.Add(w.Option1[1], 2521, Role::TableStyle, 1, panel);
  b.Add(w.cmdOptionOK, 2619, Role::PanelOk, 0, panel);
  // Under the copy frame, below the panel's ＯＫ.
  b.Add(w.lblHiritsu, 2632, Role::Passive, 0, panel);
  b.Add(w.cboHiritsu, 2628, Role::RatioRoundingCombo, 0, panel);
  return b.rows;
}

}  // namespace kaveta::view
