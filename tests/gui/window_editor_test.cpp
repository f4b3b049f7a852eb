// The two floating editors worked from the keyboard and their lists: the
// same behaviour for the name column and the unit column.
#include <gtest/gtest.h>

#include "driver.h"

namespace kaveta::gui {
namespace {

struct EditorCase {
  const char* name;
  int editor;                // Combo2 or cbTani(0)
  int (*cell)(int row);      // txtname or Label5
  const wchar_t* typed;      // typed into row 16
  const wchar_t* shown;      // what row 16's cell then shows
  const wchar_t* listEntry;  // picked for row 1 from the editor's list
  const wchar_t* pickShown;  // what row 1's cell then shows
};

void PrintTo(const EditorCase& c, std::ostream* os) { *os << c.name; }

const EditorCase kEditors[] = {
    {"names", id::Combo2, id::txtname, L"ｷｯﾁﾝ2", L"ｷｯﾁﾝ2", L"物置", L"物置"},
    // A unit cell shows the text before the first comma.
    {"units", id::cbTani0, id::Label5, L"坪,3.3058", L"坪", L"m^u2,1", L"m^u2"},
    {"unit_without_multiplier", id::cbTani0, id::Label5, L"m2", L"m2", L"坪,0.3025", L"坪"},
    {"unit_with_only_multiplier", id::cbTani0, id::Label5, L",2", L"", L"m^2,1", L"m^2"},
};

bool Covers(HWND editor, HWND cell) {
  const RECT e = ScreenRect(editor), c = ScreenRect(cell);
  return Visible(editor) && std::abs(e.top - c.top) <= 2 && std::abs(e.left - c.left) <= 2;
}

class FloatingEditor : public ::testing::TestWithParam<EditorCase> {};

TEST_P(FloatingEditor, EnterWrapsFromTheLastRowAndPicksUpdateTheRow) {
  const EditorCase& c = GetParam();
  ProgramFolder folder;
  PrepareCase(folder, "area_new");
  Program kaveta(folder, L"C2");
  const HWND main = kaveta.MainWindow();
  const HWND editor = Control(main, c.editor);
  const HWND field = Control(editor, id::kComboEdit);
  auto cell = [&](int row) { return Control(main, c.cell(row)); };

  Click(cell(16));
  WaitUntil([&] { return Covers(editor, cell(16)) && FocusOf(main) == field; }, kUiWaitMs,
            "the editor over row 16 with the focus");
  PressKey(VK_END);
  PressKey(VK_SHIFT, VK_HOME);
  TypeText(c.typed);
  WaitUntil([&] { return Text(cell(16)) == c.shown; }, kUiWaitMs,
            "row 16 to show " + Utf8(c.shown));

  PressKey(VK_RETURN);
  WaitUntil([&] { return Covers(editor, cell(1)) && FocusOf(main) == field; }, kUiWaitMs,
            "Enter to move the editor from row 16 to row 1, keeping the focus");
  EXPECT_EQ(Text(cell(16)), c.shown);

  PickComboEntry(editor, c.listEntry);
  WaitUntil([&] { return Text(cell(1)) == c.pickShown; }, kUiWaitMs,
            "the pick to show " + Utf8(c.pickShown) + " in row 1");

  // A click elsewhere takes the focus away and hides the editor.
  Click(Control(main, id::txtHyoumei));
  WaitUntil([&] { return !Visible(editor); }, kUiWaitMs, "the editor to hide");
  EXPECT_EQ(Text(cell(1)), c.pickShown);
  EXPECT_EQ(Text(cell(16)), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Columns, FloatingEditor, ::testing::ValuesIn(kEditors),
                         [](const ::testing::TestParamInfo<EditorCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace kaveta::gui
