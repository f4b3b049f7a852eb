#include <gtest/gtest.h>

#include "output/area_table.h"

namespace kaveta {
namespace {

struct PadCase {
  const char* text;
  int width;
  int mode;
  const char* expected;
};

class PadToWidth : public ::testing::TestWithParam<PadCase> {};

TEST_P(PadToWidth, AlignsWithinByteWidth) {
  const PadCase& c = GetParam();
  EXPECT_EQ(padToWidth(c.text, c.width, c.mode, " "), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Modes, PadToWidth,
                         ::testing::Values(
                             // Left and right: full-width characters count two bytes.
                             PadCase{"AB", 5, 0, "AB   "}, PadCase{"AB", 5, 1, "   AB"},
                             PadCase{"壁", 5, 0, "壁   "}, PadCase{"壁", 5, 1, "   壁"},
                             // Half-width katakana are one byte each.
                             PadCase{"ｶﾍﾞ", 5, 0, "ｶﾍﾞ  "}, PadCase{"ｶﾍﾞ", 5, 1, "  ｶﾍﾞ"},
                             // As long as the width or longer: no pads, nothing cut.
                             PadCase{"ABCDE", 5, 0, "ABCDE"}, PadCase{"壁面壁", 5, 1, "壁面壁"},
                             PadCase{"壁^u面", 4, 0, "壁^u面"},
                             // Centre: two full-width characters in 9 give 3 + 4 + 3 bytes.
                             PadCase{"壁面", 9, 2, "   壁面   "},
                             // Four half-width characters: 3 + 4 + 3 characters cut to 9.
                             PadCase{"ABCD", 9, 2, "   ABCD  "},
                             // The cut counts characters although the width counts bytes.
                             PadCase{"壁面床天", 6, 2, "壁面床天"}, PadCase{"A", 4, 2, "  A "},
                             PadCase{"ABCDEFGHIJ", 4, 2, "ABCD"},
                             // Dot leader: blank, text, blank, then dots, cut to width characters.
                             PadCase{"AB", 8, 3, " AB ・・・・"}, PadCase{"壁面", 4, 3, " 壁面 "},
                             PadCase{"ABCDEFGH", 4, 3, " ABC"},
                             // Any other mode gives nothing.
                             PadCase{"AB", 5, 4, ""}, PadCase{"AB", 5, -1, ""},
                             // Width 0 (no names at all).
                             PadCase{"", 0, 0, ""}, PadCase{"", 0, 2, ""}, PadCase{"", 0, 3, ""}));

TEST(PadToWidthPad, UsesThePadArgumentExceptInDotLeader) {
  EXPECT_EQ(padToWidth("AB", 4, 0, "*"), "AB**");
  EXPECT_EQ(padToWidth("AB", 4, 1, "*"), "**AB");
  EXPECT_EQ(padToWidth("AB", 5, 2, "*"), "**AB*");
  EXPECT_EQ(padToWidth("AB", 5, 3, "*"), " AB ・");
}

}  // namespace
}  // namespace kaveta
