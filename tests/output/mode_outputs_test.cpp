#include "output/mode_outputs.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "output/ok_command.h"
#include "output/output_fixture.h"

namespace kaveta {
namespace {

using testing::Harness;
using testing::kBlue;
using testing::kGreen;
using testing::kRed;
using testing::LinesOf;

struct Regroup {
  Harness h;
  Kaveta k;
  explicit Regroup(RunMode mode) : k(h.Make(mode)) {
    k.state.backgroundColour = kWhite;
    for (auto& swatch : k.ui.Lblpic) swatch.backColour = kWhite;
    k.state.passThroughText = "hs 1 1\r\n\r\nly2\r\n";
  }
  // Row r holds a group of the given colour with some stored lines.
  ColourGroup& Group(int r, std::int32_t colour) {
    const auto i = static_cast<std::size_t>(r);
    k.ui.Lblpic[i].backColour = colour;
    k.ui.Lblpic[i + 16].backColour = colour;
    k.state.groups[i].colour = colour;
    k.state.nextGroup = std::max(k.state.nextGroup, r + 1);
    return k.state.groups[i];
  }
  std::vector<std::string> Lines(void (*write)(const TableSnapshot&, const RunState&, OutputText&)) {
    OutputText out;
    write(TakeTableSnapshot(k), k.state, out);
    return LinesOf(out.text());
  }
};

TEST(ColourChange, WritesGroupsWithTheirNewColourAndAllSixBlocks) {
  Regroup t(RunMode::ColourChange);
  ColourGroup& g1 = t.Group(1, kRed);
  g1.twoPointLines = "sl 0 0 1 1\r\n";
  g1.measuredLines = "sl 0 0 1 0 0 1\r\nsl 5 5 6 5 5 6\r\n";
  g1.scLines = "sc 1\r\n";
  g1.seLines = "se 2\r\n";
  g1.soLines = "so 3\r\n";
  g1.sgLines = "sg 4\r\n";
  t.Group(2, kGreen).measuredLines = "sl 9 9 8 9 9 8\r\n";
  t.k.ui.Lblpic[17].backColour = kBlue;  // row 1 recoloured
  const std::vector<std::string> expected = {
      "hd", "hs 1 1", "", "ly2", "", "lc10 16711680", "sl 0 0 1 1", "", "sl 0 0 1 0 0 1",
      "sl 5 5 6 5 5 6", "", "sc 1", "", "se 2", "", "so 3", "", "sg 4", "",
      // unchanged right swatch: the group keeps its colour
      "lc10 65280", "", "sl 9 9 8 9 9 8", "", "", "", "", ""};
  EXPECT_EQ(t.Lines(ColourChange), expected);
}

TEST(ColourChange, TakesRowsOneToRowsInUse) {
  Regroup t(RunMode::ColourChange);
  t.Group(1, kRed).measuredLines = "sl 1 1 2 1 1 2\r\n";
  t.Group(2, kGreen);  // a group without stored lines still takes its row
  const auto lines = t.Lines(ColourChange);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "lc10 255"), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "lc10 65280"), 1);
  EXPECT_EQ(lines.size(), 5u + 8 + 7);
}

TEST(ColourChange, GroupOfTheBackgroundColourIsStillWritten) {
  Regroup t(RunMode::ColourChange);
  t.Group(1, kRed).measuredLines = "sl 1 1 2 1 1 2\r\n";
  t.Group(2, kWhite).measuredLines = "sl 7 7 8 7 7 8\r\n";
  t.Group(3, kGreen).twoPointLines = "sl 3 3 4 4\r\n";
  const auto lines = t.Lines(ColourChange);
  const std::vector<std::string> groups(lines.begin() + 5, lines.end());
  EXPECT_EQ(groups, (std::vector<std::string>{"lc10 255",
                                              "",
                                              "sl 1 1 2 1 1 2",
                                              "",
                                              "",
                                              "",
                                              "",
                                              "",
                                              "lc10 16777215",
                                              "",
                                              "sl 7 7 8 7 7 8",
                                              "",
                                              "",
                                              "",
                                              "",
                                              "",
                                              "lc10 65280",
                                              "sl 3 3 4 4",
                                              "",
                                              "",
                                              "",
                                              "",
                                              "",
                                              ""}));
}

TEST(LayerSort, PutsEachGroupOnTheLayerOfItsRow) {
  Regroup t(RunMode::LayerSort);
  t.Group(1, kRed).measuredLines = "sl 1 1 2 1 1 2\r\n";
  t.Group(2, kGreen).sgLines = "sg 1\r\n";
  t.Group(5, kBlue).seLines = "se 1\r\n";
  t.Group(16, 12345).twoPointLines = "sl 0 0 9 9\r\n";
  const std::vector<std::string> expected = {
      "hd", "hs 1 1", "", "ly2",  "", "ly0", "lc10 255",      "",           "sl 1 1 2 1 1 2",
      "",   "",       "", "",     "", "ly1", "lc10 65280",    "",           "",
      "",   "",       "", "sg 1", "", "ly4", "lc10 16711680", "",           "",
      "",   "se 1",   "", "",     "", "lyF", "lc10 12345",    "sl 0 0 9 9", "",
      "",   "",       "", "",     ""};
  EXPECT_EQ(t.Lines(LayerSort), expected);
}

TEST(LayerSort, GroupOfTheBackgroundColourIsStillWritten) {
  Regroup t(RunMode::LayerSort);
  t.Group(3, kWhite).scLines = "sc 9\r\n";
  const auto lines = t.Lines(LayerSort);
  const std::vector<std::string> groups(lines.begin() + 5, lines.end());
  EXPECT_EQ(groups,
            (std::vector<std::string>{"ly2", "lc10 16777215", "", "", "sc 9", "", "", "", ""}));
}

TEST(OverlapOrder, WritesGroupsInRowOrderSkippingEmptyRows) {
  Regroup t(RunMode::OverlapOrder);
  t.Group(1, kBlue).measuredLines = "sl 1 1 2 1 1 2\r\n";
  t.Group(3, kRed).measuredLines = "sl 3 3 4 3 3 4\r\n";
  t.Group(4, kWhite).measuredLines = "sl 4 4 5 4 4 5\r\n";
  const std::vector<std::string> expected = {
      "hd", "hs 1 1", "", "ly2", "", "lc10 16711680", "", "sl 1 1 2 1 1 2",
      "",   "",       "", "",    "", "lc10 255",      "", "sl 3 3 4 3 3 4",
      "",   "",       "", "",    "", "lc10 16777215", "", "sl 4 4 5 4 4 5",
      "",   "",       "", "",    ""};
  EXPECT_EQ(t.Lines(OverlapOrder), expected);
}

TEST(OverlapOrder, EmptyPassThroughStillGivesOneEmptyLine) {
  Regroup t(RunMode::OverlapOrder);
  t.k.state.passThroughText.clear();
  EXPECT_EQ(t.Lines(OverlapOrder), (std::vector<std::string>{"hd", ""}));
}

struct Naming {
  Harness h;
  Kaveta k;
  explicit Naming(RunMode mode) : k(h.Make(mode)) {
    for (int i = 1; i <= 16; ++i)
      k.ui.Lblpic[static_cast<std::size_t>(i)].text = std::string(1, "0123456789ABCDEF"[i - 1]);
    k.ui.txtHyoumei.text = "3";
  }
};

TEST(LayerNaming, WritesNamedLayersAndReturnsTheNewCaptions) {
  Naming t(RunMode::LayerNaming);
  t.k.ui.txtname[1].text = "通り芯";
  t.k.ui.txtname[11].text = "#c4080FF壁";
  OutputText out;
  const LayerNamingChanges changes = LayerNaming(TakeTableSnapshot(t.k), out);
  EXPECT_EQ(LinesOf(out.text()),
            (std::vector<std::string>{"lg3", "ly0", "lyn通り芯", "lyA", "lyn#c4080FF壁",
                                      "h#レイヤ名を設定しました"}));
  EXPECT_EQ(changes.captions[1], "レイヤ0:通り芯");
  EXPECT_EQ(changes.captions[11], "レイヤA:#c4080FF壁");
  EXPECT_EQ(changes.captions[2], "");
  // The window itself changes only once the file is written.
  EXPECT_EQ(t.k.ui.txtname[1].text, "通り芯");
}

TEST(LayerNaming, AllNamesEmptyWritesGroupAndMessageOnly) {
  Naming t(RunMode::LayerNaming);
  OutputText out;
  LayerNaming(TakeTableSnapshot(t.k), out);
  EXPECT_EQ(LinesOf(out.text()), (std::vector<std::string>{"lg3", "h#レイヤ名を設定しました"}));
}

TEST(LayerNamingExternal, WritesAllSixteenLayers) {
  Naming t(RunMode::LayerNamingExternal);
  for (int i = 1; i <= 16; ++i)
    t.k.ui.txtname[static_cast<std::size_t>(i)].text = "N" + std::to_string(i);
  t.k.ui.txtname[3].text = "";
  OutputText out;
  const LayerNamingChanges changes = LayerNamingExternal(TakeTableSnapshot(t.k), out);
  const auto lines = LinesOf(out.text());
  ASSERT_EQ(lines.size(), 1u + 32 + 1);
  EXPECT_EQ(lines[0], "lg3");
  EXPECT_EQ(lines[1], "ly0");
  EXPECT_EQ(lines[2], "lynN1");
  EXPECT_EQ(lines[5], "ly2");
  EXPECT_EQ(lines[6], "lyn");
  EXPECT_EQ(lines[31], "lyF");
  EXPECT_EQ(lines[32], "lynN16");
  EXPECT_EQ(lines[33], "h#レイヤ名を設定しました");
  EXPECT_EQ(changes.captions[3], "レイヤ2:");
  EXPECT_EQ(changes.captions[16], "レイヤF:N16");
  EXPECT_EQ(changes.title, "レイヤグループ:3");
}

}  // namespace
}  // namespace kaveta
