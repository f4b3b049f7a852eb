// Whole sessions on the real window: edits made with the mouse and the
// keyboard, then OK, and the file the host would read compared whole with a
// file checked by hand.
#include <gtest/gtest.h>

#include "driver.h"

namespace kaveta::gui {
namespace {

fs::path Expected(const std::string& name) {
  return SourceDir() / "tests" / "gui" / "expected" / name;
}

void ExpectSameFile(const fs::path& expected, const fs::path& actual) {
  ASSERT_TRUE(fs::exists(actual)) << actual.string() << " was not written";
  const std::string want = ReadBytes(expected), got = ReadBytes(actual);
  EXPECT_TRUE(want == got) << actual.filename().string() << ": " << FirstDifference(want, got);
}

// Without a running host the hand-off says so once; the program then ends.
void EndAfterHandOff(Program& kaveta) {
  WaitUntil([&] { return !kaveta.Running() || HasMessageBox(kaveta.Id()); }, 15000,
            "the hand-off's message or the end of kaveta.exe");
  if (kaveta.Running()) {
    const HWND box = WaitForMessageBox(kaveta.Id(), 1000);
    EXPECT_EQ(MessageBoxText(box), L"jwwを起動してください");
    Answer(box, IDOK);
  }
  EXPECT_EQ(kaveta.WaitForExit(10000), 0u);
}

bool Covers(HWND editor, HWND cell) {
  const RECT e = ScreenRect(editor), c = ScreenRect(cell);
  return Visible(editor) && std::abs(e.top - c.top) <= 2 && std::abs(e.left - c.left) <= 2;
}

// The floating editor sits over `cell` with the keyboard focus in its text.
void WaitForEditorOver(HWND main, HWND editor, HWND cell, const std::string& what) {
  const HWND field = Control(editor, id::kComboEdit);
  WaitUntil([&] { return Covers(editor, cell) && FocusOf(main) == field; }, kUiWaitMs,
            "the " + what + " over its cell with the keyboard focus in its text field");
}

void WaitForText(HWND control, const std::wstring& text, const std::string& what) {
  WaitUntil([&] { return Text(control) == text; }, kUiWaitMs, what + " to read " + Utf8(text));
}

TEST(WindowSession, AreaTableFromTypedNamesAndUnitAndPickedDigits) {
  ProgramFolder folder;
  PrepareCase(folder, "area_new");
  Program kaveta(folder, L"C2");
  const HWND main = kaveta.MainWindow();
  auto at = [&](int controlId) { return Control(main, controlId); };
  const HWND names = at(id::Combo2), units = at(id::cbTani0);

  Click(at(id::txtname(1)));
  WaitForEditorOver(main, names, at(id::txtname(1)), "name editor");
  TypeText(L"居間");
  WaitForText(at(id::txtname(1)), L"居間", "txtname(1)");
  PressKey(VK_RETURN);
  WaitForEditorOver(main, names, at(id::txtname(2)), "name editor after Enter");
  TypeText(L"台所A");
  WaitForText(at(id::txtname(2)), L"台所A", "txtname(2)");
  EXPECT_EQ(Text(at(id::txtname(1))), L"居間");

  Click(at(id::Label5(2)));
  WaitForEditorOver(main, units, at(id::Label5(2)), "unit editor");
  WaitUntil([&] { return !Visible(names); }, kUiWaitMs, "the name editor to hide");
  // The editor holds the row's whole unit text; replace it.
  EXPECT_EQ(Text(units), L"m^2,1");
  PressKey(VK_END);
  PressKey(VK_SHIFT, VK_HOME);
  TypeText(L"坪,3.3058");
  WaitForText(at(id::Label5(2)), L"坪", "Label5(2)");
  Click(at(id::Text_sum(16)));
  WaitUntil([&] { return !Visible(units); }, kUiWaitMs, "the unit editor to hide");

  Command(main, id::optSakuhyou);
  WaitUntil([&] { return Visible(at(id::Frame1)); }, kUiWaitMs, "the settings panel");
  PickComboEntry(at(id::Comboketa), L"1");
  WaitForText(at(id::Text_sum(1)), L"26.5", "Text_sum(1)");
  EXPECT_EQ(Text(at(id::Text_sum(2))), L"44.8");
  Click(at(id::cmdOptionOK));
  WaitUntil([&] { return !Visible(at(id::Frame1)); }, kUiWaitMs, "the settings panel to close");

  Click(at(id::Command2));
  EndAfterHandOff(kaveta);
  ExpectSameFile(Expected("area_new_session/ZTEMP.TXT"), folder.HostFolder() / "ZTEMP.TXT");
  // The catalogue keeps the whole unit text the editor was given.
  const std::string catalogue = Cp932ToUtf8(ReadBytes(folder.Path() / "koumoku.INI"));
  EXPECT_NE(catalogue.find("tani_2=坪,3.3058\r\n"), std::string::npos) << catalogue;
  EXPECT_NE(catalogue.find("koumoku_1=居間\r\n"), std::string::npos) << catalogue;
}

// Row 3's left swatch dropped on either swatch of row 1 swaps the two rows.
class DragOnto : public ::testing::TestWithParam<int> {};

TEST_P(DragOnto, SwapsTheRowsAndTheirGroupsInTheOutput) {
  const int target = GetParam();
  ProgramFolder folder;
  PrepareCase(folder, "overlap_order");
  Program kaveta(folder, L"M5");
  const HWND main = kaveta.MainWindow();
  const HWND digits = Control(main, id::Comboketa);

  Drag(Control(main, id::Lblpic(3)), Control(main, id::Lblpic(target)));
  // A drop turns the digits box off for the rest of the run.
  WaitUntil([&] { return !Enabled(digits); }, kUiWaitMs, "the drop (Comboketa disabled)");
  // Row 1 now shows row 3's black group, row 3 the white one.
  WaitUntil([&] { return ScreenColour(Control(main, id::Lblpic(1))) == 0x000000; }, kUiWaitMs,
            "Lblpic(1) painted black");
  EXPECT_EQ(ScreenColour(Control(main, id::Lblpic(3))), 0xFFFFFFu);
  // Captions label places, not groups: they stay where they were.
  EXPECT_EQ(Text(Control(main, id::Lblpic(1))), L"↑");

  Click(Control(main, id::Command2));
  EXPECT_EQ(kaveta.WaitForExit(10000), 0u);
  ExpectSameFile(Expected("overlap_drag/JWC_TEMP.TXT"), folder.Path() / "JWC_TEMP.TXT");
}

INSTANTIATE_TEST_SUITE_P(WindowSession, DragOnto, ::testing::Values(1, 17),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "Lblpic" + std::to_string(info.param);
                         });

TEST(WindowSession, RightSwatchRecolouredThroughTheColourDialog) {
  ProgramFolder folder;
  PrepareCase(folder, "colour_change");
  Program kaveta(folder, L"M3");
  const HWND main = kaveta.MainWindow();

  Click(Control(main, id::Lblpic(18)));
  const HWND dialog = WaitForColourDialog(kaveta.Id(), kUiWaitMs);
  ChooseColour(dialog, 0, 128, 255);
  WaitUntil([&] { return !IsWindow(dialog); }, kUiWaitMs, "the colour dialog to close");
  WaitUntil([&] { return ScreenColour(Control(main, id::Lblpic(18))) == 0xFF8000; }, kUiWaitMs,
            "Lblpic(18) painted in the chosen colour");
  // The left swatch keeps the colour found in the drawing.
  EXPECT_EQ(ScreenColour(Control(main, id::Lblpic(2))), 0x80FFFFu);

  Click(Control(main, id::Command2));
  EXPECT_EQ(kaveta.WaitForExit(10000), 0u);
  // Row 2's group now carries 0x00FF8000 (blue 255, green 128, red 0).
  ExpectSameFile(Expected("colour_change_right/JWC_TEMP.TXT"), folder.Path() / "JWC_TEMP.TXT");
}

}  // namespace
}  // namespace kaveta::gui
