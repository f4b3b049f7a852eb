// The area summary in the window: the tick shows the role column and widens
// the window; a role belongs to its row through drops and deletes.
#include <gtest/gtest.h>

#include "settings/check_effects.h"
#include "startup/load_sequence.h"
#include "ui/colour_rows.h"
#include "ui/options_panel.h"
#include "ui/rows.h"
#include "ui_fixture.h"

namespace kaveta::testing {
namespace {

bool ColumnShown(const Kaveta& k) {
  bool all = k.ui.lblKubun.visible;
  for (int r = 1; r <= kRows; ++r) all = all && k.ui.cboKubun[r].visible;
  return all;
}
bool ColumnHidden(const Kaveta& k) {
  bool none = !k.ui.lblKubun.visible;
  for (int r = 1; r <= kRows; ++r) none = none && !k.ui.cboKubun[r].visible;
  return none;
}

TEST(SummaryColumn, TickShowsTheColumnAndWidensTheWindowOnce) {
  struct Case {
    RunMode mode;
    bool shown;
  };
  const std::vector<Case> cases = {
      {RunMode::TableDesign, true},     {RunMode::AreaNewTable, true},
      {RunMode::AreaPreviousTable, true}, {RunMode::ColourChange, false},
      {RunMode::LayerNaming, false},    {RunMode::LayerNamingExternal, false},
  };
  for (const Case& c : cases) {
    Window w(c.mode);
    const int width = w.k.ui.width;
    EXPECT_TRUE(ColumnHidden(w.k));
    w.k.ui.chkGaiyou.value = 1;
    chkGaiyou_Click(w.k);
    chkGaiyou_Click(w.k);  // a second pass changes nothing
    EXPECT_EQ(ColumnShown(w.k), c.shown) << static_cast<int>(c.mode);
    EXPECT_EQ(w.k.ui.width, width + (c.shown ? kRoleColumnWidth : 0));
    w.k.ui.chkGaiyou.value = 0;
    chkGaiyou_Click(w.k);
    EXPECT_TRUE(ColumnHidden(w.k));
    EXPECT_EQ(w.k.ui.width, width);
  }
}

TEST(SummaryColumn, SitsRightOfTheUnitsRowByRow) {
  Window w(RunMode::AreaNewTable);
  for (int r = 1; r <= kRows; ++r) {
    const Control& unit = w.k.ui.Label5[r];
    const Control& role = w.k.ui.cboKubun[r];
    EXPECT_EQ(role.left, unit.left + unit.width) << r;
    EXPECT_EQ(role.top, unit.top) << r;
    EXPECT_LE(role.left + role.width, w.k.ui.width + kRoleColumnWidth) << r;
    EXPECT_EQ(role.list.size(), static_cast<std::size_t>(kAreaRoleCount));
  }
  // The column lies beyond the window's own width: it shows only when widened.
  EXPECT_GE(w.k.ui.cboKubun[1].left + kRoleColumnWidth, w.k.ui.width);
}

TEST(SummaryOptions, RatioRoundingPicks) {
  struct Case {
    const char* caption;
    int code;
  };
  for (const Case& c : std::vector<Case>{{"切り捨て", 1}, {"四捨五入", 0}, {"切り上げ", 2}}) {
    Window w(RunMode::AreaNewTable);
    w.k.ratioRounding = 5;
    w.k.ui.cboHiritsu.text = c.caption;
    cboHiritsu_Click(w.k);
    EXPECT_EQ(w.k.ratioRounding, c.code) << c.caption;
  }
  Window w(RunMode::AreaNewTable);
  EXPECT_EQ(w.k.ui.cboHiritsu.text, "切り上げ");  // the default, first in the list
  EXPECT_EQ(w.k.ratioRounding, 2);
  w.k.ui.cboHiritsu.text = "other";
  cboHiritsu_Click(w.k);
  EXPECT_EQ(w.k.ratioRounding, 2);
}

TEST(SummaryRoles, MoveWithADropAndGoWithADelete) {
  struct Case {
    int target, source;
    std::vector<int> after;  // roles of rows 1..4
  };
  const std::vector<Case> cases = {
      {1, 3, {6, 4, 1, 0}},
      {3, 1, {6, 4, 1, 0}},
      {4, 2, {1, 0, 6, 4}},
      {2 + kRows, 4, {1, 0, 6, 4}},  // dropped on the right swatch
      {2, 2, {1, 4, 6, 0}},          // onto itself: nothing
  };
  for (const Case& c : cases) {
    Window w(RunMode::AreaNewTable);
    const int roles[4] = {1, 4, 6, 0};
    for (int r = 1; r <= 4; ++r) {
      w.Fill(r, 0x100 * r);
      w.k.ui.txtname[r].text = "row " + std::to_string(r);
      SetRowRole(w.k, r, roles[r - 1]);
    }
    Lblpic_DragDrop(w.k, c.target, c.source, true);
    for (int r = 1; r <= 4; ++r) {
      EXPECT_EQ(RowRole(w.k, r), c.after[static_cast<std::size_t>(r - 1)])
          << c.target << "<-" << c.source << " row " << r;
    }
    // The name moved with it.
    for (int r = 1; r <= 4; ++r) {
      if (RowRole(w.k, r) == 6) {
        EXPECT_EQ(w.k.ui.txtname[r].text, "row 3");
      }
    }
  }

  Window w(RunMode::AreaNewTable);
  w.Fill(2, 0x123);
  SetRowRole(w.k, 2, 3);
  w.k.ui.btnChenge.text = "削除";
  Lblpic_Click(w.k, 2);
  EXPECT_EQ(RowRole(w.k, 2), 0);
  EXPECT_EQ(w.k.ui.cboKubun[2].text, "");
}

TEST(SummaryRoles, UnknownCaptionsAndCodesAreNoRole) {
  Window w(RunMode::AreaNewTable);
  for (int code : {-1, 13, 99}) {
    SetRowRole(w.k, 1, code);
    EXPECT_EQ(RowRole(w.k, 1), 0) << code;
  }
  for (int code = 0; code < kAreaRoleCount; ++code) {
    SetRowRole(w.k, 1, code);
    EXPECT_EQ(RowRole(w.k, 1), code);
  }
  w.k.ui.cboKubun[1].text = "敷地 ";
  EXPECT_EQ(RowRole(w.k, 1), 0);
}

}  // namespace
}  // namespace kaveta::testing
