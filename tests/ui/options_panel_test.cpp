#include "ui/options_panel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "exchange/groups.h"
#include "startup/read_input.h"
#include "ui/colour_rows.h"
#include "ui_fixture.h"

namespace kaveta::testing {
namespace {

// ------------------------------------------------------------------ panel

TEST(OptionsPanel, OpeningTwiceKeepsItShownAndOkAlwaysCloses) {
  Window w(RunMode::AreaNewTable);
  optSakuhyou_Click(w.k);
  optSakuhyou_Click(w.k);
  EXPECT_TRUE(w.k.ui.Frame1.visible);
  EXPECT_FALSE(w.k.ui.henshu.enabled);
  EXPECT_TRUE(w.k.ui.option.enabled);  // the other menus stay usable
  EXPECT_TRUE(w.k.ui.files.enabled);
  cmdOptionOK_Click(w.k);
  EXPECT_FALSE(w.k.ui.Frame1.visible);
  EXPECT_TRUE(w.k.ui.henshu.enabled);
  cmdOptionOK_Click(w.k);
  EXPECT_FALSE(w.k.ui.Frame1.visible);
  EXPECT_TRUE(w.k.ui.henshu.enabled);
}

// ------------------------------------------------------------ ruled lines

struct KeisenCase {
  int check;
  std::vector<int> combos;
};

class RuledLineCheck : public ::testing::TestWithParam<KeisenCase> {};

TEST_P(RuledLineCheck, TogglesItsOwnThreeCombosOnly) {
  const KeisenCase& c = GetParam();
  Window w(RunMode::TableDesign);
  auto own = [&](int i) {
    return std::find(c.combos.begin(), c.combos.end(), i) != c.combos.end();
  };
  const std::string textBefore = w.k.ui.Combo1[c.combos[0]].text;

  w.k.ui.ckKeisen[c.check].value = 0;
  ckKeisen_Click(w.k, c.check);
  for (int i = 1; i <= 11; ++i) EXPECT_EQ(w.k.ui.Combo1[i].enabled, !own(i)) << "off " << i;

  w.k.ui.ckKeisen[c.check].value = 1;
  ckKeisen_Click(w.k, c.check);
  for (int i = 1; i <= 11; ++i) EXPECT_TRUE(w.k.ui.Combo1[i].enabled) << "on " << i;
  EXPECT_EQ(w.k.ui.Combo1[c.combos[0]].text, textBefore);
}

INSTANTIATE_TEST_SUITE_P(OptionsPanel, RuledLineCheck,
                         ::testing::Values(KeisenCase{0, {9, 1, 5}}, KeisenCase{1, {10, 2, 6}},
                                           KeisenCase{2, {11, 7, 8}}));

// ---------------------------------------------------------- digits picked

struct Area {
  double total;
  const char* multiplier;
};

struct DigitsCase {
  Area area;
  const char* digits;
  const char* expected;
};

class DigitsPick : public ::testing::TestWithParam<DigitsCase> {};

TEST_P(DigitsPick, ReRoundsNumericRows) {
  const DigitsCase& c = GetParam();
  Window w(RunMode::AreaNewTable);
  w.k.state.groups[2].areaTotal = c.area.total;
  w.k.state.groups[2].multiplier = c.area.multiplier;
  w.k.ui.Text_sum[2].text = "99";
  w.k.ui.Comboketa.text = c.digits;
  Comboketa_Click(w.k);
  EXPECT_EQ(w.k.ui.Text_sum[2].text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(OptionsPanel, DigitsPick,
                         ::testing::Values(DigitsCase{{12.345, "1"}, "1", "12.3"},
                                           DigitsCase{{12.345, "1"}, "2", "12.35"},
                                           DigitsCase{{12.345, "1"}, "-1", "10"},
                                           DigitsCase{{12.345, "1"}, "4", "12.3450"},
                                           DigitsCase{{1234.5, "1"}, "0", "1,235"},
                                           DigitsCase{{2.25, "1"}, "1", "2.3"},
                                           DigitsCase{{100, "0.3025"}, "1", "30.3"},
                                           DigitsCase{{123456, "1"}, "-3", "123,000"},
                                           DigitsCase{{12.5, "2"}, "3", "25.000"}));

TEST(OptionsPanel, DigitsPickLeavesDashAndEmptyRowsAlone) {
  Window w(RunMode::AreaNewTable);
  for (int r : {1, 2, 3}) {
    w.k.state.groups[r].areaTotal = 5.0;
    w.k.state.groups[r].multiplier = "1";
  }
  w.k.ui.Text_sum[1].text = "-";
  w.k.ui.Text_sum[2].text = "";
  w.k.ui.Text_sum[3].text = "1,000.5";
  w.k.ui.Comboketa.text = "2";
  Comboketa_Click(w.k);
  EXPECT_EQ(w.k.ui.Text_sum[1].text, "-");
  EXPECT_EQ(w.k.ui.Text_sum[2].text, "");
  EXPECT_EQ(w.k.ui.Text_sum[3].text, "5.00");
}

TEST(OptionsPanel, TypedNumberWithoutMeasuredAreaBecomesZero) {
  Window w(RunMode::TableDesign);
  w.k.ui.Text_sum[4].text = "17";
  w.k.ui.Comboketa.text = "1";
  Comboketa_Click(w.k);
  EXPECT_EQ(w.k.ui.Text_sum[4].text, "0.0");
}

TEST(OptionsPanel, PickingThreeAgainReproducesTheStartUpTexts) {
  Window w(RunMode::AreaNewTable);
  const double totals[] = {12.3456789, 0.0005, 1234567.8915, 2.5};
  for (int g = 1; g <= 4; ++g) w.k.state.groups[g].areaTotal = totals[g - 1];
  w.k.state.nextGroup = 6;  // group 5 has no measured area
  w.k.state.currentGroup = 1;
  w.k.ui.cbTaniD.text = "m^2,1.1";
  AfterReading(w.k);
  std::vector<std::string> startUp;
  for (int r = 1; r <= 16; ++r) startUp.push_back(w.k.ui.Text_sum[r].text);
  ASSERT_EQ(startUp[0], "13.580");
  ASSERT_EQ(startUp[4], "-");

  w.k.ui.Comboketa.text = "1";
  Comboketa_Click(w.k);
  EXPECT_EQ(w.k.ui.Text_sum[1].text, "13.6");
  w.k.ui.Comboketa.text = "3";
  Comboketa_Click(w.k);
  for (int r = 1; r <= 16; ++r) EXPECT_EQ(w.k.ui.Text_sum[r].text, startUp[r - 1]) << r;
}

TEST(OptionsPanel, DigitsPickAfterADropDoesNothing) {
  Window w(RunMode::AreaNewTable);
  w.Fill(1, 0x0000FF);
  w.Fill(2, 0x00FF00);
  w.k.state.groups[1].areaTotal = 1.0;
  w.k.state.groups[1].multiplier = "1";
  w.k.state.groups[2].areaTotal = 20.0;
  w.k.state.groups[2].multiplier = "1";
  w.k.ui.Text_sum[1].text = "1.000";
  w.k.ui.Text_sum[2].text = "20.000";
  Lblpic_DragDrop(w.k, 1, 2, true);
  ASSERT_EQ(w.k.ui.Text_sum[1].text, "20.000");
  w.k.ui.Comboketa.text = "1";
  Comboketa_Click(w.k);
  // Re-rounding now would pair row 1's quantity with group 1's total.
  EXPECT_EQ(w.k.ui.Text_sum[1].text, "20.000");
  EXPECT_EQ(w.k.ui.Text_sum[2].text, "1.000");
}

// A rounding-mode pick re-rounds the rows as a digits pick does, and stops
// working once a drop swapped rows.
TEST(OptionsPanel, RoundingModePickReRoundsTheNumericRows) {
  const std::pair<const char*, const char*> picks[] = {
      {"切り捨て", "12.34"}, {"切り上げ", "12.35"}, {"四捨五入", "12.35"}, {"丸めない", "12.35"}};
  Window w(RunMode::AreaNewTable);
  w.k.state.groups[1].areaTotal = 12.345;
  w.k.state.groups[1].multiplier = "1";
  w.k.ui.Text_sum[1].text = "12.345";
  w.k.ui.Text_sum[2].text = "-";
  w.k.ui.Comboketa.text = "2";
  for (const auto& [caption, expected] : picks) {
    w.k.ui.cboHasuu.text = caption;
    cboHasuu_Click(w.k);
    EXPECT_EQ(w.k.ui.Text_sum[1].text, expected) << caption;
    EXPECT_EQ(w.k.ui.Text_sum[2].text, "-");
  }
  EXPECT_EQ(w.k.roundingMode, 0);  // an unknown caption keeps the mode

  w.Fill(1, 0x0000FF);
  w.Fill(2, 0x00FF00);
  Lblpic_DragDrop(w.k, 1, 2, true);
  EXPECT_FALSE(w.k.ui.cboHasuu.enabled);
  w.k.ui.cboHasuu.text = "切り捨て";
  cboHasuu_Click(w.k);
  EXPECT_EQ(w.k.roundingMode, 0);
}

// -------------------------------------------------------------- table type

TEST(OptionsPanel, TableTypeFollowsTheChosenOption) {
  Window w(RunMode::AreaNewTable);
  Option1_Click(w.k, 1);
  EXPECT_EQ(w.k.tableStyle, 1);
  EXPECT_EQ(w.k.ui.Option1[1].value, 1);
  EXPECT_EQ(w.k.ui.Option1[0].value, 0);
  Option1_Click(w.k, 0);
  EXPECT_EQ(w.k.tableStyle, 0);
  EXPECT_EQ(w.k.ui.Option1[0].value, 1);
  EXPECT_EQ(w.k.ui.Option1[1].value, 0);
}

// -------------------------------------------------------------- name case

struct CaseCase {
  const char* before;
  int value;
  const char* after;
};

class NameCase : public ::testing::TestWithParam<CaseCase> {};

TEST_P(NameCase, ChangesTheLettersOfEveryName) {
  const CaseCase& c = GetParam();
  Window w(RunMode::LayerNaming);
  for (int r = 1; r <= 16; ++r) w.k.ui.txtname[r].text = c.before;
  w.k.ui.chkC.value = c.value;
  chkC_Click(w.k);
  for (int r = 1; r <= 16; ++r) EXPECT_EQ(w.k.ui.txtname[r].text, c.after) << r;
}

INSTANTIATE_TEST_SUITE_P(OptionsPanel, NameCase,
                         ::testing::Values(CaseCase{"#c#0080ff", 1, "#C#0080FF"},
                                           CaseCase{"#C#0080FF", 0, "#c#0080ff"},
                                           CaseCase{"#c#Ab12eF", 1, "#C#AB12EF"},
                                           // Full-width letters are letters too; kanji stay.
                                           CaseCase{"壁ａＢ-Wall", 1, "壁ＡＢ-WALL"},
                                           CaseCase{"壁ａＢ-Wall", 0, "壁ａｂ-wall"},
                                           CaseCase{"", 1, ""}));

// --------------------------------------------------------------- alignment

struct AlignCase {
  const char* name;
  std::function<void(Kaveta&)> click;
  Alignment alignment;
  std::int32_t stored;
  bool left, centre, right;
};

class AlignmentMenu : public ::testing::TestWithParam<AlignCase> {};

TEST_P(AlignmentMenu, AlignsNamesStoresAndChecks) {
  const AlignCase& c = GetParam();
  Window w(RunMode::AreaNewTable);
  // Start from another state so every field has to change.
  const Alignment other = c.alignment == Alignment::Centre ? Alignment::Right : Alignment::Centre;
  for (int r = 1; r <= 16; ++r) w.k.ui.txtname[r].alignment = other;
  w.k.ui.mnuMleft.checked = !c.left;
  w.k.ui.mnuMcenter.checked = !c.centre;
  w.k.ui.mnuMright.checked = !c.right;
  w.k.itemAlignment = 7;
  c.click(w.k);
  for (int r = 1; r <= 16; ++r) EXPECT_EQ(w.k.ui.txtname[r].alignment, c.alignment) << r;
  EXPECT_EQ(w.k.itemAlignment, c.stored);
  EXPECT_EQ(w.k.ui.mnuMleft.checked, c.left);
  EXPECT_EQ(w.k.ui.mnuMcenter.checked, c.centre);
  EXPECT_EQ(w.k.ui.mnuMright.checked, c.right);
}

INSTANTIATE_TEST_SUITE_P(
    OptionsPanel, AlignmentMenu,
    ::testing::Values(AlignCase{"Left", mnuMleft_Click, Alignment::Left, 0, true, false, false},
                      AlignCase{"Centre", mnuMcenter_Click, Alignment::Centre, 2, false, true,
                                false},
                      AlignCase{"Right", mnuMright_Click, Alignment::Right, 1, false, false, true},
                      AlignCase{"Stored0", [](Kaveta& k) { ApplyItemAlignment(k, 0); },
                                Alignment::Left, 0, true, false, false},
                      AlignCase{"Stored1", [](Kaveta& k) { ApplyItemAlignment(k, 1); },
                                Alignment::Right, 1, false, false, true},
                      AlignCase{"Stored2", [](Kaveta& k) { ApplyItemAlignment(k, 2); },
                                Alignment::Centre, 2, false, true, false}),
    [](const ::testing::TestParamInfo<AlignCase>& info) { return std::string(info.param.name); });

TEST(OptionsPanel, StoredAlignmentOutsideTheThreeChangesNothing) {
  for (std::int32_t value : {3, -1, 100}) {
    Window w(RunMode::AreaNewTable);
    w.k.itemAlignment = value;
    ApplyItemAlignment(w.k, value);
    EXPECT_FALSE(w.k.ui.mnuMleft.checked) << value;
    EXPECT_FALSE(w.k.ui.mnuMcenter.checked) << value;
    EXPECT_FALSE(w.k.ui.mnuMright.checked) << value;
    for (int r = 1; r <= 16; ++r) EXPECT_EQ(w.k.ui.txtname[r].alignment, Alignment::Left) << value;
    EXPECT_EQ(w.k.itemAlignment, value);
  }
}

}  // namespace
}  // namespace kaveta::testing
