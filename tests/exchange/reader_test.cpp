#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <random>

#include "exchange/host_number.h"
#include "exchange_fixture.h"
#include "number/number_text.h"

namespace kaveta::testing {
namespace {

TEST(Reader, OnlyTheFirstLineGivesNothing) {
  Reading r;
  EXPECT_EQ(r.Read({"hq"}), ReadOutcome::Complete);
  EXPECT_TRUE(r.k.state.exchangeRead);
  EXPECT_EQ(r.k.state.nextGroup, 1);
  EXPECT_EQ(r.k.state.currentGroup, 0);
  EXPECT_EQ(r.k.state.passThroughText, "");
  AfterReading(r.k);
  ASSERT_EQ(r.Messages(), std::vector<std::string>{"ソリッド図形がありません。"});
  EXPECT_EQ(r.h.dialogs.messages[0].icon, MsgIcon::None);
}

TEST(Reader, FirstLineIsNeverInterpreted) {
  Reading r;
  r.Read({"sl 0 0 1000 0 0 1000", "0 0 1 1"});
  EXPECT_EQ(r.k.state.nextGroup, 1);
  EXPECT_EQ(r.k.state.passThroughText, "0 0 1 1\r\n");
}

TEST(Reader, ConsumedLinesLeaveEmptyLinesInOrder) {
  Reading r(RunMode::ColourChange);
  r.Read({"hq", "ly2", "lc10 255", "sl 0 0 1000 0 0 1000", "sl 0 0 1 1", "0 0 12000 0",
          "sc 10 20 5 0 360 1 0", "ch 1 2 1 0 \"部屋"});
  EXPECT_EQ(r.k.state.passThroughText,
            Lines({"ly2", "", "", "", "0 0 12000 0", "", "ch 1 2 1 0 \"部屋"}));
  const ColourGroup& g = r.Group(1);
  EXPECT_EQ(g.measuredLines, "sl 0 0 1000 0 0 1000\r\n");
  EXPECT_EQ(g.twoPointLines, "sl 0 0 1 1\r\n");
  EXPECT_EQ(g.scLines, "sc 10 20 5 0 360 1 0\r\n");
}

// Keys are matched in any case; the stored line keeps its own spelling.
TEST(Reader, KeysInCapitals) {
  Reading r;
  r.Read({"hq", "LC3", "SL 0 0 1000 0 0 1000", "Lc10 255", "sL 0 0 1000 0 0 1000"});
  ASSERT_EQ(r.k.state.nextGroup, 3);
  EXPECT_EQ(r.Group(1).colour, HostPen(3));
  EXPECT_EQ(r.Group(1).measuredLines, "SL 0 0 1000 0 0 1000\r\n");
  EXPECT_EQ(r.Group(2).colour, 255);
  EXPECT_EQ(r.k.state.currentColourNumber, "10");
  EXPECT_EQ(r.k.state.passThroughText, Lines({"LC3", "", "", ""}));
}

struct ColourCase {
  const char* line;
  std::int32_t colour;
  const char* number;
  bool consumed;
};

class ReaderColour : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ReaderColour, SetsCurrentColour) {
  const ColourCase& c = GetParam();
  Reading r;
  r.k.state.penColourTable[10] = 0;  // as the load sequence leaves it
  EXPECT_EQ(r.Read({"hq", "lc10 777", c.line}), ReadOutcome::Complete);
  EXPECT_EQ(r.k.state.currentColour, c.colour);
  EXPECT_EQ(r.k.state.currentColourNumber, c.number);
  EXPECT_EQ(r.k.state.passThroughText, Lines({"", c.consumed ? "" : c.line}));
  EXPECT_TRUE(r.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReaderColour,
    ::testing::Values(
        ColourCase{"lc10 255", 255, "10", true}, ColourCase{"lc10 -1", -1, "10", true},
        ColourCase{"LC10 16763904", 16763904, "10", true},
        // no blank: host colour number 10, empty in the pen table
        ColourCase{"lc10", 0, "10", false}, ColourCase{"lc0", 0, "0", false},
        ColourCase{"lc50", 0, "50", false}, ColourCase{"lc100", 0, "100", false},
        ColourCase{"lc1", HostPen(1), "1", false}, ColourCase{"lc9", HostPen(9), "9", false},
        ColourCase{"lc101", 0x000000, "101", false}, ColourCase{"lc102", 0x0000FF, "102", false},
        ColourCase{"lc116", 0x808080, "116", false},
        // not numbers count as 0
        ColourCase{"lc10 abc", 0, "10", true}, ColourCase{"lc10 ", 0, "10", true},
        ColourCase{"lc10 99999999999", 0, "10", true}, ColourCase{"lcx", 0, "x", false},
        ColourCase{"lc", 0, "", false}));

struct SxfCase {
  const char* line;
};

class ReaderSxf : public ::testing::TestWithParam<SxfCase> {};

TEST_P(ReaderSxf, EndsTheProcess) {
  Reading r;
  EXPECT_EQ(
      r.Read({"hq", "lc10 255", "sl 0 0 1000 0 0 1000", GetParam().line, "sl 0 0 1000 0 0 1000"}),
      ReadOutcome::ProcessEnded);
  ASSERT_EQ(r.h.dialogs.messages.size(), 1u);
  EXPECT_EQ(r.h.dialogs.messages[0].text,
            "SXFカスタム線色があります。現在対応してないので終了します。<(_ _)>申し訳ないです");
  EXPECT_EQ(r.h.dialogs.messages[0].icon, MsgIcon::None);
  EXPECT_EQ(r.MeasuredIn(1), 1);  // nothing after that line was read
}

INSTANTIATE_TEST_SUITE_P(Numbers, ReaderSxf,
                         ::testing::Values(SxfCase{"lc117"}, SxfCase{"LC200"}, SxfCase{"lc-5"},
                                           SxfCase{"lc-1"}, SxfCase{"lc99999999999"},
                                           SxfCase{"lc1e999"}));

TEST(Reader, OnlyTheLastOfTwoColourLinesCounts) {
  Reading r;
  r.Read({"hq", "lc10 255", "lc2", "sl 0 0 1000 0 0 1000"});
  ASSERT_EQ(r.k.state.nextGroup, 2);
  EXPECT_EQ(r.Group(1).colour, HostPen(2));
}

TEST(Reader, AttributeLinesSetTheCurrentValues) {
  Reading r;
  r.Read({"hq", "lt2", "cn5", "ly7", "lg3", "LTa b", "CN10"});
  EXPECT_EQ(r.k.state.currentTextKind, "10");
  EXPECT_EQ(r.k.state.currentLayer, "7");
  EXPECT_EQ(r.k.state.currentLayerGroup, "3");
  EXPECT_EQ(r.k.state.passThroughText, Lines({"lt2", "cn5", "ly7", "lg3", "LTa b", "CN10"}));
}

TEST(Reader, SolidLinesByFieldCount) {
  Reading r;
  r.Read({"hq", "lc10 5", "sl 0 0 1000 0", "sl 0 0 1000 0 0 1000", "sl 0 0 2000 0 2000 2000 0 2000",
          "sl 1 2 3 4 5 6 7 8 9 10", "sl", "sl 1 2 3"});
  const ColourGroup& g = r.Group(1);
  EXPECT_EQ(r.MeasuredIn(1), 2);
  EXPECT_EQ(g.twoPointLines, "sl 0 0 1000 0\r\n");
  EXPECT_EQ(g.measuredLines, "sl 0 0 1000 0 0 1000\r\nsl 0 0 2000 0 2000 2000 0 2000\r\n");
  ASSERT_TRUE(g.areaTotal.has_value());
  EXPECT_DOUBLE_EQ(*g.areaTotal, 4.5);
  EXPECT_EQ(r.k.state.nextSolid, 3);
  // Other counts stay in the pass-through text, each under
  // its own colour (the colour lines before them are consumed).
  EXPECT_EQ(r.k.state.passThroughText, Lines({"", "", "", "", "lc10 5", "sl 1 2 3 4 5 6 7 8 9 10",
                                              "lc10 5", "sl", "lc10 5", "sl 1 2 3"}));
}

// Every single blank splits: a doubled or trailing blank adds an empty field.
TEST(Reader, FieldsSplitAtEveryBlank) {
  Reading r;
  r.Read({"hq", "sl 0  0 1000 0 0 1000", "sl 0 0 1000 0 0 1000 ", "sl 0 0 1000\t0 0 1000"});
  EXPECT_EQ(r.MeasuredIn(1), 0);
  EXPECT_EQ(r.Group(1).measuredLines, "");
  EXPECT_EQ(r.k.state.nextSolid, 1);
  EXPECT_EQ(r.k.state.passThroughText,
            Lines({"lc10 0", "sl 0  0 1000 0 0 1000", "lc10 0", "sl 0 0 1000 0 0 1000 ", "lc10 0",
                   "sl 0 0 1000\t0 0 1000"}));
}

TEST(Reader, CircleSolidsInAreaModesSetTheFlagOnly) {
  for (RunMode mode : {RunMode::AreaNewTable, RunMode::AreaPreviousTable}) {
    Reading r(mode);
    r.Read({"hq", "lc10 255", "sc 1 2 3 0 360 1 0", "se 1", "so 1", "sg 1"});
    EXPECT_TRUE(r.k.state.circularSolidFound);
    ASSERT_EQ(r.k.state.nextGroup, 2);  // the colour is still a group
    EXPECT_EQ(r.k.ui.Lblpic[1].backColour, 255);
    EXPECT_EQ(r.k.ui.Lblpic[17].backColour, 255);
    EXPECT_EQ(r.MeasuredIn(1), 0);
    EXPECT_FALSE(r.Group(1).areaTotal.has_value());
    EXPECT_EQ(r.Group(1).scLines + r.Group(1).seLines + r.Group(1).soLines + r.Group(1).sgLines,
              "");
    EXPECT_EQ(r.k.state.passThroughText, Lines({"", "", "", "", ""}));
    AfterReading(r.k);
    EXPECT_EQ(r.k.ui.Text_sum[1].text, "-");
  }
}

// Lines with Japanese text are converted; the blocks still keep the
// reading order, after anything a block held before.
TEST(Reader, GroupBlocksKeepReadingOrder) {
  Reading r(RunMode::ColourChange);
  r.Read({"hq", "lc10 1", "sc 1 \"円", "sc 2", "lc10 2", "sc 3", "lc10 1", "sc 4 部屋", "sg 5"});
  EXPECT_EQ(r.Group(1).scLines, Lines({"sc 1 \"円", "sc 2", "sc 4 部屋"}));
  EXPECT_EQ(r.Group(1).sgLines, Lines({"sg 5"}));
  EXPECT_EQ(r.Group(2).scLines, Lines({"sc 3"}));

  Reading previous(RunMode::AreaPreviousTable);
  previous.k.state.nextGroup = 2;
  previous.k.state.groups[1].colour = 1;
  previous.k.state.groups[1].measuredLines = "sl kept\r\n";
  previous.Read({"hq", "lc10 1", "sl 0 0 1000 0 0 １", "sl 0 0 1000 0 0 1000"});
  EXPECT_EQ(previous.Group(1).measuredLines,
            Lines({"sl kept", "sl 0 0 1000 0 0 １", "sl 0 0 1000 0 0 1000"}));
  EXPECT_DOUBLE_EQ(*previous.Group(1).areaTotal, 0.5);  // "１" is no number: 0
}

TEST(Reader, CircleSolidsOutsideAreaModesAreKeptPerKind) {
  Reading r(RunMode::LayerSort);
  r.Read({"hq", "lc10 255", "SC 1", "se 2", "so 3", "sg 4", "sc 5"});
  EXPECT_FALSE(r.k.state.circularSolidFound);
  EXPECT_EQ(r.Group(1).scLines, "SC 1\r\nsc 5\r\n");
  EXPECT_EQ(r.Group(1).seLines, "se 2\r\n");
  EXPECT_EQ(r.Group(1).soLines, "so 3\r\n");
  EXPECT_EQ(r.Group(1).sgLines, "sg 4\r\n");
}

TEST(Reader, EndMarkStopsOnlyTableDesign) {
  const std::vector<std::string> input = {"hq", "lc10 1", "sl 0 0 1000 0 0 1000",
                                          "#",  "lc10 2", "sl 0 0 1000 0 0 1000"};
  Reading design(RunMode::TableDesign);
  EXPECT_EQ(design.Read(input), ReadOutcome::Stopped);
  EXPECT_EQ(design.k.state.nextGroup, 2);
  EXPECT_EQ(design.k.state.passThroughText, Lines({"", ""}));
  EXPECT_TRUE(design.Messages().empty());

  Reading change(RunMode::ColourChange);
  EXPECT_EQ(change.Read(input), ReadOutcome::Complete);
  EXPECT_EQ(change.k.state.nextGroup, 3);
  EXPECT_EQ(change.k.state.passThroughText, Lines({"", "", "#", "", ""}));

  Reading notAlone(RunMode::TableDesign);
  EXPECT_EQ(notAlone.Read({"hq", "# comment", "#x", "sl 0 0 1 1"}), ReadOutcome::Complete);
  EXPECT_EQ(notAlone.k.state.passThroughText, Lines({"# comment", "#x", ""}));
}

struct TitleCase {
  std::string line;
  std::string title;
};

class ReaderTitle : public ::testing::TestWithParam<TitleCase> {};

TEST_P(ReaderTitle, FromTheLineAfterHhp1ch) {
  Reading r;
  r.Read({"hq", "hhp1ch", GetParam().line, "lc10 3"});
  EXPECT_EQ(r.k.state.tableTitle, GetParam().title);
  EXPECT_EQ(r.k.ui.txtHyoumei.text, GetParam().title);
  // The title line takes the place of the "hhp1ch" line and is not
  // interpreted further.
  EXPECT_EQ(r.k.state.passThroughText, Lines({GetParam().line, ""}));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReaderTitle,
    ::testing::Values(TitleCase{"ch 1 1 2 0 \"面積表", "面積表"},
                      TitleCase{"ch 1 1 2 0 \"a \"quoted\"", "a \"quoted\""},
                      TitleCase{"面積 表", "面積 表"}, TitleCase{"\"", ""}, TitleCase{"", ""},
                      // a title line is never a figure line
                      TitleCase{"sl 0 0 1000 0 0 1000", "sl 0 0 1000 0 0 1000"},
                      TitleCase{"lc10 255", "lc10 255"}));

TEST(Reader, TitleLineIsNotInterpreted) {
  Reading r;
  r.Read({"hq", "HHP1CH", "lc10 255", "sl 0 0 1000 0 0 1000"});
  EXPECT_EQ(r.k.state.tableTitle, "lc10 255");
  EXPECT_EQ(r.Group(1).colour, 0);
}

TEST(Reader, HhpChAsTheLastLine) {
  Reading r;
  r.k.ui.txtHyoumei.text = "old";
  EXPECT_EQ(r.Read({"hq", "0 0 1 1", "hhp1ch"}), ReadOutcome::Complete);
  EXPECT_EQ(r.k.state.tableTitle, "");
  EXPECT_EQ(r.k.ui.txtHyoumei.text, "");
  EXPECT_EQ(r.k.state.passThroughText, Lines({"0 0 1 1"}));
}

TEST(Reader, HeaderArrays) {
  Reading r;
  r.Read({"hq", "hs 100 100 50 50 100 1 1 1 1 50 50 1 50 50 50 1", "hcw 2 2.5 3 4 5 6 7 8 9 10",
          "HCH 2 2.5 3 4 5 6 7 8 9 10 11 12", "hcd 0 0 0.5", "hcc      1      1"});
  const RunState& s = r.k.state;
  EXPECT_EQ(s.headerScale[0], "hs");
  EXPECT_EQ(s.headerScale[1], "100");
  EXPECT_EQ(s.headerScale[3], "50");
  EXPECT_EQ(s.headerScale[16], "1");
  EXPECT_EQ(s.headerTextWidth[2], "2.5");
  EXPECT_EQ(s.headerTextWidth[10], "10");
  EXPECT_EQ(s.headerTextHeight[0], "HCH");
  EXPECT_EQ(s.headerTextHeight[10], "10");
  EXPECT_EQ(s.headerTextHeight[11], "");  // fields 0..10 only
  // Too few fields: what is there is stored, the rest is empty.
  EXPECT_EQ(s.headerTextSpacing[3], "0.5");
  EXPECT_EQ(s.headerTextSpacing[4], "");
  // Runs of blanks give empty fields.
  EXPECT_EQ(s.headerTextColour[1], "");
  EXPECT_EQ(s.headerTextColour[5], "");
  EXPECT_EQ(s.headerTextColour[6], "1");
  EXPECT_EQ(s.headerTextColour[7], "");
  EXPECT_EQ(s.headerTextColour[10], "");
  // Header lines pass through.
  EXPECT_EQ(s.passThroughText.substr(0, 5), "hs 10");
}

TEST(Reader, ShortHeaderLineReplacesAnEarlierOne) {
  Reading r;
  r.Read({"hq", "hs 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16", "hs 7", "lg0", "lg1"});
  EXPECT_EQ(r.k.state.headerScale[1], "7");
  EXPECT_EQ(r.k.state.headerScale[2], "");
  EXPECT_FLOAT_EQ(r.k.state.currentGroupScale, 0.0f);  // lg1: empty field
}

struct ScaleCase {
  const char* line;
  float scale;
  const char* group;
};

class ReaderScale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ReaderScale, LayerGroupTakesItsScale) {
  Reading r;
  r.Read({"hq", "hs 100 200 50 0.5 1 1 1 1 1 1 1 1 1 1 1 2.5", "lg1", GetParam().line});
  EXPECT_FLOAT_EQ(r.k.state.currentGroupScale, GetParam().scale);
  EXPECT_EQ(r.k.state.currentLayerGroup, GetParam().group);
}

INSTANTIATE_TEST_SUITE_P(
    Digits, ReaderScale,
    ::testing::Values(ScaleCase{"lg0", 100.0f, "0"}, ScaleCase{"lg2", 50.0f, "2"},
                      ScaleCase{"LG3", 0.5f, "3"}, ScaleCase{"lgf", 2.5f, "f"},
                      // a layer-group name line changes nothing
                      ScaleCase{"lgnName", 200.0f, "1"}, ScaleCase{"lgN", 200.0f, "1"},
                      // no lower-case hexadecimal digit: scale 0
                      ScaleCase{"lgF", 0.0f, "F"}, ScaleCase{"lgz", 0.0f, "z"},
                      ScaleCase{"lg", 0.0f, ""}, ScaleCase{"lg01", 100.0f, "0"},
                      ScaleCase{"lg全", 0.0f, "全"}));

TEST(Reader, LayerGroupBeforeAnyScaleHeader) {
  Reading r;
  r.Read({"hq", "lg5", "hs 1 2 3 4 5 6 7"});
  EXPECT_FLOAT_EQ(r.k.state.currentGroupScale, 0.0f);
  EXPECT_EQ(r.k.state.currentLayerGroup, "5");
}

TEST(Reader, NextGroupKeptInAreaPreviousTable) {
  Reading r(RunMode::AreaPreviousTable);
  r.k.state.nextGroup = 3;  // two rows restored from the catalogue
  r.k.state.groups[1].colour = 255;
  r.k.state.groups[2].colour = 65280;
  r.Read({"hq", "lc10 65280", "sl 0 0 1000 0 0 1000", "lc10 99", "sl 0 0 1000 0 0 1000"});
  EXPECT_EQ(r.k.state.nextGroup, 4);
  EXPECT_EQ(r.MeasuredIn(2), 1);
  EXPECT_EQ(r.Group(3).colour, 99);

  Reading fresh(RunMode::AreaNewTable);
  fresh.k.state.nextGroup = 3;
  fresh.Read({"hq", "lc10 99", "sl 0 0 1000 0 0 1000"});
  EXPECT_EQ(fresh.k.state.nextGroup, 2);
  EXPECT_EQ(fresh.Group(1).colour, 99);
}

TEST(Reader, LayerNamesInLayerNamingExternal) {
  Reading r(RunMode::LayerNamingExternal);
  const std::int32_t unpainted = r.k.ui.Lblpic[1].backColour;
  r.Read({"hq", "lg2", "lgnGROUP", "ly0", "lyn壁", "ly4", "LYN#c#0080FF", "lyf", "lyn#C255"});
  EXPECT_EQ(r.k.ui.txtHyoumei.text, "2");
  EXPECT_EQ(r.k.ui.txtname[1].text, "壁");
  EXPECT_EQ(r.k.ui.txtname[5].text, "#c#0080FF");
  EXPECT_EQ(r.k.ui.Lblpic[5].backColour, 0 + 0x80 * 256 + 0xFF * 65536);
  EXPECT_EQ(r.k.ui.Lblpic[21].backColour, r.k.ui.Lblpic[5].backColour);
  EXPECT_EQ(r.k.ui.txtname[16].text, "#C255");
  EXPECT_EQ(r.k.ui.Lblpic[16].backColour, 255);
  EXPECT_EQ(r.k.ui.Lblpic[32].backColour, 255);
  EXPECT_EQ(r.k.ui.Lblpic[1].backColour, unpainted);  // a plain name paints nothing
  // The name lines pass through.
  EXPECT_EQ(r.k.state.passThroughText,
            Lines({"lg2", "lgnGROUP", "ly0", "lyn壁", "ly4", "LYN#c#0080FF", "lyf", "lyn#C255"}));
}

TEST(Reader, LayerGroupNameShowsTheGroupDigitInCapitals) {
  Reading r(RunMode::LayerNamingExternal);
  r.Read({"hq", "lga", "lgn名前"});
  EXPECT_EQ(r.k.ui.txtHyoumei.text, "A");
}

TEST(Reader, LayerNamesOutsideLayerNamingExternalOnlyPassThrough) {
  Reading r(RunMode::TableDesign);
  const std::int32_t unpainted = r.k.ui.Lblpic[4].backColour;
  r.Read({"hq", "lga", "lgnG", "ly3", "lyn#c#0080FF"});
  EXPECT_EQ(r.k.ui.txtHyoumei.text, "");
  EXPECT_EQ(r.k.ui.txtname[4].text, "");
  EXPECT_EQ(r.k.ui.Lblpic[4].backColour, unpainted);
  EXPECT_EQ(r.k.state.currentLayer, "3");
}

// A layer that is no row (upper-case or no digit) gets no row-0 writes and
// no writes anywhere else.
TEST(Reader, LayerNameForALayerThatIsNoRowChangesNothing) {
  for (const char* layer : {"lyA", "ly", "ly#", "ly全"}) {
    Reading r(RunMode::LayerNamingExternal);
    const WindowModel before = r.k.ui;
    r.Read({"hq", layer, "lyn#c#0080FF", "lynName"});
    for (int i = 0; i <= 16; ++i)
      EXPECT_EQ(r.k.ui.txtname[i].text, before.txtname[i].text) << layer;
    for (int i = 0; i <= 32; ++i)
      EXPECT_EQ(r.k.ui.Lblpic[i].backColour, before.Lblpic[i].backColour) << layer;
  }
}

TEST(Reader, JapaneseLinesPassThroughAsUtf8) {
  Reading r;
  r.Read({"hq", "cn\"（ゴシック）", "ch 2000 1500 1 0 \"東室（１）", "lynｱｲｳ"});
  EXPECT_EQ(r.k.state.currentTextKind, "\"（ゴシック）");
  EXPECT_EQ(r.k.state.passThroughText,
            Lines({"cn\"（ゴシック）", "ch 2000 1500 1 0 \"東室（１）", "lynｱｲｳ"}));
}

// A large input given up to the reader is read into the same state as one
// only looked at, though its pages go back to the system on the way: ASCII
// and converted figure lines, every block, and a stop at a 17th colour.
TEST(Reader, ConsumedLargeInputReadsAsALookedAtOne) {
  struct Case {
    RunMode mode;
    int colours;
    ReadOutcome outcome;
  };
  for (const Case c : {Case{RunMode::ColourChange, 16, ReadOutcome::Complete},
                       Case{RunMode::AreaNewTable, 17, ReadOutcome::Stopped}}) {
    std::mt19937 random(c.colours);
    std::vector<std::string> lines{"hq"};
    const auto n = [&] { return std::to_string(random() % 100000) + ".5"; };
    while (lines.size() < 200000) {
      const int colour = static_cast<int>(lines.size() * c.colours / 200000);
      lines.push_back("lc10 " + std::to_string(colour + 1));
      for (int i = 0; i < 4; ++i) {
        switch (random() % 6) {
          case 0: lines.push_back("sl " + n() + " " + n() + " " + n() + " " + n()); break;
          case 1: lines.push_back("sc " + n() + " 2000 500 0 360 1 0"); break;
          case 2: lines.push_back("ch 1 2 1 0 \"部屋" + n()); break;
          case 3: lines.push_back("sl 0 0 " + n() + " 0 " + n() + " " + n() + " ０"); break;
          default:
            lines.push_back("sl " + n() + " " + n() + " " + n() + " " + n() + " " + n() + " " +
                            n() + " " + n() + " " + n());
        }
      }
    }
    std::string bytes = HostFile(lines);
    ASSERT_GT(bytes.size(), std::size_t{6} << 20);
    Reading looked(c.mode), consumed(c.mode);
    EXPECT_EQ(looked.ReadBytes(bytes), c.outcome);
    EXPECT_EQ(ConsumeIntoWindow(consumed.k, bytes), c.outcome);
    const RunState &a = looked.k.state, &b = consumed.k.state;
    // Compared whole: a difference printed would be megabytes.
    EXPECT_TRUE(a.passThroughText == b.passThroughText);
    EXPECT_EQ(a.nextGroup, b.nextGroup);
    EXPECT_EQ(a.solidRows, b.solidRows);
    ASSERT_EQ(a.solids.size(), b.solids.size());
    for (std::size_t i = 0; i < a.solids.size(); ++i) EXPECT_EQ(a.solids[i].area, b.solids[i].area);
    for (int g = 1; g <= kMaxGroups; ++g) {
      const ColourGroup &x = a.groups[g], &y = b.groups[g];
      EXPECT_EQ(x.areaTotal, y.areaTotal) << g;
      EXPECT_TRUE(x.measuredLines == y.measuredLines && x.twoPointLines == y.twoPointLines &&
                  x.scLines == y.scLines)
          << "group " << g;
    }
    EXPECT_FALSE(a.groups[c.colours - 1].measuredLines.empty());
  }
}

// Figure fields take a short cut past from_chars; the value must be the
// same to the bit, for every shape a field can have.
TEST(HostNumber, PlainDecimalsReadAsFromCharsReadsThem) {
  std::mt19937 random(1209);
  for (int i = 0; i < 200000; ++i) {
    std::string field = random() % 4 == 0 ? "-" : "";
    const int whole = static_cast<int>(random() % 12), decimals = static_cast<int>(random() % 10);
    for (int d = 0; d < whole; ++d) field += static_cast<char>('0' + random() % 10);
    if (random() % 3) field += '.';
    for (int d = 0; d < decimals; ++d) field += static_cast<char>('0' + random() % 10);
    double expected = 0;
    const auto [p, ec] = std::from_chars(field.data(), field.data() + field.size(), expected);
    if (ec != std::errc() || p != field.data() + field.size()) continue;  // the lenient way's
    const double got = HostNumber(field);
    ASSERT_EQ(std::memcmp(&got, &expected, sizeof got), 0) << field;
  }
}

}  // namespace
}  // namespace kaveta::testing
