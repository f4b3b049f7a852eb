#include "ui/editors.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ui/colour_rows.h"
#include "ui/options_panel.h"
#include "ui_fixture.h"

namespace kaveta::testing {
namespace {

void NameRows(Window& w) {
  for (int r = 1; r <= 16; ++r) w.k.ui.txtname[r].text = "name" + std::to_string(r);
}

void UnitRows(Window& w) {
  for (int r = 1; r <= 16; ++r) {
    w.k.ui.Label5[r].text = "u" + std::to_string(r);
    w.k.ui.Label5[r].tooltip = "u" + std::to_string(r) + "," + std::to_string(r);
  }
}

void ExpectOver(const Control& editor, const Control& cell) {
  EXPECT_TRUE(editor.visible);
  EXPECT_EQ(editor.left, cell.left);
  EXPECT_EQ(editor.top, cell.top);
  EXPECT_EQ(editor.width, cell.width);
}

// ------------------------------------------------------------ name editor

TEST(Editors, NameClickLoadsAndPlacesTheEditor) {
  Window w(RunMode::AreaNewTable);
  NameRows(w);
  txtname_Click(w.k, 6);
  EXPECT_EQ(w.k.currentNameRow, 6);
  EXPECT_EQ(w.k.ui.Combo2.text, "name6");
  ExpectOver(w.k.ui.Combo2, w.k.ui.txtname[6]);
  EXPECT_EQ(w.k.ui.txtname[6].text, "name6");
}

TEST(Editors, EveryNameEditorEventWritesTheRow) {
  const std::vector<std::pair<const char*, std::function<void(Kaveta&)>>> events = {
      {"Change", Combo2_Change},
      {"Click", Combo2_Click},
      {"KeyDown", [](Kaveta& k) { Combo2_KeyDown(k, 65); }},
      {"LostFocus", Combo2_LostFocus}};
  for (const auto& [name, event] : events) {
    Window w(RunMode::TableDesign);
    NameRows(w);
    txtname_Click(w.k, 3);
    w.k.ui.Combo2.text = "玄関ホール";
    event(w.k);
    EXPECT_EQ(w.k.ui.txtname[3].text, "玄関ホール") << name;
    EXPECT_EQ(w.k.currentNameRow, 3) << name;  // only Enter moves on
    EXPECT_EQ(w.k.ui.txtname[4].text, "name4") << name;
    EXPECT_EQ(w.k.ui.Combo2.visible, std::string(name) != "LostFocus") << name;
  }
}

TEST(Editors, NameEnterWalksEveryRowAndWraps) {
  Window w(RunMode::TableDesign);
  NameRows(w);
  w.k.ui.txtname[9].text.clear();  // empty rows are visited too
  txtname_Click(w.k, 1);
  for (int step = 1; step <= 16; ++step) {
    const int expected = step % 16 + 1;
    Combo2_KeyDown(w.k, 13);
    EXPECT_EQ(w.k.currentNameRow, expected);
    EXPECT_EQ(w.k.ui.Combo2.text, w.k.ui.txtname[expected].text);
    ExpectOver(w.k.ui.Combo2, w.k.ui.txtname[expected]);
  }
  EXPECT_EQ(w.k.currentNameRow, 1);
}

TEST(Editors, NameEnterFromRowSixteenGoesToRowOne) {
  Window w(RunMode::TableDesign);
  NameRows(w);
  txtname_Click(w.k, 16);
  w.k.ui.Combo2.text = "last";
  Combo2_KeyDown(w.k, 13);
  EXPECT_EQ(w.k.ui.txtname[16].text, "last");
  EXPECT_EQ(w.k.currentNameRow, 1);
  EXPECT_EQ(w.k.ui.Combo2.text, "name1");
  EXPECT_EQ(w.k.ui.txtname[1].text, "name1");
  ExpectOver(w.k.ui.Combo2, w.k.ui.txtname[1]);
}

TEST(Editors, NameEditorWithoutARowWritesNowhere) {
  Window w(RunMode::TableDesign);
  NameRows(w);
  w.k.ui.Combo2.text = "stray";
  Combo2_Change(w.k);
  txtname_Click(w.k, 0);
  txtname_Click(w.k, 17);
  EXPECT_EQ(w.k.currentNameRow, 0);
  EXPECT_EQ(w.k.ui.txtname[0].text, "");
  for (int r = 1; r <= 16; ++r) EXPECT_EQ(w.k.ui.txtname[r].text, "name" + std::to_string(r));
}

// ------------------------------------------------------------ unit editor

TEST(Editors, UnitClickLoadsTheWholeUnitText) {
  Window w(RunMode::AreaNewTable);
  UnitRows(w);
  Label5_Click(w.k, 5);
  EXPECT_EQ(w.k.currentUnitRow, 5);
  EXPECT_EQ(w.k.ui.cbTani[0].text, "u5,5");
  ExpectOver(w.k.ui.cbTani[0], w.k.ui.Label5[5]);
  EXPECT_EQ(w.k.ui.Label5[5].text, "u5");
}

TEST(Editors, UnitCellZeroIsIgnored) {
  Window w(RunMode::AreaNewTable);
  UnitRows(w);
  Label5_Click(w.k, 2);
  w.k.ui.cbTani[0].enabled = false;
  Label5_Click(w.k, 0);
  EXPECT_EQ(w.k.currentUnitRow, 2);
  EXPECT_EQ(w.k.ui.cbTani[0].text, "u2,2");
  EXPECT_FALSE(w.k.ui.cbTani[0].enabled);
  ExpectOver(w.k.ui.cbTani[0], w.k.ui.Label5[2]);
}

struct UnitText {
  const char* typed;
  const char* caption;
};

class UnitUpdate : public ::testing::TestWithParam<UnitText> {};

TEST_P(UnitUpdate, CaptionIsTheTextBeforeTheFirstComma) {
  const std::vector<std::pair<const char*, std::function<void(Kaveta&)>>> events = {
      {"Change", cbTani_Change},
      {"Click", cbTani_Click},
      {"KeyDown", [](Kaveta& k) { cbTani_KeyDown(k, 40); }},
      {"LostFocus", cbTani_LostFocus}};
  for (const auto& [name, event] : events) {
    Window w(RunMode::AreaNewTable);
    UnitRows(w);
    Label5_Click(w.k, 8);
    w.k.ui.cbTani[0].text = GetParam().typed;
    event(w.k);
    EXPECT_EQ(w.k.ui.Label5[8].text, GetParam().caption) << name;
    EXPECT_EQ(w.k.ui.Label5[8].tooltip, GetParam().typed) << name;
    EXPECT_EQ(w.k.ui.Label5[9].tooltip, "u9,9") << name;
    EXPECT_EQ(w.k.currentUnitRow, 8) << name;
    EXPECT_EQ(w.k.ui.cbTani[0].visible, std::string(name) != "LostFocus") << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Editors, UnitUpdate,
                         ::testing::Values(UnitText{"坪,3.3058", "坪"}, UnitText{"m2", "m2"},
                                           UnitText{",2", ""}, UnitText{"", ""},
                                           UnitText{"m^2,1,x", "m^2"}, UnitText{"ｍ²,", "ｍ²"}));

TEST(Editors, UnitEnterFromRowSixteenLoadsRowOne) {
  Window w(RunMode::AreaNewTable);
  UnitRows(w);
  Label5_Click(w.k, 16);
  w.k.ui.cbTani[0].text = "箇所,1";
  cbTani_KeyDown(w.k, 13);
  EXPECT_EQ(w.k.ui.Label5[16].text, "箇所");
  EXPECT_EQ(w.k.ui.Label5[16].tooltip, "箇所,1");
  EXPECT_EQ(w.k.currentUnitRow, 1);
  EXPECT_EQ(w.k.ui.cbTani[0].text, "u1,1");
  ExpectOver(w.k.ui.cbTani[0], w.k.ui.Label5[1]);
  EXPECT_EQ(w.k.ui.Label5[1].text, "u1");
}

TEST(Editors, UnitEnterVisitsEmptyRows) {
  Window w(RunMode::AreaNewTable);
  UnitRows(w);
  w.k.ui.Label5[4].text.clear();
  w.k.ui.Label5[4].tooltip.clear();
  Label5_Click(w.k, 3);
  cbTani_KeyDown(w.k, 13);
  EXPECT_EQ(w.k.currentUnitRow, 4);
  EXPECT_EQ(w.k.ui.cbTani[0].text, "");
  cbTani_KeyDown(w.k, 13);
  EXPECT_EQ(w.k.currentUnitRow, 5);
  EXPECT_EQ(w.k.ui.Label5[4].text, "");
  EXPECT_EQ(w.k.ui.Label5[4].tooltip, "");
}

TEST(Editors, UnitClickAfterADropEnablesTheEditorAgain) {
  Window w(RunMode::AreaNewTable);
  UnitRows(w);
  w.Fill(1, 0x0000FF);
  w.Fill(2, 0x00FF00);
  Lblpic_DragDrop(w.k, 2, 1, true);
  ASSERT_FALSE(w.k.ui.cbTani[0].enabled);
  Label5_Click(w.k, 2);
  EXPECT_TRUE(w.k.ui.cbTani[0].enabled);
  // The unit moved with its row.
  EXPECT_EQ(w.k.ui.cbTani[0].text, "u1,1");
  // The digits box stays off.
  EXPECT_FALSE(w.k.ui.Comboketa.enabled);
}

}  // namespace
}  // namespace kaveta::testing
