// The totals row: its figure, its place in the drawn table and in the copy.
#include <gtest/gtest.h>

#include "output/area_table.h"
#include "output/clipboard_text.h"
#include "output/output_fixture.h"
#include "ui/totals.h"

#include "output/ok_command.h"

namespace kaveta {
namespace {

using testing::Harness;
using testing::kBlue;
using testing::kGreen;
using testing::kRed;
using testing::LinesOf;
using testing::SetPanel;
using testing::SetRow;

struct Totals {
  Harness h;
  Kaveta k = h.Make(RunMode::AreaNewTable);
  Totals() {
    SetPanel(k);
    k.ui.Comboketa.text = "2";
    k.ui.chkGoukei.value = 1;
  }
  std::vector<std::string> Table() {
    TableInputs in;
    std::string problem;
    EXPECT_TRUE(ReadTableInputs(TakeTableSnapshot(k), k.state, in, problem)) << problem;
    OutputText out;
    ComposeAreaTable(TakeTableSnapshot(k), k.state, in, 0, out);
    return LinesOf(out.text());
  }
};

TEST(TotalsRow, FigureOfTheShownQuantities) {
  struct Case {
    const char* digits;
    int mode;
    std::vector<std::pair<const char*, const char*>> rows;  // quantity, unit
    const char* text;
    const char* unit;
  };
  const Case cases[] = {
      {"2", 0, {{"0.10", "m^2"}, {"0.20", "m^2"}}, "0.30", "m^2"},
      {"2", 0, {{"1,234.56", "m^2"}, {"-", "m^2"}, {"", "m^2"}, {"0.44", "m^2"}}, "1,235.00", "m^2"},
      // Typed figures with more decimals than the digits: rounded by the mode.
      {"0", 1, {{"0.7", "m^2"}, {"0.1", "m^2"}, {"0.2", "m^2"}}, "1", "m^2"},
      {"2", 1, {{"1.005", "m^2"}, {"1.006", "m^2"}}, "2.01", "m^2"},
      {"2", 2, {{"1.001", "m^2"}, {"1", "m^2"}}, "2.01", "m^2"},
      {"-1", 0, {{"1,234", "m^2"}, {"1", "m^2"}}, "1,240", "m^2"},
      {"2", 0, {{"1.00", "m^2"}, {"2.00", "坪"}}, "-", ""},
      {"2", 0, {{"-", "m^2"}, {"abc", "m^2"}}, "-", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Totals t;
    t.k.ui.Comboketa.text = c.digits;
    t.k.roundingMode = c.mode;
    int row = 0;
    for (const auto& [quantity, unit] : c.rows) SetRow(t.k, ++row, kRed, kRed, "x", quantity, unit);
    const QuantityTotal total = TotalOfRows(t.k);
    EXPECT_EQ(total.text, c.text);
    EXPECT_EQ(total.unit, c.unit);
  }
}

TEST(TotalsRow, OnlyRowsInUseCountAndTheWindowShowsIt) {
  Totals t;
  SetRow(t.k, 1, kRed, kRed, "床", "10.00", "m^2");
  SetRow(t.k, 2, kWhite, kWhite, "", "5.00", "坪");  // not in use: neither sums nor mixes
  RefreshTotalsRow(t.k);
  EXPECT_TRUE(t.k.ui.lblGoukei.visible);
  EXPECT_EQ(t.k.ui.lblGoukei.text, "合計  10.00 m^2");
  t.k.ui.chkGoukei.value = 0;
  RefreshTotalsRow(t.k);
  EXPECT_FALSE(t.k.ui.lblGoukei.visible);
  Totals layers;
  layers.k.runMode = RunMode::LayerNamingExternal;
  EXPECT_FALSE(TotalsRowWanted(layers.k));
}

// Two rows (R 8, W 77 as in the worked example) and the total under them.
TEST(TotalsRow, DrawnAsOneMoreRowWithEachRuleGroup) {
  struct Case {
    int frame, vertical, horizontal;
    std::vector<std::string> rules;
  };
  const Case cases[] = {
      {1, 0, 0, {"lc1", "ly5", "lt3", "r1", "0 -24", "77 0", "0 24", "-77 0", "r0"}},
      {0, 1, 0, {"lc2", "ly6", "lt4", "24 0 24 -24", "47.5 0 47.5 -24", "66 0 66 -24"}},
      {0, 0, 1, {"lc7", "ly8", "lt5", "0 -8 77 -8", "0 -16 77 -16"}},
      {0, 0, 0, {}},
  };
  for (const Case& c : cases) {
    Totals t;
    SetRow(t.k, 1, kRed, kGreen, "ABCDEFGH", "12.345", "m^2");
    SetRow(t.k, 2, kBlue, kBlue, "壁面", "1.000", "m^2");
    t.k.ui.ckKeisen[0].value = c.frame;
    t.k.ui.ckKeisen[1].value = c.vertical;
    t.k.ui.ckKeisen[2].value = c.horizontal;
    const std::vector<std::string> lines = t.Table();
    std::vector<std::string> expected = {"#", "bz"};
    expected.insert(expected.end(), c.rules.begin(), c.rules.end());
    ASSERT_GE(lines.size(), expected.size() + 4);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(expected.size())),
              expected);
    // The last row: no swatch, the caption padded like a name.
    EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
              (std::vector<std::string>{"ly4", "ch 26 -22 1 0 \"合計    ", "ch 49.5 -22 1 0 \" 13.35",
                                        "ch 68 -22 1 0 \"m^2"}));
  }
}

TEST(TotalsRow, WidensTheColumnsAndKeepsAnEmptyUnitForNoTotal) {
  Totals t;
  SetRow(t.k, 1, kRed, kRed, "A", "-", "m");
  t.k.itemAlignment = 1;
  const std::vector<std::string> lines = t.Table();
  // "合計" (4 bytes) is the longest name; "-" the longest quantity.
  EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
            (std::vector<std::string>{"ly4", "ch 26 -14 1 0 \"合計", "ch 39.5 -14 1 0 \"-",
                                      "ch 45.5 -14 1 0 \""}));
}

TEST(TotalsRow, CopiedInBothLayouts) {
  for (const int style : {0, 1}) {
    Totals t;
    t.k.tableStyle = style;
    t.k.ui.txtHyoumei.text = "延べ";
    SetRow(t.k, 1, kRed, kRed, "1階", "10.50", "m^2");
    SetRow(t.k, 2, kGreen, kGreen, "2階", "20.25", "m^2");
    t.k.state.nextGroup = 3;
    EXPECT_EQ(ClipboardText(TakeTableSnapshot(t.k), t.k.state),
              style == 0 ? "延べ\r\n1階\t10.50\tm^2\r\n2階\t20.25\tm^2\r\n合計\t30.75\tm^2\r\n"
                         : "項目名\t1階\t2階\t合計\r\n単　位\tm^2\tm^2\tm^2\r\n"
                           "延べ\t10.50\t20.25\t30.75\r\n");
  }
}

}  // namespace
}  // namespace kaveta
