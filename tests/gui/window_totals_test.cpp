// The rounding list and the totals row of the settings panel, worked with
// the mouse and the keyboard, read back from the real controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "driver.h"

namespace kaveta::gui {
namespace {

constexpr int kRoundingList = 2621, kTotalsCheck = 2622, kTotalsText = 2624;
const std::vector<std::wstring> kModes = {L"四捨五入", L"切り捨て", L"切り上げ"};

// Waits for `done`; a time-out tells what the control read in the end.
void WaitForControl(HWND control, const std::function<bool()>& done, const std::string& what) {
  try {
    WaitUntil(done, kUiWaitMs, what);
  } catch (const DriverError& e) {
    throw DriverError(std::string(e.what()) + "; it reads " + Utf8(Text(control)));
  }
}

void WaitForText(HWND control, const std::wstring& want, const std::string& what) {
  WaitForControl(control, [&] { return Text(control) == want; }, what + " to read " + Utf8(want));
}

// The dropped list of a combo box: a top-level ComboLBox of its process.
HWND DroppedList(HWND combo) {
  struct Search {
    DWORD process;
    HWND found;
  } search{0, nullptr};
  GetWindowThreadProcessId(combo, &search.process);
  EnumWindows(
      [](HWND window, LPARAM param) {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->process || !IsWindowVisible(window) || ClassName(window) != L"ComboLBox")
          return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A user's pick: the list dropped with a click, the arrow keys, Enter.
void PickByKeys(HWND list, const std::wstring& entry) {
  const auto items = ComboItems(list);
  const auto want = std::find(items.begin(), items.end(), entry) - items.begin();
  // Not a double click with the click of the pick before.
  Sleep(GetDoubleClickTime() + 50);
  Click(list);
  WaitUntil([&] { return SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != FALSE; }, kUiWaitMs,
            "the rounding list to drop");
  // Every entry shows without scrolling.
  const HWND shown = DroppedList(list);
  if (shown == nullptr) throw DriverError("no dropped list on screen");
  RECT r;
  GetClientRect(shown, &r);
  const auto itemHeight = SendMessageW(list, CB_GETITEMHEIGHT, 0, 0);
  EXPECT_GE(r.bottom - r.top, static_cast<LONG>(itemHeight * 3)) << "the dropped list's height";
  const auto now = SendMessageW(list, CB_GETCURSEL, 0, 0);
  for (auto i = now; i < want; ++i) PressKey(VK_DOWN);
  for (auto i = now; i > want; --i) PressKey(VK_UP);
  PressKey(VK_RETURN);
  WaitUntil([&] { return SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) == FALSE; }, kUiWaitMs,
            "the rounding list to close");
}

// The words of a text, so that the test does not hang on the spacing.
std::vector<std::wstring> Words(const std::wstring& text) {
  std::wistringstream in(text);
  std::vector<std::wstring> words;
  for (std::wstring word; in >> word;) words.push_back(word);
  return words;
}

void WaitForTotal(HWND total, const std::wstring& figure) {
  const std::vector<std::wstring> want = {L"合計", figure, L"m^2"};
  WaitForControl(total, [&] { return Visible(total) && Words(Text(total)) == want; },
                 "the totals row to read 合計 " + Utf8(figure) + " m^2");
}

// area_new measures 26.4992 and 44.8096 m² and shows 2 decimals.
struct RoundingCase {
  const wchar_t* mode;
  const wchar_t* first;
  const wchar_t* second;
};

TEST(RoundingList, IsAListAndEachPickReRoundsTheShownQuantities) {
  ProgramFolder folder;
  PrepareCase(folder, "area_new");
  Program kaveta(folder, L"C2");
  const HWND main = kaveta.MainWindow();
  const HWND list = Control(main, kRoundingList);
  ASSERT_EQ(Text(Control(main, id::Text_sum(1))), L"26.50");

  OpenPanel(main);
  EXPECT_EQ(ComboItems(list), kModes);
  EXPECT_EQ(Text(list), L"四捨五入");
  // Only its entries: no edit box to type another text into.
  EXPECT_EQ(FindWindowExW(list, nullptr, L"Edit", nullptr), nullptr);
  EXPECT_EQ(GetWindowLongW(list, GWL_STYLE) & 3, CBS_DROPDOWNLIST);

  // Each pick rounds the measured areas again, not the figures shown.
  const RoundingCase cases[] = {{L"切り捨て", L"26.49", L"44.80"},
                                {L"切り上げ", L"26.50", L"44.81"},
                                {L"切り捨て", L"26.49", L"44.80"},
                                {L"四捨五入", L"26.50", L"44.81"}};
  for (const RoundingCase& c : cases) {
    SCOPED_TRACE(Utf8(c.mode));
    PickByKeys(list, c.mode);
    EXPECT_EQ(Text(list), c.mode);
    WaitForText(Control(main, id::Text_sum(1)), c.first, "Text_sum(1)");
    EXPECT_EQ(Text(Control(main, id::Text_sum(2))), c.second);
  }
  PickByKeys(list, L"切り捨て");
  ClosePanel(main);
  EXPECT_EQ(Text(Control(main, id::Text_sum(1))), L"26.49");
  EXPECT_EQ(Text(Control(main, id::Text_sum(2))), L"44.80");
  EXPECT_FALSE(HasMessageBox(kaveta.Id()));
}

TEST(TotalsRow, ShowsTheSumOfTheShownQuantitiesAndFollowsEachEdit) {
  ProgramFolder folder;
  PrepareCase(folder, "area_new");
  Program kaveta(folder, L"C2");
  const HWND main = kaveta.MainWindow();
  auto at = [&](int controlId) { return Control(main, controlId); };
  const HWND total = at(kTotalsText);
  EXPECT_FALSE(Visible(total)) << "before the box is ticked";

  OpenPanel(main);
  const HWND check = at(kTotalsCheck);
  EXPECT_EQ(Text(check), L"合計行を作図");
  ASSERT_FALSE(Checked(check));
  Click(check);
  WaitUntil([&] { return Checked(check); }, kUiWaitMs, "the totals box to be ticked");
  ClosePanel(main);
  WaitForTotal(total, L"71.31");
  // Below the rows, under the quantity column, and shown on top.
  const RECT last = ScreenRect(at(id::Text_sum(16))), box = ScreenRect(total);
  EXPECT_GE(box.top, last.bottom);
  EXPECT_LE(box.left, last.left);
  EXPECT_EQ(WindowFromPoint({(box.left + box.right) / 2, (box.top + box.bottom) / 2}), total);

  // The mode re-rounds the rows, and the total is the sum of what they show.
  OpenPanel(main);
  PickByKeys(at(kRoundingList), L"切り捨て");
  ClosePanel(main);
  WaitForTotal(total, L"71.29");

  // A quantity typed into a row.
  Click(at(id::Text_sum(1)));
  PressKey(VK_END);
  PressKey(VK_SHIFT, VK_HOME);
  TypeText(L"30");
  WaitForText(at(id::Text_sum(1)), L"30", "Text_sum(1)");
  WaitForTotal(total, L"74.80");

  OpenPanel(main);
  Click(check);
  WaitUntil([&] { return !Checked(check); }, kUiWaitMs, "the totals box to be unticked");
  ClosePanel(main);
  EXPECT_FALSE(Visible(total)) << "after the box is unticked";
  EXPECT_FALSE(HasMessageBox(kaveta.Id()));
}

}  // namespace
}  // namespace kaveta::gui
