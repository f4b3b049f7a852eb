#include "ui/colour_rows.h"

#include <gtest/gtest.h>

#include <string>

#include "exchange/breakdown.h"
#include "ui_fixture.h"

namespace kaveta::testing {
namespace {

const std::string kDuplicate = "同じ色がすでに使われてます。\r\nそれでも使いますか？";
constexpr std::int32_t kPicked = 0x123456;  // r 0x56, g 0x34, b 0x12
const std::string kPickedTip = "R:86 G:52 B:18";
constexpr std::int32_t kFilled = 0x00AA00;
constexpr int kRow = 4;

// ---------------------------------------------------------------- row mode

struct ModeStep {
  const char* from;
  const char* to;
  const char* hint;
  bool dragBefore;
  bool dragAfter;
};

class RowModeButton : public ::testing::TestWithParam<ModeStep> {};

TEST_P(RowModeButton, CyclesCaptionHintAndDragging) {
  const ModeStep& s = GetParam();
  Window w(RunMode::TableDesign);
  w.k.ui.btnChenge.text = s.from;
  w.k.ui.Label7.text = "x";
  for (int i = 1; i <= 16; ++i) w.k.ui.Lblpic[i].dragOnPress = s.dragBefore;
  btnChenge_Click(w.k);
  EXPECT_EQ(w.k.ui.btnChenge.text, s.to);
  EXPECT_EQ(w.k.ui.Label7.text, s.hint);
  for (int i = 1; i <= 16; ++i) EXPECT_EQ(w.k.ui.Lblpic[i].dragOnPress, s.dragAfter) << i;
  // Right swatches are never draggable.
  for (int i = 17; i <= 32; ++i) EXPECT_FALSE(w.k.ui.Lblpic[i].dragOnPress) << i;
}

INSTANTIATE_TEST_SUITE_P(
    ColourRows, RowModeButton,
    ::testing::Values(ModeStep{"並替", "追加", "↑ここをクリックしてください", true, false},
                      // Add to delete leaves dragging as it was.
                      ModeStep{"追加", "削除", "↑ここをクリックしてください", true, true},
                      ModeStep{"削除", "並替", "↑ここをドラッグしてください", false, true}));

TEST(ColourRows, RowModeButtonReturnsToReorderAfterThreeClicks) {
  Window w(RunMode::TableDesign);
  for (int n = 0; n < 3; ++n) btnChenge_Click(w.k);
  EXPECT_EQ(w.k.ui.btnChenge.text, "並替");
  EXPECT_EQ(w.k.ui.Label7.text, "↑ここをドラッグしてください");
  EXPECT_TRUE(w.k.ui.Lblpic[1].dragOnPress);
}

// ------------------------------------------------------------ swatch click

enum class Outcome { Nothing, Added, Named, Recoloured, Cleared };

struct ClickCase {
  const char* name;
  RunMode mode;
  const char* rowMode;
  bool filled;  // row 4 has a colour
  bool right;   // click on the right swatch
  Outcome outcome;
  std::uint32_t flags = 2;
};

class SwatchClick : public ::testing::TestWithParam<ClickCase> {
 protected:
  // Row 4 with content, the dialog answering kPicked (or cancelling).
  void Prepare(Window& w, bool answer) {
    const ClickCase& c = GetParam();
    w.k.ui.btnChenge.text = c.rowMode;
    if (c.filled) w.Fill(kRow, kFilled);
    w.k.ui.txtname[kRow].text = "old";
    w.k.ui.Text_sum[kRow].text = "1.000";
    w.k.ui.Label5[kRow].text = "m2";
    w.k.ui.Label5[kRow].tooltip = "m2,1";
    w.k.state.groups[kRow].measuredLines = "sl 0 0 1000 0 0 1000\r\n";
    w.k.state.groups[kRow].scLines = "sc 1\r\n";
    if (answer) w.h.dialogs.colourAnswers.push_back(kPicked);
  }
  int Swatch() const { return GetParam().right ? kRow + 16 : kRow; }
};

void ExpectRowUntouched(Window& w, bool filled) {
  const std::int32_t colour = filled ? kFilled : w.k.state.backgroundColour;
  const std::string tip = filled ? "row 4" : "";
  EXPECT_EQ(w.Left(kRow).backColour, colour);
  EXPECT_EQ(w.Right(kRow).backColour, colour);
  EXPECT_EQ(w.Left(kRow).tooltip, tip);
  EXPECT_EQ(w.Right(kRow).tooltip, tip);
  EXPECT_EQ(w.k.ui.txtname[kRow].text, "old");
  EXPECT_EQ(w.k.ui.Text_sum[kRow].text, "1.000");
  EXPECT_EQ(w.k.ui.Label5[kRow].text, "m2");
  EXPECT_EQ(w.k.ui.Label5[kRow].tooltip, "m2,1");
}

TEST_P(SwatchClick, ActsByRunModeAndRowMode) {
  const ClickCase& c = GetParam();
  Window w(c.mode);
  Prepare(w, true);
  Lblpic_Click(w.k, Swatch());

  const bool dialog = c.outcome == Outcome::Added || c.outcome == Outcome::Named ||
                      c.outcome == Outcome::Recoloured;
  ASSERT_EQ(w.h.dialogs.colourDialogs.size(), dialog ? 1u : 0u);
  if (dialog) {
    EXPECT_EQ(w.h.dialogs.colourDialogs[0].flags, c.flags);
    EXPECT_EQ(w.h.dialogs.colourDialogs[0].initial, 0);  // a fresh dialog starts black
  }
  EXPECT_TRUE(w.h.dialogs.messages.empty());
  const std::int32_t bg = w.k.state.backgroundColour;
  const std::int32_t before = c.filled ? kFilled : bg;

  switch (c.outcome) {
    case Outcome::Nothing: ExpectRowUntouched(w, c.filled); break;
    case Outcome::Added:
    case Outcome::Named:
      EXPECT_EQ(w.Left(kRow).backColour, kPicked);
      EXPECT_EQ(w.Right(kRow).backColour, kPicked);
      EXPECT_EQ(w.Left(kRow).tooltip, kPickedTip);
      EXPECT_EQ(w.Right(kRow).tooltip, kPickedTip);
      EXPECT_EQ(w.k.ui.txtname[kRow].text, c.outcome == Outcome::Named ? "#c#563412" : "old");
      EXPECT_EQ(w.k.ui.Text_sum[kRow].text, "1.000");
      EXPECT_EQ(w.k.ui.Label5[kRow].tooltip, "m2,1");
      break;
    case Outcome::Recoloured:
      EXPECT_EQ(w.Left(kRow).backColour, before);
      EXPECT_EQ(w.Right(kRow).backColour, kPicked);
      EXPECT_EQ(w.Right(kRow).tooltip, kPickedTip);
      EXPECT_EQ(w.k.ui.txtname[kRow].text, "old");
      break;
    case Outcome::Cleared:
      for (const Control* s : {&w.Left(kRow), &w.Right(kRow)}) {
        EXPECT_EQ(s->backColour, bg);
        EXPECT_EQ(s->tooltip, "");
      }
      EXPECT_EQ(w.k.ui.txtname[kRow].text, "");
      EXPECT_EQ(w.k.ui.Text_sum[kRow].text, "");
      EXPECT_EQ(w.k.ui.Label5[kRow].text, "");
      EXPECT_EQ(w.k.ui.Label5[kRow].tooltip, "");
      // The stored figures stay with the group.
      EXPECT_EQ(w.k.state.groups[kRow].measuredLines, "sl 0 0 1000 0 0 1000\r\n");
      EXPECT_EQ(w.k.state.groups[kRow].scLines, "sc 1\r\n");
      break;
  }
  // Other rows never change.
  EXPECT_EQ(w.Left(kRow + 1).backColour, bg);
  EXPECT_EQ(w.Right(kRow - 1).backColour, bg);
}

TEST_P(SwatchClick, CancelledDialogChangesNothing) {
  const ClickCase& c = GetParam();
  Window w(c.mode);
  Prepare(w, false);
  Lblpic_Click(w.k, Swatch());
  if (c.outcome == Outcome::Cleared) return;  // no dialog on that path
  ExpectRowUntouched(w, c.filled);
}

using RM = RunMode;
const char* const kR = "並替";
const char* const kA = "追加";
const char* const kD = "削除";

INSTANTIATE_TEST_SUITE_P(
    ColourRows, SwatchClick,
    ::testing::Values(
        // Adding a colour to an empty row.
        ClickCase{"DesignAddEmpty", RM::TableDesign, kA, false, false, Outcome::Added},
        ClickCase{"NewAddEmpty", RM::AreaNewTable, kA, false, false, Outcome::Added},
        ClickCase{"PreviousAddEmpty", RM::AreaPreviousTable, kA, false, false, Outcome::Added},
        ClickCase{"ChangeAddEmpty", RM::ColourChange, kA, false, false, Outcome::Added},
        ClickCase{"SortAddEmpty", RM::LayerSort, kA, false, false, Outcome::Added},
        ClickCase{"OrderAddEmpty", RM::OverlapOrder, kA, false, false, Outcome::Added},
        ClickCase{"DesignAddFilled", RM::TableDesign, kA, true, false, Outcome::Nothing},
        ClickCase{"NewAddFilled", RM::AreaNewTable, kA, true, false, Outcome::Nothing},
        ClickCase{"DesignReorderEmpty", RM::TableDesign, kR, false, false, Outcome::Nothing},
        // Right swatches outside the colour-change mode.
        ClickCase{"DesignAddRightFilled", RM::TableDesign, kA, true, true, Outcome::Nothing},
        ClickCase{"DesignAddRightEmpty", RM::TableDesign, kA, false, true, Outcome::Nothing},
        ClickCase{"NewReorderRight", RM::AreaNewTable, kR, true, true, Outcome::Nothing},
        ClickCase{"SortReorderRight", RM::LayerSort, kR, true, true, Outcome::Nothing},
        ClickCase{"OrderReorderRight", RM::OverlapOrder, kR, true, true, Outcome::Nothing},
        ClickCase{"ExternalAddRight", RM::LayerNamingExternal, kA, true, true, Outcome::Nothing},
        ClickCase{"NamingAddRight", RM::LayerNaming, kA, true, true, Outcome::Nothing},
        ClickCase{"DesignDeleteRight", RM::TableDesign, kD, true, true, Outcome::Nothing},
        // Colour change: the right swatch of a filled row only.
        ClickCase{"ChangeRightFilled", RM::ColourChange, kR, true, true, Outcome::Recoloured},
        ClickCase{"ChangeRightEmpty", RM::ColourChange, kR, false, true, Outcome::Nothing},
        ClickCase{"ChangeLeftFilled", RM::ColourChange, kR, true, false, Outcome::Nothing},
        ClickCase{"ChangeDeleteRight", RM::ColourChange, kD, true, true, Outcome::Recoloured},
        // Naming by colour.
        ClickCase{"NamingAddEmpty", RM::LayerNaming, kA, false, false, Outcome::Named, 3},
        ClickCase{"NamingAddFilled", RM::LayerNaming, kA, true, false, Outcome::Named, 3},
        ClickCase{"NamingReorder", RM::LayerNaming, kR, true, false, Outcome::Named, 3},
        ClickCase{"NamingDelete", RM::LayerNaming, kD, true, false, Outcome::Named, 3},
        ClickCase{"ExternalAddEmpty", RM::LayerNamingExternal, kA, false, false, Outcome::Named},
        ClickCase{"ExternalAddFilled", RM::LayerNamingExternal, kA, true, false, Outcome::Named},
        ClickCase{"ExternalReorder", RM::LayerNamingExternal, kR, true, false, Outcome::Nothing},
        // Deleting.
        ClickCase{"ExternalDelete", RM::LayerNamingExternal, kD, true, false, Outcome::Cleared},
        ClickCase{"DesignDeleteFilled", RM::TableDesign, kD, true, false, Outcome::Cleared},
        ClickCase{"DesignDeleteEmpty", RM::TableDesign, kD, false, false, Outcome::Cleared},
        ClickCase{"NewDeleteFilled", RM::AreaNewTable, kD, true, false, Outcome::Cleared}),
    [](const ::testing::TestParamInfo<ClickCase>& info) { return std::string(info.param.name); });

TEST(ColourRows, SwatchIndicesOutsideTheGridAreIgnored) {
  for (int i : {0, 33, -1}) {
    Window w(RunMode::LayerNaming);
    w.h.dialogs.colourAnswers.push_back(kPicked);
    Lblpic_Click(w.k, i);
    EXPECT_TRUE(w.h.dialogs.colourDialogs.empty()) << i;
    EXPECT_EQ(w.k.ui.txtname[0].text, "") << i;
  }
}

// ------------------------------------------------------- duplicate colour

struct DuplicateCase {
  const char* name;
  std::vector<int> swatchesWithColour;  // swatches already showing kPicked
  bool pickBackground;                  // pick the empty rows' colour instead
  MsgAnswer answer;
  bool asked;
  bool painted;
};

class DuplicateColour : public ::testing::TestWithParam<DuplicateCase> {};

TEST_P(DuplicateColour, AsksOnceAtTheFirstEqualSwatch) {
  const DuplicateCase& c = GetParam();
  Window w(RunMode::TableDesign, 0x000000);
  w.k.ui.btnChenge.text = "追加";
  for (int i : c.swatchesWithColour) w.k.ui.Lblpic[i].backColour = kPicked;
  const std::int32_t colour = c.pickBackground ? 0x000000 : kPicked;
  w.h.dialogs.colourAnswers.push_back(colour);
  w.h.dialogs.answers.push_back(c.answer);

  Lblpic_Click(w.k, 9);

  ASSERT_EQ(w.h.dialogs.messages.size(), c.asked ? 1u : 0u);
  if (c.asked) {
    EXPECT_EQ(w.h.dialogs.messages[0].text, kDuplicate);
    EXPECT_EQ(w.h.dialogs.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(w.h.dialogs.messages[0].buttons, MsgButtons::YesNo);
  }
  if (c.painted) {
    EXPECT_EQ(w.Left(9).backColour, colour);
    EXPECT_EQ(w.Right(9).backColour, colour);
    EXPECT_EQ(w.Left(9).tooltip, c.pickBackground ? "R:0 G:0 B:0" : kPickedTip);
  } else {
    EXPECT_EQ(w.Left(9).backColour, 0x000000);
    EXPECT_EQ(w.Right(9).backColour, 0x000000);
    EXPECT_EQ(w.Left(9).tooltip, "");
  }
}

INSTANTIATE_TEST_SUITE_P(
    ColourRows, DuplicateColour,
    ::testing::Values(
        DuplicateCase{"UnusedColour", {}, false, MsgAnswer::No, false, true},
        DuplicateCase{"LeftSwatchYes", {2}, false, MsgAnswer::Yes, true, true},
        DuplicateCase{"LeftSwatchNo", {2}, false, MsgAnswer::No, true, false},
        // The search covers the right swatches up to the last one.
        DuplicateCase{"LastRightSwatch", {32}, false, MsgAnswer::No, true, false},
        DuplicateCase{"RightSwatchYes", {17}, false, MsgAnswer::Yes, true, true},
        // Several equal swatches: one question only.
        DuplicateCase{"SeveralSwatchesYes", {1, 17, 30}, false, MsgAnswer::Yes, true, true},
        DuplicateCase{"SeveralSwatchesNo", {5, 21, 32}, false, MsgAnswer::No, true, false},
        // The empty rows show the background colour too.
        DuplicateCase{"BackgroundColour", {}, true, MsgAnswer::Yes, true, true}),
    [](const ::testing::TestParamInfo<DuplicateCase>& info) {
      return std::string(info.param.name);
    });

TEST(ColourRows, NamingAndRecolouringNeverAskAboutDuplicates) {
  {
    Window w(RunMode::LayerNaming);
    w.Fill(1, kPicked);
    w.h.dialogs.colourAnswers.push_back(kPicked);
    Lblpic_Click(w.k, 5);
    EXPECT_TRUE(w.h.dialogs.messages.empty());
    EXPECT_EQ(w.Left(5).backColour, kPicked);
  }
  {
    Window w(RunMode::ColourChange);
    w.Fill(1, kPicked);
    w.Fill(2, kFilled);
    w.h.dialogs.colourAnswers.push_back(kPicked);
    Lblpic_Click(w.k, 18);
    EXPECT_TRUE(w.h.dialogs.messages.empty());
    EXPECT_EQ(w.Right(2).backColour, kPicked);
    EXPECT_EQ(w.Left(2).backColour, kFilled);
  }
}

// ------------------------------------------------------- naming by colour

struct NameCase {
  RunMode mode;
  int chkC;
  std::int32_t colour;
  const char* expected;
};

class NameByColour : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameByColour, NamesTheRowWithThePrefixAndHexColour) {
  const NameCase& c = GetParam();
  Window w(c.mode);
  w.k.ui.btnChenge.text = "追加";
  w.k.ui.chkC.value = c.chkC;
  w.h.dialogs.colourAnswers.push_back(c.colour);
  Lblpic_Click(w.k, 5);
  EXPECT_EQ(w.k.ui.txtname[5].text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    ColourRows, NameByColour,
    ::testing::Values(NameCase{RunMode::LayerNaming, 0, 0xFF8000, "#c#0080FF"},
                      NameCase{RunMode::LayerNaming, 1, 0xFF8000, "#C#0080FF"},
                      NameCase{RunMode::LayerNaming, 1, 0x0000FF, "#C#FF0000"},
                      NameCase{RunMode::LayerNamingExternal, 0, 0x000000, "#c#000000"},
                      NameCase{RunMode::LayerNamingExternal, 1, 0xFFFFFF, "#C#FFFFFF"}));

// ------------------------------------------------------------------- drop

struct RowData {
  std::int32_t left, right;
  const char *leftTip, *rightTip, *name, *quantity, *unit, *unitText, *tag;
};

const RowData kRow3{0x0000FF, 0x00FF00, "R:255 G:0 B:0", "R:0 G:255 B:0", "土間",
                    "12.345", "m^2",    "m^2,1",         "three"};
const RowData kRow7{0xFF0000, 0x808080,    "R:0 G:0 B:255", "R:128 G:128 B:128", "壁", "-",
                    "坪",     "坪,3.3058", "seven"};

void PutRowData(Window& w, int r, const RowData& d) {
  w.Left(r).backColour = d.left;
  w.Right(r).backColour = d.right;
  w.Left(r).tooltip = w.Right(r).tooltip = "stale";  // a drop recomputes them
  w.Left(r).text = std::to_string(r);                // captions label positions
  w.k.ui.txtname[r].text = d.name;
  w.k.ui.Text_sum[r].text = d.quantity;
  w.k.ui.Label5[r].text = d.unit;
  w.k.ui.Label5[r].tooltip = d.unitText;
  ColourGroup& g = w.k.state.groups[r];
  const std::string tag = d.tag;
  g.measuredLines = "m " + tag;
  g.twoPointLines = "t " + tag;
  g.scLines = "c " + tag;
  g.seLines = "e " + tag;
  g.soLines = "o " + tag;
  g.sgLines = "g " + tag;
  g.colour = d.left;
  g.areaTotal = r * 1.5;
  g.multiplier = std::to_string(r);
}

void ExpectRowData(Window& w, int r, const RowData& d) {
  SCOPED_TRACE("row " + std::to_string(r));
  EXPECT_EQ(w.Left(r).backColour, d.left);
  EXPECT_EQ(w.Right(r).backColour, d.right);
  EXPECT_EQ(w.Left(r).tooltip, d.leftTip);
  EXPECT_EQ(w.Right(r).tooltip, d.rightTip);
  EXPECT_EQ(w.k.ui.txtname[r].text, d.name);
  EXPECT_EQ(w.k.ui.Text_sum[r].text, d.quantity);
  EXPECT_EQ(w.k.ui.Label5[r].text, d.unit);
  EXPECT_EQ(w.k.ui.Label5[r].tooltip, d.unitText);
  const ColourGroup& g = w.k.state.groups[r];
  const std::string tag = d.tag;
  EXPECT_EQ(g.measuredLines, "m " + tag);
  EXPECT_EQ(g.twoPointLines, "t " + tag);
  EXPECT_EQ(g.scLines, "c " + tag);
  EXPECT_EQ(g.seLines, "e " + tag);
  EXPECT_EQ(g.soLines, "o " + tag);
  EXPECT_EQ(g.sgLines, "g " + tag);
}

// What belongs to the group's position, not to the moved row.
void ExpectPositionKept(Window& w, int r, std::int32_t colour) {
  SCOPED_TRACE("position " + std::to_string(r));
  const ColourGroup& g = w.k.state.groups[r];
  EXPECT_EQ(g.colour, colour);
  EXPECT_EQ(g.areaTotal, r * 1.5);
  EXPECT_EQ(g.multiplier, std::to_string(r));
  EXPECT_EQ(w.Left(r).text, std::to_string(r));
}

struct DropCase {
  int target;  // swatch dropped on
  int source;  // dragged left swatch
};

class SwatchDrop : public ::testing::TestWithParam<DropCase> {};

TEST_P(SwatchDrop, SwapsTheTwoRows) {
  const DropCase& c = GetParam();
  Window w(RunMode::AreaNewTable);
  PutRowData(w, 3, kRow3);
  PutRowData(w, 7, kRow7);
  Lblpic_DragDrop(w.k, c.target, c.source, true);
  ExpectRowData(w, 7, kRow3);
  ExpectRowData(w, 3, kRow7);
  ExpectPositionKept(w, 3, kRow3.left);
  ExpectPositionKept(w, 7, kRow7.left);
  EXPECT_FALSE(w.k.ui.cbTani[0].enabled);
  EXPECT_FALSE(w.k.ui.Comboketa.enabled);
}

INSTANTIATE_TEST_SUITE_P(ColourRows, SwatchDrop,
                         ::testing::Values(DropCase{7, 3}, DropCase{23, 3}, DropCase{3, 7},
                                           DropCase{19, 7}));

TEST(ColourRows, SwapMovesTheWorkedOutBreakdownWithTheFigures) {
  // Lines of equal length, so only the swap can tell the cache they changed.
  Window w(RunMode::AreaNewTable);
  RunState& s = w.k.state;
  s.groups[3].measuredLines = "sl 0 0 2000 0 0 1000\r\n";
  s.groups[7].measuredLines = "sl 0 0 3000 0 0 1000\r\n";
  s.solids = {{1.0, 0, 0}, {1.5, 0, 0}};
  s.solidRows = {3, 7};
  const std::string three = SharedBreakdownOfRow(s, 3)->doubleSum.Text(6);
  const std::string seven = SharedBreakdownOfRow(s, 7)->doubleSum.Text(6);
  ASSERT_NE(three, seven);
  PutRowData(w, 3, kRow3);
  PutRowData(w, 7, kRow7);
  s.groups[3].measuredLines = "sl 0 0 2000 0 0 1000\r\n";
  s.groups[7].measuredLines = "sl 0 0 3000 0 0 1000\r\n";
  Lblpic_DragDrop(w.k, 7, 3, true);
  const auto moved = SharedBreakdownOfRow(s, 3);
  EXPECT_EQ(moved->doubleSum.Text(6), seven);
  ASSERT_EQ(moved->triangles.size(), 1u);
  EXPECT_EQ(moved->triangles[0].number, "(2)");
  EXPECT_EQ(SharedBreakdownOfRow(s, 7)->doubleSum.Text(6), three);
}

TEST(ColourRows, DropOnItsOwnRowChangesNothingButStillDisables) {
  for (int target : {3, 19}) {
    Window w(RunMode::TableDesign);
    PutRowData(w, 3, kRow3);
    Lblpic_DragDrop(w.k, target, 3, true);
    EXPECT_EQ(w.Left(3).tooltip, "stale") << target;
    EXPECT_EQ(w.Left(3).backColour, kRow3.left) << target;
    EXPECT_EQ(w.Right(3).backColour, kRow3.right) << target;
    EXPECT_EQ(w.k.ui.txtname[3].text, kRow3.name) << target;
    EXPECT_EQ(w.k.state.groups[3].measuredLines, "m three") << target;
    EXPECT_FALSE(w.k.ui.cbTani[0].enabled) << target;
    EXPECT_FALSE(w.k.ui.Comboketa.enabled) << target;
  }
}

TEST(ColourRows, DropOnAnEmptyRowEmptiesTheSourceRow) {
  Window w(RunMode::TableDesign);
  PutRowData(w, 3, kRow3);
  Lblpic_DragDrop(w.k, 12, 3, true);
  ExpectRowData(w, 12, kRow3);
  EXPECT_EQ(w.Left(3).backColour, w.k.state.backgroundColour);
  EXPECT_EQ(w.Right(3).backColour, w.k.state.backgroundColour);
  EXPECT_EQ(w.k.ui.txtname[3].text, "");
  EXPECT_EQ(w.k.state.groups[3].measuredLines, "");
}

TEST(ColourRows, DropOfAnotherKindOfControlDoesNothing) {
  Window w(RunMode::TableDesign);
  PutRowData(w, 3, kRow3);
  PutRowData(w, 7, kRow7);
  Lblpic_DragDrop(w.k, 7, 3, false);
  EXPECT_EQ(w.k.ui.txtname[3].text, kRow3.name);
  EXPECT_EQ(w.k.ui.txtname[7].text, kRow7.name);
  EXPECT_TRUE(w.k.ui.cbTani[0].enabled);
  EXPECT_TRUE(w.k.ui.Comboketa.enabled);
}

TEST(ColourRows, DropFromOutsideTheLeftSwatchesSwapsNothing) {
  for (DropCase c : {DropCase{7, 19}, DropCase{7, 0}, DropCase{0, 3}, DropCase{33, 3}}) {
    Window w(RunMode::TableDesign);
    PutRowData(w, 3, kRow3);
    PutRowData(w, 7, kRow7);
    Lblpic_DragDrop(w.k, c.target, c.source, true);
    EXPECT_EQ(w.k.ui.txtname[3].text, kRow3.name) << c.target << "/" << c.source;
    EXPECT_EQ(w.k.ui.txtname[7].text, kRow7.name) << c.target << "/" << c.source;
    EXPECT_FALSE(w.k.ui.Comboketa.enabled);
  }
}

}  // namespace
}  // namespace kaveta::testing
