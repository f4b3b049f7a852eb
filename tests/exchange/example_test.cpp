// The sample selection in data/TEMP.TXT: a room outline, solid figures in
// three colours, a two-point solid, a circle solid and room names.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "exchange_fixture.h"
#include "text/lines.h"

namespace kaveta::testing {
namespace {

std::string SampleBytes() {
  std::ifstream in(std::string(KAVETA_TEST_DATA) + "/exchange/data/TEMP.TXT", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Example, AreasPerColour) {
  Reading r(RunMode::AreaNewTable);
  r.k.ui.Comboketa.text = "4";
  const std::string bytes = SampleBytes();
  ASSERT_FALSE(bytes.empty());
  ASSERT_EQ(r.ReadBytes(bytes), ReadOutcome::Complete);
  const RunState& s = r.k.state;
  ASSERT_EQ(s.nextGroup, 5);
  // 5.46 x 3.64 + two triangles of 3.64 x 3.64 / 2
  EXPECT_EQ(s.groups[1].colour, 16763904);
  EXPECT_NEAR(*s.groups[1].areaTotal, 33.1240, 1e-9);
  EXPECT_EQ(r.MeasuredIn(1), 3);
  // 3.64 x 5.36
  EXPECT_EQ(s.groups[2].colour, 8454143);
  EXPECT_NEAR(*s.groups[2].areaTotal, 19.5104, 1e-9);
  EXPECT_EQ(r.MeasuredIn(2), 1);
  // host colour 5: 8.36 x 5.36, plus a two-point solid
  EXPECT_EQ(s.groups[3].colour, HostPen(5));
  EXPECT_NEAR(*s.groups[3].areaTotal, 44.8096, 1e-9);
  EXPECT_EQ(r.MeasuredIn(3), 1);  // and the two-point solid below
  EXPECT_EQ(s.groups[3].twoPointLines, "sl 9100 0 12000 0\r\n");
  // the circle's colour is a group without area
  EXPECT_EQ(s.groups[4].colour, 12632256);
  EXPECT_FALSE(s.groups[4].areaTotal.has_value());
  EXPECT_TRUE(s.circularSolidFound);
  EXPECT_EQ(s.nextSolid, 6);

  EXPECT_EQ(s.headerScale[1], "100");
  EXPECT_EQ(s.headerTextHeight[2], "2.5");
  EXPECT_FLOAT_EQ(s.currentGroupScale, 100.0f);
  EXPECT_EQ(s.currentTextKind, "2");
  EXPECT_EQ(s.currentLayer, "5");

  AfterReading(r.k);
  EXPECT_EQ(r.k.ui.Text_sum[1].text, "33.1240");
  EXPECT_EQ(r.k.ui.Text_sum[2].text, "19.5104");
  EXPECT_EQ(r.k.ui.Text_sum[3].text, "44.8096");
  EXPECT_EQ(r.k.ui.Text_sum[4].text, "-");
  EXPECT_EQ(r.k.ui.Label5[1].text, "m^2");
  ASSERT_EQ(r.h.dialogs.messages.size(), 1u);
  EXPECT_EQ(r.h.dialogs.messages[0].icon, MsgIcon::Critical);
}

TEST(Example, PassThroughKeepsEveryOtherLineInPlace) {
  Reading r(RunMode::AreaNewTable);
  r.ReadBytes(SampleBytes());
  // Lines 21-27 and 29-32 of the file are the explicit colours, solids and
  // the circle; line 28 ("lc5") is not consumed.
  const std::set<std::size_t> consumed = {21, 22, 23, 24, 25, 26, 27, 29, 30, 31, 32};
  const std::string text = Cp932ToUtf8(SampleBytes());
  const std::vector<std::string_view> lines = SplitLines(text);
  ASSERT_EQ(lines.size(), 37u);
  std::string expected;
  for (std::size_t n = 2; n <= lines.size(); ++n)
    expected += (consumed.count(n) ? std::string() : std::string(lines[n - 1])) + "\r\n";
  EXPECT_EQ(r.k.state.passThroughText, expected);
  EXPECT_NE(r.k.state.passThroughText.find("ch 1500 6000 1 0 \"和室ｱ\r\n"), std::string::npos);
}

TEST(Example, TableDesignStopsAtTheHashLine) {
  Reading r(RunMode::TableDesign);
  EXPECT_EQ(r.ReadBytes(SampleBytes()), ReadOutcome::Stopped);
  EXPECT_EQ(r.k.state.nextGroup, 1);
  EXPECT_EQ(r.k.state.currentTextKind, "\"$<ＭＳ ゴシック>");
}

}  // namespace
}  // namespace kaveta::testing
