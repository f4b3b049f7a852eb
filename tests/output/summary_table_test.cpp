#include "output/summary_table.h"

#include <gtest/gtest.h>

#include "output/clipboard_text.h"
#include "output/ok_command.h"
#include "output/output_fixture.h"
#include "ui/rows.h"

namespace kaveta {
namespace {

using testing::Harness;
using testing::kBlue;
using testing::kRed;
using testing::LinesOf;
using testing::SetPanel;
using testing::SetRow;

using Lines = std::vector<std::string>;

// A site and a building (cw 4, chh 4, cs 1, gaps 2: R 8), two decimals.
struct Summary {
  Harness h;
  Kaveta k;
  explicit Summary(RunMode mode = RunMode::AreaNewTable) : k(h.Make(mode)) {
    SetPanel(k);
    k.ui.Comboketa.text = "2";
    SetRow(k, 1, kRed, kRed, "敷地", "200.00", "m^2");
    SetRow(k, 2, kBlue, kBlue, "建築", "110.00", "m^2");
    SetRowRole(k, 1, 1);
    SetRowRole(k, 2, 3);
    k.ui.chkGaiyou.value = 1;
  }
  std::string Compose() {
    const TableSnapshot t = TakeTableSnapshot(k);
    TableInputs in;
    std::string problem;
    EXPECT_TRUE(ReadTableInputs(t, k.state, in, problem)) << problem;
    OutputText out;
    ComposeAreaTable(t, k.state, in, 0, out);
    return out.text();
  }
  // The lines the summary adds to the area table's.
  Lines Added() {
    k.ui.chkGaiyou.value = 0;
    const Lines without = LinesOf(Compose());
    k.ui.chkGaiyou.value = 1;
    const Lines with = LinesOf(Compose());
    EXPECT_GE(with.size(), without.size());
    EXPECT_EQ(Lines(with.begin(), with.begin() + static_cast<long>(without.size())), without);
    return Lines(with.begin() + static_cast<long>(without.size()), with.end());
  }
};

// Columns of 8, 6, 4 and 4 bytes: 23.5, 18.5, 13.5 and 13.5 wide, edges at
// 0, 23.5, 42, 55.5 and 69; the area table is 16 high, so the top is at
// -24 and four rows reach -56.
const Lines kTexts = {
    "cn3", "ly4",
    "ch 2 -30 1 0 \"項目    ", "ch 25.5 -30 1 0 \"数値", "ch 44 -30 1 0 \"単位",
    "ch 57.5 -30 1 0 \"備考",
    "ch 2 -38 1 0 \"敷地面積", "ch 25.5 -38 1 0 \"200.00", "ch 44 -38 1 0 \"m^2",
    "ch 2 -46 1 0 \"建築面積", "ch 25.5 -46 1 0 \"110.00", "ch 44 -46 1 0 \"m^2",
    "ch 2 -54 1 0 \"建蔽率  ", "ch 25.5 -54 1 0 \" 55.00", "ch 44 -54 1 0 \"%",
};

TEST(SummaryTable, EachRuledLineGroupStandsAlone) {
  struct Case {
    int on;  // -1: none
    Lines rules;
  };
  const std::vector<Case> cases = {
      {-1, {}},
      {0, {"lc1", "ly5", "lt3", "0 -24 69 -24", "69 -24 69 -56", "69 -56 0 -56", "0 -56 0 -24"}},
      {1, {"lc2", "ly6", "lt4", "23.5 -24 23.5 -56", "42 -24 42 -56", "55.5 -24 55.5 -56"}},
      {2, {"lc7", "ly8", "lt5", "0 -32 69 -32", "0 -40 69 -40", "0 -48 69 -48"}},
  };
  for (const Case& c : cases) {
    Summary s;
    for (int i = 0; i < 3; ++i) s.k.ui.ckKeisen[static_cast<std::size_t>(i)].value = i == c.on;
    Lines expected = c.rules;
    expected.insert(expected.end(), kTexts.begin(), kTexts.end());
    EXPECT_EQ(s.Added(), expected) << "ruled lines " << c.on;
  }
}

TEST(SummaryTable, StartsOneRowBelowTheTotalsRow) {
  Summary s;
  for (auto& box : s.k.ui.ckKeisen) box.value = 0;
  s.k.ui.chkGoukei.value = 1;  // three rows: 24 high, the top at -32
  const Lines added = s.Added();
  ASSERT_EQ(added.size(), kTexts.size());
  EXPECT_EQ(added[2], "ch 2 -38 1 0 \"項目    ");
  EXPECT_EQ(added.back(), "ch 44 -62 1 0 \"%");
}

TEST(SummaryTable, ItemsFollowTheNamesAlignment) {
  Summary s;
  for (auto& box : s.k.ui.ckKeisen) box.value = 0;
  s.k.itemAlignment = 1;
  const Lines added = s.Added();
  ASSERT_EQ(added.size(), kTexts.size());
  EXPECT_EQ(added[2], "ch 2 -30 1 0 \"    項目");
  EXPECT_EQ(added[12], "ch 2 -54 1 0 \"  建蔽率");
}

TEST(SummaryTable, NoneWithoutARoleOrTickOrOutsideTheTableModes) {
  struct Case {
    const char* what;
    RunMode mode;
    bool ticked;
    bool roles;
    bool rowsInUse;
  };
  const std::vector<Case> cases = {
      {"unticked", RunMode::AreaNewTable, false, true, true},
      {"no role", RunMode::AreaNewTable, true, false, true},
      {"roles on rows not in use", RunMode::AreaNewTable, true, true, false},
      {"layer naming", RunMode::LayerNamingExternal, true, true, true},
  };
  for (const Case& c : cases) {
    Summary s(c.mode);
    s.k.ui.chkGaiyou.value = c.ticked;
    if (!c.roles) {
      SetRowRole(s.k, 1, 0);
      SetRowRole(s.k, 2, 0);
    }
    if (!c.rowsInUse)
      for (int r : {1, 2}) {
        s.k.ui.Lblpic[static_cast<std::size_t>(r)].backColour = kWhite;
        s.k.ui.txtname[static_cast<std::size_t>(r)].text.clear();
      }
    EXPECT_TRUE(SummaryLinesOf(TakeTableSnapshot(s.k)).empty()) << c.what;
    EXPECT_EQ(SummaryCopyTextOf(TakeTableSnapshot(s.k)), "") << c.what;
  }
  // The three table modes all draw it.
  for (RunMode mode : {RunMode::TableDesign, RunMode::AreaNewTable, RunMode::AreaPreviousTable}) {
    Summary s(mode);
    EXPECT_EQ(SummaryLinesOf(TakeTableSnapshot(s.k)).size(), 3u);
  }
}

TEST(SummaryTable, LimitsAndRatioRoundingReachTheLines) {
  Summary s;
  s.k.ui.txtKenpei.text = "60";
  s.k.ratioRounding = 1;
  SetRow(s.k, 2, kBlue, kBlue, "建築", "110.01", "m^2");  // 55.005 %
  const std::vector<SummaryLine> lines = SummaryLinesOf(TakeTableSnapshot(s.k));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2].value, "55.00");  // cut
  EXPECT_EQ(lines[2].remark, "許容 60% 以内");
  s.k.ratioRounding = 2;
  EXPECT_EQ(SummaryLinesOf(TakeTableSnapshot(s.k))[2].value, "55.01");  // up
}

TEST(SummaryCopy, ComesAfterEverythingElse) {
  Summary s;
  s.k.ui.txtHyoumei.text = "面積表";
  s.k.state.nextGroup = 3;
  struct Case {
    int style;
    const char* table;
  };
  const std::vector<Case> cases = {
      {0, "面積表\r\n敷地\t200.00\tm^2\r\n建築\t110.00\tm^2\r\n"},
      {1, "項目名\t敷地\t建築\r\n単　位\tm^2\tm^2\r\n面積表\t200.00\t110.00\r\n"},
  };
  const std::string summary =
      "\r\n敷地面積\t200.00\tm^2\t\r\n建築面積\t110.00\tm^2\t\r\n建蔽率\t55.00\t%\t\r\n";
  for (const Case& c : cases) {
    s.k.tableStyle = c.style;
    EXPECT_EQ(ClipboardText(TakeTableSnapshot(s.k), s.k.state), c.table + summary) << c.style;
    s.k.ui.chkGaiyou.value = 0;
    EXPECT_EQ(ClipboardText(TakeTableSnapshot(s.k), s.k.state), c.table) << c.style;
    s.k.ui.chkGaiyou.value = 1;
  }
}

}  // namespace
}  // namespace kaveta
