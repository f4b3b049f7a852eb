#include <gtest/gtest.h>

#include <algorithm>

#include "exchange/host_settings.h"
#include "startup/load_sequence.h"
#include "support/fakes.h"

namespace kaveta {
namespace {

// A selection as the host writes it, read by the start-up the console
// program runs: every kind of line, solids of every field count, a circle.
constexpr const char* kSelection =
    "hq\n"
    "hs 100 100 50 50 100 1 1 1 1 50 50 1 50 50 50 1\n"
    "hcw 2 2.5 3 4 5 6 7 8 9 10\n"
    "hch 2 2.5 3 4 5 6 7 8 9 10\n"
    "hcd 0 0 0.5 0.5 0.5 0.5 1 1 1 1\n"
    "hcc      1      1      2      2      3\n"
    "hhp1ch\n"
    "ch 0 0 1 0 \"1階 床面積表\n"
    "lg2\n"
    "ly1\n"
    "lt1\n"
    "cn2\n"
    "lc1\n"
    "0 0 12000 0\n"
    "lc10 16763904\n"
    "sl 0 0 5460 0 5460 3640 0 3640\n"
    "sl 5460 0 9100 0 9100 3640\n"
    "lc5\n"
    "sl 0 3640 3640 3640\n"
    "sl 0 0 1 1 2 2 3 3 4 4\n"
    "sc 10000 2000 500 0 360 1 0\n"
    "ly3\n"
    "ch 2000 1500 1 0 \"洋室ｱ\n";

TEST(RealisticInput, FillsTheWindowAndTheRunState) {
  testing::Harness h;
  h.registry.texts[{kPenKey, "Color05"}] = "FF00FF";
  h.PutText("/app/TEMP.TXT", kSelection);
  Kaveta k = h.Make(RunMode::AreaNewTable);
  ASSERT_EQ(RunLoadSequence(k), LoadOutcome::Ready);
  const RunState& s = k.state;

  // Two groups: the explicit colour, then host pen 5.
  EXPECT_EQ(s.nextGroup, 3);
  EXPECT_EQ(s.groups[1].colour, 16763904);
  EXPECT_EQ(s.groups[2].colour, 16711935);
  EXPECT_EQ(k.ui.Lblpic[1].backColour, 16763904);
  EXPECT_EQ(k.ui.Lblpic[17].backColour, 16763904);
  EXPECT_EQ(k.ui.Lblpic[1].tooltip, "R:0 G:204 B:255");
  EXPECT_EQ(k.ui.Lblpic[2].tooltip, "R:255 G:0 B:255");
  EXPECT_EQ(k.ui.Lblpic[3].backColour, 16777215);  // no third group
  EXPECT_EQ(std::count(s.solidRows.begin(), s.solidRows.end(), 1), 2);
  // A two-point solid and one of eleven fields; the circle is no "sl" line.
  EXPECT_EQ(std::count(s.solidRows.begin(), s.solidRows.end(), 2), 0);
  EXPECT_EQ(s.groups[2].twoPointLines, "sl 0 3640 3640 3640\r\n");

  // 5.46 x 3.64 and half of 3.64 x 3.64; the centres are corner means.
  ASSERT_EQ(s.solids.size(), 2u);
  EXPECT_DOUBLE_EQ(s.solids[0].area, 5.46 * 3.64);
  EXPECT_DOUBLE_EQ(s.solids[0].centreX, 2730);
  EXPECT_DOUBLE_EQ(s.solids[0].centreY, 1820);
  EXPECT_NEAR(s.solids[1].area, 0.5 * 3.64 * 3.64, 1e-12);
  EXPECT_NEAR(s.solids[1].centreX, (5460.0 + 9100 + 9100) / 3, 1e-9);
  EXPECT_NEAR(s.solids[1].centreY, 3640.0 / 3, 1e-9);
  EXPECT_EQ(s.nextSolid, 3);
  ASSERT_TRUE(s.groups[1].areaTotal.has_value());
  EXPECT_NEAR(*s.groups[1].areaTotal, 26.4992, 1e-12);
  EXPECT_FALSE(s.groups[2].areaTotal.has_value());

  // The lines each group keeps; circles are not kept in the area modes.
  EXPECT_EQ(s.groups[1].measuredLines,
            "sl 0 0 5460 0 5460 3640 0 3640\r\nsl 5460 0 9100 0 9100 3640\r\n");
  EXPECT_EQ(s.groups[2].twoPointLines, "sl 0 3640 3640 3640\r\n");
  EXPECT_EQ(s.groups[2].scLines, "");

  // Consumed lines leave empty lines; the title line takes the place of
  // "hhp1ch"; the solid of another field count stays under its colour.
  EXPECT_EQ(s.passThroughText,
            "hs 100 100 50 50 100 1 1 1 1 50 50 1 50 50 50 1\r\n"
            "hcw 2 2.5 3 4 5 6 7 8 9 10\r\n"
            "hch 2 2.5 3 4 5 6 7 8 9 10\r\n"
            "hcd 0 0 0.5 0.5 0.5 0.5 1 1 1 1\r\n"
            "hcc      1      1      2      2      3\r\n"
            "ch 0 0 1 0 \"1階 床面積表\r\n"
            "lg2\r\nly1\r\nlt1\r\ncn2\r\nlc1\r\n0 0 12000 0\r\n"
            "\r\n\r\n\r\n"
            "lc5\r\n"
            "\r\n"
            "lc10 16711935\r\nsl 0 0 1 1 2 2 3 3 4 4\r\n"
            "\r\n"
            "ly3\r\n"
            "ch 2000 1500 1 0 \"洋室ｱ\r\n");

  // Header arrays: fields at every single blank.
  EXPECT_EQ(s.headerScale[0], "hs");
  EXPECT_EQ(s.headerScale[3], "50");
  EXPECT_EQ(s.headerTextWidth[2], "2.5");
  EXPECT_EQ(s.headerTextSpacing[10], "1");
  EXPECT_EQ(s.headerTextColour[0], "hcc");
  EXPECT_EQ(s.headerTextColour[5], "");
  EXPECT_EQ(s.headerTextColour[6], "1");
  EXPECT_EQ(s.currentGroupScale, 50.0f);  // layer group 2
  EXPECT_EQ(s.currentTextKind, "2");
  EXPECT_EQ(s.currentLayer, "3");
  EXPECT_EQ(s.tableTitle, "1階 床面積表");
  EXPECT_EQ(k.ui.txtHyoumei.text, "1階 床面積表");

  // Default unit and three decimals; a group without measured area shows "-".
  EXPECT_EQ(k.ui.Text_sum[1].text, "26.499");
  EXPECT_EQ(k.ui.Text_sum[2].text, "-");
  EXPECT_EQ(k.ui.Label5[1].text, "m^2");
  EXPECT_EQ(k.ui.Label5[1].tooltip, "m^2,1");
  EXPECT_EQ(s.groups[2].multiplier, "1");
  EXPECT_EQ(k.ui.Text_sum[3].text, "");

  ASSERT_EQ(h.dialogs.messages.size(), 1u);
  EXPECT_EQ(h.dialogs.messages[0].text,
            "円形関係のソリッド図形が存在します。\r\nこれらの面積は集計できません。\r\n"
            "注意してください｡ ");
  EXPECT_EQ(h.dialogs.messages[0].icon, MsgIcon::Critical);
}

}  // namespace
}  // namespace kaveta
