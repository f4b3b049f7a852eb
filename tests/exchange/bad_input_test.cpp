// Input the host never writes must neither crash nor hang the reader.
#include <gtest/gtest.h>

#include <random>

#include "exchange_fixture.h"

namespace kaveta::testing {
namespace {

TEST(BadInput, EmptyFile) {
  Reading r;
  EXPECT_EQ(r.ReadBytes(""), ReadOutcome::Complete);
  EXPECT_TRUE(r.k.state.exchangeRead);
  EXPECT_EQ(r.k.state.nextGroup, 1);
  EXPECT_EQ(r.k.state.passThroughText, "");
}

TEST(BadInput, NoLineEndAnywhere) {
  Reading r;
  EXPECT_EQ(r.ReadBytes("sl 0 0 1000 0 0 1000"), ReadOutcome::Complete);
  EXPECT_EQ(r.k.state.nextGroup, 1);  // that was the first line
  EXPECT_EQ(r.k.state.passThroughText, "");

  Reading last;
  last.ReadBytes("hq\r\nsl 0 0 1000 0 0 1000");
  EXPECT_EQ(last.MeasuredIn(1), 1);
  EXPECT_EQ(last.k.state.passThroughText, "\r\n");
}

struct LineEndCase {
  const char* name;
  const char* end;
};

class BadInputLineEnds : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(BadInputLineEnds, EveryLineEndEndsALine) {
  const std::string e = GetParam().end;
  Reading r;
  r.ReadBytes("hq" + e + "lc10 255" + e + "sl 0 0 1000 0 0 1000" + e + e + "0 0 1 1" + e);
  EXPECT_EQ(r.Group(1).colour, 255);
  EXPECT_EQ(r.Group(1).measuredLines, "sl 0 0 1000 0 0 1000\r\n");
  EXPECT_EQ(r.k.state.passThroughText, Lines({"", "", "", "0 0 1 1"}));
}

INSTANTIATE_TEST_SUITE_P(Styles, BadInputLineEnds,
                         ::testing::Values(LineEndCase{"CrLf", "\r\n"}, LineEndCase{"Lf", "\n"},
                                           LineEndCase{"Cr", "\r"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BadInput, MegabyteLines) {
  const std::string plain(1 << 20, 'x');
  std::string manyFields = "sl";
  while (manyFields.size() < (1u << 20)) manyFields += " 1";
  const std::string bigTitle = "ch 1 1 2 0 \"" + std::string(1 << 20, 'T');
  const std::string bigColour = "lc10 " + std::string(1 << 20, '9');
  Reading r;
  EXPECT_EQ(
      r.Read({"hq", plain, bigColour, manyFields, "hhp1ch", bigTitle, "sl 0 0 1000 0 0 1000"}),
      ReadOutcome::Complete);
  EXPECT_EQ(r.k.state.currentColour, 0);  // no 32-bit value: black
  EXPECT_EQ(r.MeasuredIn(1), 1);  // the long line is kept, not measured
  EXPECT_EQ(r.k.state.tableTitle.size(), 1u << 20);
  EXPECT_EQ(r.k.state.passThroughText, Lines({plain, "", "lc10 0", manyFields, bigTitle, ""}));

  Reading sxf;
  EXPECT_EQ(sxf.Read({"hq", "lc" + std::string(1 << 20, '9')}), ReadOutcome::ProcessEnded);
}

TEST(BadInput, NulBytesAreKept) {
  const std::string nul("a\0b", 3);
  Reading r;
  r.ReadBytes(std::string("hq\r\n") + nul + "\r\nsl 0 0 1000 0 0 1000" + std::string(1, '\0') +
              "\r\nlt" + nul + "\r\n");
  EXPECT_EQ(r.k.state.passThroughText, nul + "\r\n\r\nlt" + nul + "\r\n");
  ASSERT_EQ(r.MeasuredIn(1), 1);
  EXPECT_DOUBLE_EQ(*r.Group(1).areaTotal, 0.5);  // "1000\0" reads as 1000
}

TEST(BadInput, BytesThatAreNoShiftJis) {
  Reading r;
  // A lone lead byte before the line end must not swallow the CR LF.
  r.ReadBytes("hq\r\nch \x82\r\nhhp1ch\r\n\"\xFF\xFE\r\nlc10 255\r\nsl 0 0 1000 0 0 1000\r\n");
  const std::string replacement = "\xEF\xBF\xBD";
  EXPECT_EQ(r.k.state.passThroughText.substr(0, 3 + 3 + 2), "ch " + replacement + "\r\n");
  EXPECT_EQ(r.k.state.tableTitle, replacement + replacement);
  EXPECT_EQ(r.Group(1).colour, 255);
  EXPECT_EQ(r.MeasuredIn(1), 1);
}

// A mixed line keeps its ASCII part and turns its Japanese part into UTF-8.
TEST(BadInput, OnlyLinesWithJapaneseAreConverted) {
  Reading r;
  r.ReadBytes("hq\r\nlt\x8E\xBA\r\n0 0 1 1\r\n");
  EXPECT_EQ(r.k.state.passThroughText, "lt室\r\n0 0 1 1\r\n");
}

// Random lines built from the host's keys and junk: every run ends with an
// outcome and leaves consistent counters.
TEST(BadInput, RandomLinesNeverBreakTheReader) {
  const std::vector<std::string> pieces = {"sl",
                                           "SL",
                                           "sc",
                                           "se",
                                           "so",
                                           "sg",
                                           "lc",
                                           "LC10 ",
                                           "lc10 ",
                                           "lg",
                                           "ly",
                                           "lyn",
                                           "lgn",
                                           "lt",
                                           "cn",
                                           "hs",
                                           "hcw",
                                           "hhp1ch",
                                           "#",
                                           "#c",
                                           " ",
                                           "  ",
                                           "\"",
                                           "0",
                                           "1",
                                           "-",
                                           ".",
                                           "e",
                                           "999999999999",
                                           "116",
                                           "117",
                                           "a",
                                           "f",
                                           "F",
                                           "\x82",
                                           "\xA0",
                                           "\xFF",
                                           "\r",
                                           "\n",
                                           "\r\n",
                                           std::string(1, '\0'),
                                           "部屋"};
  std::mt19937 random(12345);
  for (int round = 0; round < 400; ++round) {
    std::string bytes = "hq\r\n";
    const int n = static_cast<int>(random() % 200);
    for (int i = 0; i < n; ++i) bytes += pieces[random() % pieces.size()];
    for (RunMode mode : {RunMode::AreaNewTable, RunMode::TableDesign, RunMode::ColourChange,
                         RunMode::LayerNamingExternal}) {
      Reading r(mode);
      const ReadOutcome outcome = r.ReadBytes(bytes);
      const RunState& s = r.k.state;
      ASSERT_GE(s.nextGroup, 1);
      ASSERT_LE(s.nextGroup, 17);
      ASSERT_EQ(static_cast<std::int64_t>(s.solids.size()), s.nextSolid - 1);
      if (outcome != ReadOutcome::ProcessEnded) AfterReading(r.k);
    }
  }
}

}  // namespace
}  // namespace kaveta::testing
