// Rows and names worked with the mouse and the menus: the row-mode button,
// clearing a row, the alignment menu, naming a layer by colour and the case
// switch.
#include <gtest/gtest.h>

#include "driver.h"

namespace kaveta::gui {
namespace {

TEST(RowMode, ButtonCyclesAndDeleteModeClearsTheClickedRow) {
  ProgramFolder folder;
  PrepareCase(folder, "area_new");
  Program kaveta(folder, L"C2");
  const HWND main = kaveta.MainWindow();
  const HWND button = Control(main, id::btnChenge), hint = Control(main, id::Label7);

  const struct {
    const wchar_t* caption;
    const wchar_t* hint;
  } kCycle[] = {{L"追加", L"↑ここをクリックしてください"},
                {L"削除", L"↑ここをクリックしてください"},
                {L"並替", L"↑ここをドラッグしてください"},
                {L"追加", L"↑ここをクリックしてください"},
                {L"削除", L"↑ここをクリックしてください"}};
  for (const auto& step : kCycle) {
    Click(button);
    WaitUntil([&] { return Text(button) == step.caption; }, kUiWaitMs,
              "btnChenge to read " + Utf8(step.caption));
    EXPECT_EQ(Text(hint), step.hint);
  }

  ASSERT_EQ(Text(Control(main, id::Text_sum(2))), L"44.81");
  ASSERT_EQ(ScreenColour(Control(main, id::Lblpic(2))), 0xFF00FFu);
  Click(Control(main, id::Lblpic(2)));
  WaitUntil([&] { return Text(Control(main, id::Text_sum(2))).empty(); }, kUiWaitMs,
            "row 2 to be cleared");
  EXPECT_EQ(Text(Control(main, id::Label5(2))), L"");
  // Both swatches back to the host's background, white here.
  WaitUntil([&] { return ScreenColour(Control(main, id::Lblpic(2))) == 0xFFFFFF; }, kUiWaitMs,
            "Lblpic(2) painted white");
  EXPECT_EQ(ScreenColour(Control(main, id::Lblpic(18))), 0xFFFFFFu);
  EXPECT_EQ(Text(Control(main, id::Text_sum(1))), L"26.50") << "row 1 untouched";
  EXPECT_FALSE(HasMessageBox(kaveta.Id()));
}

LONG Alignment(HWND label) { return GetWindowLongW(label, GWL_STYLE) & SS_TYPEMASK; }

TEST(AlignmentMenu, ChecksTheChosenItemAndAlignsEveryName) {
  ProgramFolder folder;
  PrepareCase(folder, "area_new");
  Program kaveta(folder, L"C2");
  const HWND main = kaveta.MainWindow();
  const struct {
    int item;
    LONG style;
  } kItems[] = {{id::mnuMright, SS_RIGHT}, {id::mnuMcenter, SS_CENTER}, {id::mnuMleft, SS_LEFT}};
  for (const auto& chosen : kItems) {
    Command(main, chosen.item);
    WaitUntil([&] { return MenuItem(main, chosen.item).checked; }, kUiWaitMs,
              "menu item " + std::to_string(chosen.item) + " to be checked");
    for (const auto& other : kItems)
      EXPECT_EQ(MenuItem(main, other.item).checked, other.item == chosen.item)
          << "after " << chosen.item << ": item " << other.item;
    for (int row : {1, 9, 16})
      EXPECT_EQ(Alignment(Control(main, id::txtname(row))), chosen.style)
          << "after " << chosen.item << ": txtname(" << row << ")";
  }
}

TEST(LayerNaming, SwatchColourNamesTheLayerAndCaseSwitchFollows) {
  ProgramFolder folder;
  PrepareCase(folder, "layer_naming");
  Program kaveta(folder, L"");
  const HWND main = kaveta.MainWindow();
  const HWND name = Control(main, id::txtname(5));

  Click(Control(main, id::Lblpic(5)));
  ChooseColour(WaitForColourDialog(kaveta.Id(), kUiWaitMs), 0, 128, 255);
  WaitUntil([&] { return Text(name) == L"#c#0080FF"; }, kUiWaitMs, "txtname(5) to read #c#0080FF");

  const HWND upper = Control(main, id::chkC);
  Click(upper);
  WaitUntil([&] { return Text(name) == L"#C#0080FF"; }, kUiWaitMs, "the upper-case name");
  EXPECT_TRUE(Checked(upper));
  Click(upper);
  WaitUntil([&] { return Text(name) == L"#c#0080ff"; }, kUiWaitMs, "the lower-case name");
}

}  // namespace
}  // namespace kaveta::gui
