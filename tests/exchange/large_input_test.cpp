// Selections far beyond a 16-bit count.
#include <gtest/gtest.h>

#include "exchange_fixture.h"

namespace kaveta::testing {
namespace {

// 200,000 solids in 16 colours; the first half cycles through the colours,
// the second half is all colour 1, so group 1 alone passes 65,535 figures.
// Squares of side s and right triangles of legs s alternate by colour round.
TEST(LargeInput, TwoHundredThousandSolids) {
  constexpr int kSolids = 200000;
  std::string bytes = "hq\r\n";
  bytes.reserve(kSolids * 48);
  double expectedTotal[17] = {};
  std::int64_t expectedCount[17] = {};
  for (int i = 0; i < kSolids; ++i) {
    const int c = i < kSolids / 2 ? i % 16 : 0;
    const int side = (c + 1) * 1000;
    const std::string s = std::to_string(side);
    bytes += "lc10 " + std::to_string(1000 + c) + "\r\n";
    if ((i / 16) % 2 == 0) {
      bytes += "sl 0 0 " + s + " 0 " + s + " " + s + " 0 " + s + "\r\n";
      expectedTotal[c + 1] += (c + 1) * (c + 1);
    } else {
      bytes += "sl 0 0 " + s + " 0 0 " + s + "\r\n";
      expectedTotal[c + 1] += (c + 1) * (c + 1) / 2.0;
    }
    ++expectedCount[c + 1];
  }
  bytes += "0 0 1 1\r\n";

  Reading r;
  ASSERT_EQ(r.ReadBytes(bytes), ReadOutcome::Complete);
  const RunState& s = r.k.state;
  EXPECT_TRUE(r.Messages().empty());
  ASSERT_EQ(s.nextGroup, 17);
  EXPECT_EQ(s.nextSolid, kSolids + 1);
  EXPECT_EQ(s.solids.size(), static_cast<std::size_t>(kSolids));
  std::int64_t counted = 0;
  for (int g = 1; g <= 16; ++g) {
    EXPECT_EQ(s.groups[g].colour, 1000 + g - 1);
    EXPECT_EQ(r.MeasuredIn(g), expectedCount[g]) << g;
    // Halves and whole numbers: the sums are exact.
    EXPECT_EQ(*s.groups[g].areaTotal, expectedTotal[g]) << g;
    counted += r.MeasuredIn(g);
  }
  EXPECT_EQ(counted, kSolids);
  EXPECT_GT(r.MeasuredIn(1), 65535);
  EXPECT_EQ(s.solids.back().area, 0.5);  // last one: colour 1, triangle of 1 m legs
  EXPECT_EQ(s.passThroughText.size(), 2u * 2 * kSolids + 9);
  EXPECT_EQ(s.passThroughText.substr(s.passThroughText.size() - 9), "0 0 1 1\r\n");

  r.k.ui.Comboketa.text = "0";
  AfterReading(r.k);
  EXPECT_EQ(r.k.ui.Text_sum[16].text, "1,200,000");  // 3125 x 256 + 3125 x 128
}

}  // namespace
}  // namespace kaveta::testing
