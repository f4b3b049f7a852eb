#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

#include "exchange_fixture.h"
#include "number/number_text.h"
#include "number/rounding.h"
#include "ui/row_quantity.h"

namespace kaveta::testing {
namespace {

// Measures one "sl" line for group 1 and returns the stored figure.
SolidFigure MeasureLine(Reading& r, const std::string& line) {
  if (r.k.state.currentGroup == 0) FindOrAddGroup(r.k.state, 1);
  std::vector<std::string_view> fields;
  std::string_view rest = line;
  for (;;) {
    const std::size_t blank = rest.find(' ');
    fields.push_back(rest.substr(0, blank));
    if (blank == std::string_view::npos) break;
    rest.remove_prefix(blank + 1);
  }
  MeasureSolid(r.k.state, fields);
  return r.k.state.solids.back();
}

TEST(Groups, NewGroupsTakeTheNextSlotAndPaintTheirSwatches) {
  Reading r;
  r.Read({"hq", "lc10 16744512", "sl 0 0 1000 0 0 1000", "lc10 0", "sl 0 0 1000 0 0 1000"});
  EXPECT_EQ(r.k.state.nextGroup, 3);
  EXPECT_EQ(r.k.state.currentGroup, 2);
  EXPECT_EQ(r.k.ui.Lblpic[1].backColour, 16744512);
  EXPECT_EQ(r.k.ui.Lblpic[1].tooltip, "R:64 G:128 B:255");
  EXPECT_EQ(r.k.ui.Lblpic[17].backColour, 16744512);
  EXPECT_EQ(r.k.ui.Lblpic[17].tooltip, "R:64 G:128 B:255");
  EXPECT_EQ(r.k.ui.Lblpic[2].backColour, 0);
  EXPECT_EQ(r.k.ui.Lblpic[18].tooltip, "R:0 G:0 B:0");
  EXPECT_EQ(r.k.ui.Lblpic[3].tooltip, "");
  EXPECT_TRUE(FindOrAddGroup(r.k.state, 16744512));
  EXPECT_EQ(r.k.state.currentGroup, 1);
  EXPECT_EQ(r.k.state.nextGroup, 3);
}

TEST(Groups, SameColourSeparatedByOthersFallsIntoOneGroup) {
  Reading r;
  r.Read({"hq", "lc10 0", "sl 0 0 1000 0 0 1000", "lc10 255", "sl 0 0 1000 0 0 1000", "lc10 0",
          "sl 0 0 2000 0 0 2000"});
  ASSERT_EQ(r.k.state.nextGroup, 3);
  EXPECT_EQ(r.Group(1).colour, 0);  // black read first is group 1 like any colour
  EXPECT_EQ(r.MeasuredIn(1), 2);
  EXPECT_DOUBLE_EQ(*r.Group(1).areaTotal, 2.5);
  EXPECT_EQ(r.Group(1).measuredLines, "sl 0 0 1000 0 0 1000\r\nsl 0 0 2000 0 0 2000\r\n");
  EXPECT_EQ(r.MeasuredIn(2), 1);
}

TEST(Groups, LastOfEqualRestoredColoursWins) {
  Reading r(RunMode::AreaPreviousTable);
  r.k.state.nextGroup = 4;
  r.k.state.groups[1].colour = 7;
  r.k.state.groups[2].colour = 9;
  r.k.state.groups[3].colour = 7;
  EXPECT_TRUE(FindOrAddGroup(r.k.state, 7));
  EXPECT_EQ(r.k.state.currentGroup, 3);
  EXPECT_EQ(r.k.state.nextGroup, 4);
}

TEST(Groups, SixteenColoursAreReadWithoutAMessage) {
  Reading r;
  std::vector<std::string> lines = {"hq"};
  for (int c = 1; c <= 16; ++c) {
    lines.push_back("lc10 " + std::to_string(c * 1000));
    lines.push_back("sl 0 0 1000 0 0 1000");
  }
  EXPECT_EQ(r.Read(lines), ReadOutcome::Complete);
  EXPECT_TRUE(r.Messages().empty());
  EXPECT_EQ(r.k.state.nextGroup, 17);
  EXPECT_EQ(r.Group(16).colour, 16000);
  EXPECT_EQ(r.k.ui.Lblpic[32].backColour, 16000);
}

// The 17th colour stops the reading, but the lines from there on stay in
// the pass-through text in order, under an explicit colour line.
TEST(Groups, SeventeenthColourStopsAndKeepsTheRest) {
  Reading r;
  std::vector<std::string> lines = {"hq"};
  for (int c = 1; c <= 16; ++c) {
    lines.push_back("lc10 " + std::to_string(c));
    lines.push_back("sl 0 0 1000 0 0 1000");
  }
  lines.insert(lines.end(), {"0 0 5 5", "lc5", "sl 0 0 2000 0 0 2000", "lc10 3",
                             "sl 0 0 1000 0 0 1000", "ch 0 0 1 0 \"室", "", "sc 1 2 3"});
  EXPECT_EQ(r.Read(lines), ReadOutcome::Stopped);
  ASSERT_EQ(r.Messages(), std::vector<std::string>{"16色を越えました。"});
  EXPECT_EQ(r.h.dialogs.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(r.k.state.nextGroup, 17);
  EXPECT_EQ(r.MeasuredIn(3), 1);  // nothing after the stop is interpreted
  EXPECT_EQ(r.k.state.nextSolid, 17);
  std::string expected;
  for (int i = 0; i < 32; ++i) expected += "\r\n";
  expected += Lines({"0 0 5 5", "lc5", "lc10 " + std::to_string(HostPen(5)), "sl 0 0 2000 0 0 2000",
                     "lc10 3", "sl 0 0 1000 0 0 1000", "ch 0 0 1 0 \"室", "", "sc 1 2 3"});
  EXPECT_EQ(r.k.state.passThroughText, expected);
}

TEST(Groups, CircleLineCanAlsoStopAtTheLimit) {
  Reading r(RunMode::ColourChange);
  std::vector<std::string> lines = {"hq"};
  for (int c = 1; c <= 16; ++c) lines.insert(lines.end(), {"lc10 " + std::to_string(c), "sc 1"});
  lines.insert(lines.end(), {"lc10 -7", "SE 9 9"});
  EXPECT_EQ(r.Read(lines), ReadOutcome::Stopped);
  std::string expected;
  for (int i = 0; i < 33; ++i) expected += "\r\n";
  EXPECT_EQ(r.k.state.passThroughText, expected + "lc10 -7\r\nSE 9 9\r\n");
}

struct AreaCase {
  const char* name;
  std::string line;
  double area;
  double centreX;
  double centreY;
};

class Measure : public ::testing::TestWithParam<AreaCase> {};

TEST_P(Measure, AreaAndCentre) {
  Reading r;
  const SolidFigure s = MeasureLine(r, GetParam().line);
  EXPECT_NEAR(s.area, GetParam().area, 1e-12);
  EXPECT_NEAR(s.centreX, GetParam().centreX, 1e-9);
  EXPECT_NEAR(s.centreY, GetParam().centreY, 1e-9);
  EXPECT_EQ(r.k.state.nextSolid, 2);
  ASSERT_TRUE(r.Group(1).areaTotal.has_value());
  EXPECT_EQ(*r.Group(1).areaTotal, s.area);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, Measure,
    ::testing::Values(
        AreaCase{"RightTriangle", "sl 0 0 1000 0 0 1000", 0.5, 1000.0 / 3, 1000.0 / 3},
        AreaCase{"TriangleClockwise", "sl 0 0 0 1000 1000 0", 0.5, 1000.0 / 3, 1000.0 / 3},
        AreaCase{"Degenerate", "sl 0 0 1000 1000 3000 3000", 0, 4000.0 / 3, 4000.0 / 3},
        AreaCase{"SquareA", "sl 0 0 2000 0 2000 2000 0 2000", 4, 1000, 1000},
        AreaCase{"SquareB", "sl 2000 0 2000 2000 0 2000 0 0", 4, 1000, 1000},
        AreaCase{"SquareC", "sl 2000 2000 0 2000 0 0 2000 0", 4, 1000, 1000},
        AreaCase{"SquareD", "sl 0 2000 0 0 2000 0 2000 2000", 4, 1000, 1000},
        AreaCase{"SquareReversedA", "sl 0 0 0 2000 2000 2000 2000 0", 4, 1000, 1000},
        AreaCase{"SquareReversedB", "sl 2000 2000 2000 0 0 0 0 2000", 4, 1000, 1000},
        // a self-crossing quadrilateral gives the difference of its lobes
        AreaCase{"Bowtie", "sl 0 0 2000 2000 2000 0 0 2000", 0, 1000, 1000},
        AreaCase{"Negative", "sl -1000 -1000 -3000 -1000 -3000 -2000", 1, -7000.0 / 3, -4000.0 / 3},
        AreaCase{"Decimals", "sl 0.5 0 1000.5 0 1000.5 500 0.5 500", 0.5, 500.5, 250},
        // fields that are no numbers count as 0
        AreaCase{"NotNumbers", "sl x 0 1000 y 0 1000abc", 0.5, 1000.0 / 3, 1000.0 / 3}),
    [](const auto& info) { return std::string(info.param.name); });

// The order of operations is fixed: the same figures must give the same
// bits as the described formula, not just a close value.
TEST(Groups, AreaFollowsTheGivenOrderOfOperations) {
  Reading r;
  const double f[8] = {123.457, 98765.4321, 33333.3, 1.1, 77777.77, 55555.5, 4.4, 99999.9};
  std::string line = "sl";
  for (double v : f) line += " " + DoubleText(v);
  const SolidFigure s = MeasureLine(r, line);
  double x[5], y[5];
  for (int i = 1; i <= 4; ++i) x[i] = f[2 * i - 2] / 1000, y[i] = f[2 * i - 1] / 1000;
  const double t1 = (y[2] - y[4]) * x[1], t2 = (y[3] - y[1]) * x[2];
  const double t3 = (y[4] - y[2]) * x[3], t4 = (y[1] - y[3]) * x[4];
  EXPECT_EQ(s.area, std::fabs(t2 + t1 + t3 + t4) / 2);
  EXPECT_EQ(s.centreX, (x[2] + x[1] + x[3] + x[4]) / 4 * 1000);
  EXPECT_EQ(s.centreY, (y[2] + y[1] + y[3] + y[4]) / 4 * 1000);
}

TEST(Groups, SolidsAreNumberedInReadingOrder) {
  Reading r;
  r.k.state.solids.resize(2);  // the load sequence's indices 0..1
  r.Read({"hq", "lc10 1", "sl 0 0 1000 0 0 1000", "lc10 2", "sl 0 0 2000 0 2000 2000 0 2000",
          "lc10 1", "sl 0 0 1000 0 1000 1000"});
  ASSERT_EQ(r.k.state.solids.size(), 3u);
  EXPECT_EQ(r.k.state.nextSolid, 4);
  EXPECT_DOUBLE_EQ(r.k.state.solids[0].area, 0.5);
  EXPECT_DOUBLE_EQ(r.k.state.solids[1].area, 4);
  EXPECT_DOUBLE_EQ(r.k.state.solids[2].centreX, 2000.0 / 3);
  EXPECT_DOUBLE_EQ(*r.Group(1).areaTotal, 1.0);
  EXPECT_DOUBLE_EQ(*r.Group(2).areaTotal, 4.0);
}

struct RoundCase {
  double total;
  const char* multiplier;
  int digits;
  const char* shown;
};

class Rounding : public ::testing::TestWithParam<RoundCase> {};

TEST_P(Rounding, HalfUpWithTheMultiplier) {
  const RoundCase& c = GetParam();
  Reading r;
  FindOrAddGroup(r.k.state, 5);
  r.k.state.groups[1].areaTotal = c.total;
  r.k.state.groups[1].multiplier = c.multiplier;
  EXPECT_EQ(RowQuantityText(r.k, 1, c.digits), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Rounding,
    ::testing::Values(
        RoundCase{2.25, "1", 1, "2.3"}, RoundCase{100, "0.3025", 1, "30.3"},
        RoundCase{1234.5, "1", 0, "1,235"}, RoundCase{12.345, "1", 2, "12.35"},
        RoundCase{12.345, "1", -1, "10"}, RoundCase{1234.5, "1", -2, "1,200"},
        RoundCase{33.124, "1", 4, "33.1240"}, RoundCase{0.0001, "1", 3, "0.000"},
        RoundCase{5, "abc", 2, "0.00"}, RoundCase{5, "", 2, "0.00"},
        RoundCase{5, "2x", 1, "10.0"}, RoundCase{1.5, "1", 400, "2"},
        RoundCase{1.5, "1", -400, "0"}));

TEST(Groups, RoundedQuantityOfAGroupWithoutArea) {
  Reading r;
  FindOrAddGroup(r.k.state, 5);
  r.k.state.groups[1].multiplier = "1";
  EXPECT_EQ(RowQuantityText(r.k, 1, 3), "-");
  EXPECT_EQ(RowQuantityText(r.k, 0, 3), "-");
  EXPECT_EQ(RowQuantityText(r.k, 17, 3), "-");
}

TEST(AfterReading, DefaultUnitAndQuantities) {
  Reading r;
  r.k.ui.cbTaniD.text = "坪,0.3025";
  r.k.ui.Comboketa.text = "1";
  r.Read({"hq", "lc10 1", "sl 0 0 10000 0 10000 10000 0 10000", "lc10 2", "sl 0 0 1 1", "lc10 3",
          "sl 0 0 1000 1000 2000 2000"});
  AfterReading(r.k);
  EXPECT_TRUE(r.Messages().empty());
  for (int g = 1; g <= 3; ++g) {
    EXPECT_EQ(r.k.ui.Label5[g].text, "坪") << g;
    EXPECT_EQ(r.k.ui.Label5[g].tooltip, "坪,0.3025") << g;
    EXPECT_EQ(r.Group(g).multiplier, "0.3025") << g;
  }
  EXPECT_EQ(r.k.ui.Text_sum[1].text, "30.3");
  EXPECT_EQ(r.k.ui.Text_sum[2].text, "-");    // two-point figures only
  EXPECT_EQ(r.k.ui.Text_sum[3].text, "0.0");  // degenerate: measured, area 0
  EXPECT_EQ(r.k.ui.Label5[4].text, "");
  EXPECT_EQ(r.k.ui.Text_sum[4].text, "");
}

struct UnitCase {
  const char* unitText;
  const char* caption;
  const char* multiplier;
  const char* digits;
  const char* shown;  // total 2.25
};

class DefaultUnit : public ::testing::TestWithParam<UnitCase> {};

TEST_P(DefaultUnit, SplitAtTheFirstComma) {
  const UnitCase& c = GetParam();
  Reading r;
  r.k.ui.cbTaniD.text = c.unitText;
  r.k.ui.Comboketa.text = c.digits;
  r.Read({"hq", "sl 0 0 1500 0 1500 1500 0 1500"});
  AfterReading(r.k);
  EXPECT_EQ(r.k.ui.Label5[1].text, c.caption);
  EXPECT_EQ(r.k.ui.Label5[1].tooltip, c.unitText);
  EXPECT_EQ(r.Group(1).multiplier, c.multiplier);
  EXPECT_EQ(r.k.ui.Text_sum[1].text, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DefaultUnit,
    ::testing::Values(UnitCase{"m^2,1", "m^2", "1", "3", "2.250"},
                      UnitCase{"m2", "m2", "1", "3", "2.250"},  // no comma: multiplier 1
                      UnitCase{"m2,2,x", "m2", "2", "2", "4.50"},
                      UnitCase{",2", "", "2", "1", "4.5"}, UnitCase{"m2,", "m2", "", "1", "0.0"},
                      UnitCase{"", "", "1", "1", "2.3"},
                      UnitCase{"m^2,1", "m^2", "1", "abc", "2"},  // digits not a number: 0
                      UnitCase{"m^2,1", "m^2", "1", "", "2"},
                      UnitCase{"m^2,1", "m^2", "1", "-1", "0"}));

TEST(AfterReading, RestoredRowsKeepTheirUnit) {
  Reading r(RunMode::AreaPreviousTable);
  r.k.state.nextGroup = 3;
  r.k.state.groups[1].colour = 1;
  r.k.state.groups[1].multiplier = "2";
  r.k.ui.Label5[1].text = "坪";
  r.k.ui.Label5[1].tooltip = "坪,2";
  r.k.state.groups[2].colour = 2;  // not in the input
  r.Read({"hq", "lc10 1", "sl 0 0 1000 0 0 1000", "lc10 3", "sl 0 0 1000 0 0 1000"});
  AfterReading(r.k);
  EXPECT_EQ(r.k.ui.Label5[1].text, "坪");
  EXPECT_EQ(r.k.ui.Label5[1].tooltip, "坪,2");
  EXPECT_EQ(r.Group(1).multiplier, "2");
  EXPECT_EQ(r.k.ui.Text_sum[1].text, "1.000");
  EXPECT_EQ(r.k.ui.Text_sum[2].text, "-");
  EXPECT_EQ(r.k.ui.Label5[2].text, "m^2");
  EXPECT_EQ(r.k.ui.Text_sum[3].text, "0.500");
}

TEST(AfterReading, CircularSolidWarning) {
  Reading r;
  r.Read({"hq", "lc10 1", "sl 0 0 1000 0 0 1000", "sc 0 0 500 0 360 1 0"});
  AfterReading(r.k);
  ASSERT_EQ(r.h.dialogs.messages.size(), 1u);
  EXPECT_EQ(r.h.dialogs.messages[0].text,
            "円形関係のソリッド図形が存在します。\r\nこれらの面積は集計できません。\r\n注意してくだ"
            "さい｡ ");
  EXPECT_EQ(r.h.dialogs.messages[0].icon, MsgIcon::Critical);
  EXPECT_EQ(r.k.ui.Text_sum[1].text, "0.500");  // the circle is not in the total
}

TEST(AfterReading, CircleLinesAloneStillCountAsSolidLines) {
  // A circle line sets the current group, so no "no solids" message.
  Reading r;
  r.Read({"hq", "sc 1"});
  AfterReading(r.k);
  EXPECT_EQ(r.Messages().size(), 1u);
  EXPECT_EQ(r.h.dialogs.messages[0].icon, MsgIcon::Critical);
}

}  // namespace
}  // namespace kaveta::testing
