#include "output/area_table.h"

#include <gtest/gtest.h>

#include "output/ok_command.h"
#include "output/output_fixture.h"

namespace kaveta {
namespace {

using testing::Harness;
using testing::kBlue;
using testing::kGreen;
using testing::kRed;
using testing::LinesOf;
using testing::SetPanel;
using testing::SetRow;
using testing::WorkedExampleRowLines;
using testing::WorkedExampleRows;

struct Table {
  Harness h;
  Kaveta k = h.Make(RunMode::AreaNewTable);
  Table() { SetPanel(k); }

  TableInputs Inputs() {
    TableInputs in;
    std::string problem;
    EXPECT_TRUE(ReadTableInputs(TakeTableSnapshot(k), k.state, in, problem)) << problem;
    return in;
  }
  std::string Compose(std::int64_t solids = 0) {
    OutputText out;
    ComposeAreaTable(TakeTableSnapshot(k), k.state, Inputs(), solids, out);
    return out.text();
  }
  std::vector<std::string> Lines(std::int64_t solids = 0) { return LinesOf(Compose(solids)); }
};

// Two rows with the longest name 8 bytes, quantity 6 characters, unit 3.
TEST(AreaTable, WorkedExampleSizes) {
  Table t;
  WorkedExampleRows(t.k);
  const TableSizes s = MeasureTable(TakeTableSnapshot(t.k), t.Inputs(), 2);
  EXPECT_EQ(s.longestName, 8);
  EXPECT_EQ(s.longestQuantity, 6);
  EXPECT_EQ(s.longestUnit, 3);
  EXPECT_EQ(s.w0, 24.0f);
  EXPECT_EQ(s.R, 8.0f);
  EXPECT_EQ(s.nameColumnWidth, 23.5f);
  EXPECT_EQ(s.quantityColumnWidth, 18.5f);
  EXPECT_EQ(s.unitColumnWidth, 11.0f);
  EXPECT_EQ(s.W, 77.0f);
  EXPECT_EQ(s.H, 16.0f);
}

TEST(AreaTable, WorkedExampleLineByLine) {
  Table t;
  WorkedExampleRows(t.k);
  std::vector<std::string> expected = {
      "#",           "bz",    "lc1", "ly5", "lt3",        "r1",  "0 -16",       "77 0",
      "0 16",        "-77 0", "r0",  "lc2", "ly6",        "lt4", "24 0 24 -16", "47.5 0 47.5 -16",
      "66 0 66 -16", "lc7",   "ly8", "lt5", "0 -8 77 -8",
  };
  const std::vector<std::string> rows = WorkedExampleRowLines();
  expected.insert(expected.end(), rows.begin(), rows.end());
  const std::string text = t.Compose();
  EXPECT_EQ(LinesOf(text), expected);
  // Every line, the last included, ends in CR LF and nothing else.
  std::string joined;
  for (const auto& line : expected) joined += line + "\r\n";
  EXPECT_EQ(text, joined);
}

TEST(AreaTable, RuledLinesOffLeaveOnlyMarkersTitleAndRows) {
  Table t;
  WorkedExampleRows(t.k);
  for (auto& box : t.k.ui.ckKeisen) box.value = 0;
  const auto lines = t.Lines();
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
            (std::vector<std::string>{"#", "bz", "cn3", "ch 1 1 2 0\"面積表", "ly4"}));
}

TEST(AreaTable, EachRuledLineGroupStandsAlone) {
  struct Case {
    int on;
    std::vector<std::string> between;  // lines between "bz" and "cn3"
  };
  const std::vector<Case> cases = {
      {0, {"lc1", "ly5", "lt3", "r1", "0 -16", "77 0", "0 16", "-77 0", "r0"}},
      {1, {"lc2", "ly6", "lt4", "24 0 24 -16", "47.5 0 47.5 -16", "66 0 66 -16"}},
      {2, {"lc7", "ly8", "lt5", "0 -8 77 -8"}},
  };
  for (const Case& c : cases) {
    Table t;
    WorkedExampleRows(t.k);
    for (int i = 0; i < 3; ++i) t.k.ui.ckKeisen[static_cast<std::size_t>(i)].value = i == c.on;
    const auto lines = t.Lines();
    std::vector<std::string> expected = {"#", "bz"};
    expected.insert(expected.end(), c.between.begin(), c.between.end());
    expected.push_back("cn3");
    EXPECT_EQ(
        std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(expected.size())),
        expected)
        << "ruled lines " << c.on;
  }
}

TEST(AreaTable, HorizontalRulesBetweenEveryPairOfRows) {
  Table t;
  for (int i = 1; i <= 4; ++i) SetRow(t.k, i, kRed, kRed, "A", "1", "m");
  t.k.ui.ckKeisen[0].value = 0;
  t.k.ui.ckKeisen[1].value = 0;
  const auto lines = t.Lines();
  // Name 1 byte, quantity 1, unit 1: W = 24 + 3 × (2 + 0 + 4) = 42.
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.begin() + 8),
            (std::vector<std::string>{"lc7", "ly8", "lt5", "0 -8 42 -8", "0 -16 42 -16",
                                      "0 -24 42 -24"}));
}

TEST(AreaTable, EmptyTableStillHasFrameTitleAndKind) {
  Table t;
  t.k.ui.txtHyoumei.text = "T";
  // No names: each column is cs × (0 − 1) / 2 + 2 × 2 = 3.5 wide.
  const std::vector<std::string> expected = {
      "#",         "bz",      "lc1", "ly5", "lt3", "r1",           "0 0",       "34.5 0",
      "0 0",       "-34.5 0", "r0",  "lc2", "ly6", "lt4",          "24 0 24 0", "27.5 0 27.5 0",
      "31 0 31 0", "lc7",     "ly8", "lt5", "cn3", "ch 1 1 2 0\"T"};
  EXPECT_EQ(t.Lines(), expected);
}

TEST(AreaTable, RowsInUseAreCountedAndNumberedInWindowOrder) {
  Table t;
  // Row 2: name only (background swatch); row 4: colour only; row 7: both.
  SetRow(t.k, 2, kWhite, kWhite, "名前", "-", "m");
  SetRow(t.k, 4, kRed, kRed, "", "5.000", "m");
  SetRow(t.k, 7, kGreen, kGreen, "X", "2.000", "m");
  for (auto& box : t.k.ui.ckKeisen) box.value = 0;
  EXPECT_EQ(TakeTableSnapshot(t.k).RowsInUse(), 3);
  const auto lines = t.Lines();
  // Name 4 bytes: name column 4 × 4 / 2 + 3 / 2 + 4 = 13.5; quantity 5
  // characters: 10 + 2 + 4 = 16.
  const std::vector<std::string> expected = {
      "#", "bz", "cn3", "ch 1 1 2 0\"",
      // table row 1 (window row 2): text, no swatch
      "ly4", "ch 26 -6 1 0 \"名前", "ch 39.5 -6 1 0 \"    -", "ch 55.5 -6 1 0 \"m",
      // table row 2 (window row 4): no name line, swatch
      "ly4", "ch 39.5 -14 1 0 \"5.000", "ch 55.5 -14 1 0 \"m", "lya", "lc10 255",
      "sl 12 -14 12 -10 22 -10 22 -14", "lc10 255", "sl 2 -14 2 -10 12 -10 12 -14",
      // table row 3 (window row 7)
      "ly4", "ch 26 -22 1 0 \"X   ", "ch 39.5 -22 1 0 \"2.000", "ch 55.5 -22 1 0 \"m", "lya",
      "lc10 65280", "sl 12 -22 12 -18 22 -18 22 -22", "lc10 65280", "sl 2 -22 2 -18 12 -18 12 -22"};
  EXPECT_EQ(lines, expected);
}

// The name line of row 1 for each alignment, names "壁" and "ABCD".
TEST(AreaTable, ItemAlignmentPadsTheNameLine) {
  struct Case {
    int mode;
    const char* first;   // name line of "壁", or "" for none
    const char* second;  // name line of "ABCD"
  };
  const Case cases[] = {
      {0, "ch 26 -6 1 0 \"壁  ", "ch 26 -14 1 0 \"ABCD"},
      {1, "ch 26 -6 1 0 \"  壁", "ch 26 -14 1 0 \"ABCD"},
      {2, "ch 26 -6 1 0 \" 壁 ", "ch 26 -14 1 0 \"ABCD"},
      {3, "ch 26 -6 1 0 \" 壁 ・", "ch 26 -14 1 0 \" ABC"},
      {4, "", ""},
  };
  for (const Case& c : cases) {
    Table t;
    for (auto& box : t.k.ui.ckKeisen) box.value = 0;
    SetRow(t.k, 1, kRed, kRed, "壁", "1", "m");
    SetRow(t.k, 2, kRed, kRed, "ABCD", "1", "m");
    t.k.itemAlignment = c.mode;
    const auto lines = t.Lines();
    std::vector<std::string> names;
    for (const auto& l : lines)
      if (l.rfind("ch 26 ", 0) == 0) names.push_back(l);
    std::vector<std::string> expected;
    if (*c.first) expected = {c.first, c.second};
    EXPECT_EQ(names, expected) << "mode " << c.mode;
  }
}

TEST(AreaTable, MarkupIsMeasuredWithoutAndWrittenWith) {
  Table t;
  for (auto& box : t.k.ui.ckKeisen) box.value = 0;
  // "ｶﾍﾞﾒﾝ" is five half-width katakana: 5 bytes. "壁^u面" measures 4 bytes
  // without its markup but is 6 bytes as written, so it gets no pads.
  SetRow(t.k, 1, kRed, kRed, "ｶﾍﾞﾒﾝ", "1", "^um^u2");
  SetRow(t.k, 2, kRed, kRed, "壁^u面", "1", "m");
  SetRow(t.k, 3, kRed, kRed, "床", "1", "m");
  const TableSizes s = MeasureTable(TakeTableSnapshot(t.k), t.Inputs(), 3);
  EXPECT_EQ(s.longestName, 5);
  EXPECT_EQ(s.longestUnit, 2);  // "^um^u2" without markup is "m2"
  const auto lines = t.Lines();
  std::vector<std::string> texts;
  for (const auto& l : lines)
    if (l.rfind("ch 26 ", 0) == 0 || l.find("\"^u") != std::string::npos) texts.push_back(l);
  // Name column 4 × 5 / 2 + 4 / 2 + 4 = 16; quantity column 2 + 0 + 4 = 6.
  EXPECT_EQ(texts, (std::vector<std::string>{"ch 26 -6 1 0 \"ｶﾍﾞﾒﾝ", "ch 48 -6 1 0 \"^um^u2",
                                             "ch 26 -14 1 0 \"壁^u面", "ch 26 -22 1 0 \"床   "}));
}

TEST(AreaTable, BlankOnlyNameGetsNoNameLine) {
  Table t;
  for (auto& box : t.k.ui.ckKeisen) box.value = 0;
  SetRow(t.k, 1, kRed, kRed, "   ", "1", "m");
  for (const auto& l : t.Lines()) EXPECT_NE(l.rfind("ch 26 ", 0), 0u) << l;
}

TEST(AreaTable, QuantitiesAreRightAlignedByCharacters) {
  Table t;
  for (auto& box : t.k.ui.ckKeisen) box.value = 0;
  SetRow(t.k, 1, kRed, kRed, "A", "1,234.500", "m");
  SetRow(t.k, 2, kRed, kRed, "A", "12.000", "m");
  std::vector<std::string> quantities;
  for (const auto& l : t.Lines())
    if (l.find("00") != std::string::npos && l.rfind("ch ", 0) == 0) quantities.push_back(l);
  // Name column 2 + 0 + 4 = 6: x = 24 + 6 + 2 = 32.
  EXPECT_EQ(quantities,
            (std::vector<std::string>{"ch 32 -6 1 0 \"1,234.500", "ch 32 -14 1 0 \"   12.000"}));
}

TEST(AreaTable, RightSwatchHalfShowsTheNewColour) {
  Table t;
  for (auto& box : t.k.ui.ckKeisen) box.value = 0;
  SetRow(t.k, 1, kRed, kBlue, "A", "1", "m");
  const auto lines = t.Lines();
  const std::vector<std::string> tail(lines.end() - 5, lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"lya", "lc10 16711680", "sl 12 -6 12 -2 22 -2 22 -6",
                                            "lc10 255", "sl 2 -6 2 -2 12 -2 12 -6"}));
}

TEST(AreaTable, SingleAndDoubleNumberTexts) {
  Table t;
  for (auto& box : t.k.ui.ckKeisen) box.value = 0;
  // w0 = 16.3 + 2 × 2 = 20.3 as single; its half is written from the
  // single value in double precision.
  t.k.ui.Text2.text = " 16.3, 2 ,2,lyb";
  SetRow(t.k, 1, kRed, kRed, "", "1", "");
  const auto lines = t.Lines();
  const std::vector<std::string> tail(lines.end() - 5, lines.end());
  EXPECT_EQ(tail,
            (std::vector<std::string>{
                "lyb", "lc10 255", "sl 10.1499996185303 -6 10.1499996185303 -2 18.3 -2 18.3 -6",
                "lc10 255", "sl 2 -6 2 -2 10.1499996185303 -2 10.1499996185303 -6"}));
}

TEST(AreaTable, FractionalSizesKeepSevenDigits) {
  Table t;
  for (auto& box : t.k.ui.ckKeisen) box.value = 0;
  t.k.state.headerTextWidth[3] = "2.5";
  t.k.state.headerTextHeight[3] = "3.5";
  t.k.state.headerTextSpacing[3] = "0.3";
  t.k.ui.Text2.text = "10,0.25,1.1,lya";
  SetRow(t.k, 1, kRed, kRed, "AB", "1", "m");
  std::vector<std::string> texts;
  for (const auto& l : t.Lines())
    if (l.rfind("ch ", 0) == 0 && l.rfind("ch 1 1 2 0", 0) != 0) texts.push_back(l);
  // w0 = 12.2, R = 4, name column 2.5 + 0.15 + 2.2 = 4.85, quantity column
  // 1.25 + 0 + 2.2 = 3.45; text base y = -4 + 0.25.
  EXPECT_EQ(texts, (std::vector<std::string>{"ch 13.3 -3.75 1 0 \"AB", "ch 18.15 -3.75 1 0 \"1",
                                             "ch 21.6 -3.75 1 0 \"m"}));
}

void AddSolid(Kaveta& k, double area, double x, double y) {
  k.state.solids.push_back({area, x, y});
  ++k.state.nextSolid;
}

TEST(AreaTable, NumberAndAreaLabelsPrecedeTheTable) {
  Table t;
  AddSolid(t.k, 0.5, 1000.0 / 3, 1000.0 / 3);
  AddSolid(t.k, 1234.5, -1500, 2000.25);
  t.k.state.currentGroupScale = 100;
  t.k.ui.chkUTIWAKE[0].value = 1;
  t.k.ui.chkUTIWAKE[1].value = 1;
  const auto lines = t.Lines(2);
  // The area labels sit one text height (4) at scale 100 below the number.
  const std::vector<std::string> expected = {"#",
                                             "ch 333.333333333333 333.333333333333 1 0 \"(1)",
                                             "ch -1500 2000.25 1 0 \"(2)",
                                             "ch 333.333333333333 -66.6666666666667 1 0 \"0.500",
                                             "ch -1500 1600.25 1 0 \"1,234.500",
                                             "bz"};
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6), expected);
}

TEST(AreaTable, AreaLabelsFollowTheDigitsList) {
  struct Case {
    const char* digits;
    const char* label;
  };
  const Case cases[] = {{"4", "1,234.5000"}, {"2", "1,234.50"}, {"1", "1,234.5"}, {"0", "1,235"},
                        {"-1", "1,235"},     {"-6", "1,235"},   {"x", "1,235"}};
  for (const Case& c : cases) {
    Table t;
    AddSolid(t.k, 1234.5, 0, 0);
    t.k.ui.chkUTIWAKE[0].value = 1;
    t.k.ui.Comboketa.text = c.digits;
    const auto lines = t.Lines(1);
    EXPECT_EQ(lines[1], std::string("ch 0 0 1 0 \"") + c.label) << c.digits;
    EXPECT_EQ(lines[2], "bz");
  }
}

TEST(AreaTable, LabelsOnlyForTheCountedSolids) {
  Table t;
  AddSolid(t.k, 1, 0, 0);
  AddSolid(t.k, 2, 10, 10);
  t.k.ui.chkUTIWAKE[1].value = 1;
  EXPECT_EQ(t.Lines(1)[2], "bz");
  EXPECT_EQ(t.Lines(0)[1], "bz");
}

TEST(AreaTable, EmptyComboKindFallsBackToTheInputKind) {
  Table t;
  t.k.ui.Combo1[3].text = "";
  t.k.state.currentTextKind = "5";
  t.k.state.headerTextWidth[5] = "2";
  t.k.state.headerTextHeight[5] = "6";
  t.k.state.headerTextSpacing[5] = "0";
  const TableInputs in = t.Inputs();
  EXPECT_EQ(in.textKind, 5);
  EXPECT_EQ(in.chh, 6.0f);
  const TableSizes s = MeasureTable(TakeTableSnapshot(t.k), in, 0);
  EXPECT_EQ(s.R, 10.0f);
}

TEST(AreaTable, UnusableInputsAreRefusedWithTheSettingNamed) {
  struct Case {
    const char* kindBox;
    const char* inputKind;
    const char* text2;
    const char* named;
  };
  const Case cases[] = {
      {"cn3", "", "20,2,2", "ソリッドの幅 , 文字と枠の隙間高 ,〃幅,レイヤ"},
      {"cn3", "", "20,x,2,lya", "ソリッドの幅 , 文字と枠の隙間高 ,〃幅,レイヤ"},
      {"cn3", "", ",2,2,lya", "ソリッドの幅 , 文字と枠の隙間高 ,〃幅,レイヤ"},
      {"cn3", "", "", "ソリッドの幅 , 文字と枠の隙間高 ,〃幅,レイヤ"},
      {"", "", "20,2,2,lya", "文字種"},
      {"", "\"$ＭＳ 明朝", "20,2,2,lya", "文字種"},
      {"cn0", "", "20,2,2,lya", "文字種"},
      {"cn17", "", "20,2,2,lya", "文字種"},
      {"cn2.5", "", "20,2,2,lya", "文字種"},
  };
  for (const Case& c : cases) {
    Table t;
    t.k.ui.Combo1[3].text = c.kindBox;
    t.k.state.currentTextKind = c.inputKind;
    t.k.ui.Text2.text = c.text2;
    TableInputs in;
    std::string problem;
    EXPECT_FALSE(ReadTableInputs(TakeTableSnapshot(t.k), t.k.state, in, problem)) << c.kindBox << " " << c.text2;
    EXPECT_NE(problem.find(std::string("「") + c.named + "」"), std::string::npos) << problem;
  }
}

TEST(AreaTable, KindsOneToSixteenAndExtraText2FieldsAreAccepted) {
  for (const char* kind : {"cn1", "cn10", "cn16"}) {
    Table t;
    t.k.ui.Combo1[3].text = kind;
    t.k.ui.Text2.text = "20,2,2,lya,extra";
    TableInputs in;
    std::string problem;
    EXPECT_TRUE(ReadTableInputs(TakeTableSnapshot(t.k), t.k.state, in, problem)) << kind;
    EXPECT_EQ(in.swatchLayer, "lya");
  }
}

}  // namespace
}  // namespace kaveta
