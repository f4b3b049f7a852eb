// The area summary in the real window: its tick in the settings panel shows
// the role column and widens the window, roles and limits reach the table
// preview, and unticking gives the window its size back. The quantity boxes
// read as a column of figures.
#include <gtest/gtest.h>

#include "driver.h"

namespace kaveta::gui {
namespace {

constexpr int kSummaryCheck = 2625, kCoverageLimit = 2626, kFloorAreaLimit = 2627,
              kRatioRounding = 2628;
constexpr int Role(int row) { return 2700 + row; }

int Width(HWND window) {
  const RECT r = ScreenRect(window);
  return r.right - r.left;
}

TEST(AreaSummary, TickShowsTheRoleColumnAndRolesAndLimitsReachThePreview) {
  ProgramFolder folder;
  PrepareCase(folder, "area_new");
  Program kaveta(folder, L"C2");
  const HWND main = kaveta.MainWindow();
  auto at = [&](int controlId) { return Control(main, controlId); };
  const int width = Width(main);
  for (int r = 1; r <= 16; ++r) EXPECT_FALSE(Visible(at(Role(r)))) << "role " << r << " before";
  for (int r = 1; r <= 16; ++r) {
    EXPECT_TRUE(GetWindowLongW(at(id::Text_sum(r)), GWL_STYLE) & ES_RIGHT) << "Text_sum " << r;
  }

  Command(main, id::mnuPreview);
  HWND preview = nullptr;
  WaitUntil([&] { return (preview = TopLevelOfClass(kaveta.Id(), L"KavetaPreview")) != nullptr; },
            kUiWaitMs, "the preview window");
  std::uint64_t pixels = SettledPixels(preview);

  OpenPanel(main);
  const HWND check = at(kSummaryCheck);
  EXPECT_EQ(Text(check), L"建蔽率・容積率を作図");
  ASSERT_FALSE(Checked(check));
  EXPECT_EQ(Text(at(kCoverageLimit)), L"");
  EXPECT_EQ(Text(at(kFloorAreaLimit)), L"");
  const HWND rounding = at(kRatioRounding);
  EXPECT_EQ(ComboItems(rounding), (std::vector<std::wstring>{L"切り上げ", L"切り捨て", L"四捨五入"}));
  EXPECT_EQ(Text(rounding), L"切り上げ");
  EXPECT_EQ(GetWindowLongW(rounding, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  // The new controls overlap nothing else shown in the panel.
  const HWND panel = at(id::Frame1);
  for (int mine : {kSummaryCheck, kCoverageLimit, kFloorAreaLimit, kRatioRounding, 2630, 2631, 2632}) {
    const RECT a = ScreenRect(at(mine));
    const RECT frame = ScreenRect(panel);
    RECT both;
    EXPECT_TRUE(IntersectRect(&both, &a, &frame) && EqualRect(&both, &a)) << mine << " in the panel";
    for (HWND other = GetWindow(GetWindow(panel, GW_CHILD), GW_HWNDFIRST); other;
         other = GetWindow(other, GW_HWNDNEXT)) {
      if (other == at(mine) || !IsWindowVisible(other)) continue;
      const RECT b = ScreenRect(other);
      EXPECT_FALSE(IntersectRect(&both, &a, &b))
          << mine << " overlaps " << GetDlgCtrlID(other);
    }
  }
  Click(check);
  WaitUntil([&] { return Checked(check); }, kUiWaitMs, "the summary box to be ticked");
  ClosePanel(main);

  WaitUntil([&] { return Width(main) > width; }, kUiWaitMs, "the window to grow");
  const RECT window = ScreenRect(main);
  for (int r = 1; r <= 16; ++r) {
    const HWND role = at(Role(r));
    ASSERT_TRUE(Visible(role)) << "role " << r;
    const RECT box = ScreenRect(role), unit = ScreenRect(at(id::Label5(r)));
    EXPECT_GE(box.left, unit.right - 1) << "right of the unit " << r;
    EXPECT_LE(box.right, window.right) << "inside the window " << r;
    if (r > 1) {
      EXPECT_GE(box.top, ScreenRect(at(Role(r - 1))).bottom - 1) << "clear of the row above " << r;
    }
    EXPECT_EQ(ComboItems(role).size(), 13u);
    EXPECT_EQ(Text(role), L"");
  }

  // Roles picked: the summary appears under the table.
  PickComboEntry(at(Role(1)), L"敷地");
  PickComboEntry(at(Role(2)), L"建築面積");
  EXPECT_EQ(Text(at(Role(1))), L"敷地");
  EXPECT_EQ(Text(at(Role(2))), L"建築面積");
  pixels = WaitForNewPixels(preview, pixels, "the summary");

  // A limit typed: the remark appears.
  OpenPanel(main);
  Click(at(kCoverageLimit));
  TypeText(L"60");
  WaitUntil([&] { return Text(at(kCoverageLimit)) == L"60"; }, kUiWaitMs, "the typed limit");
  ClosePanel(main);
  pixels = WaitForNewPixels(preview, pixels, "the limit's remark");

  // Unticked: the column goes and the window has its width back.
  OpenPanel(main);
  Click(check);
  WaitUntil([&] { return !Checked(check); }, kUiWaitMs, "the summary box to be unticked");
  ClosePanel(main);
  WaitUntil([&] { return Width(main) == width; }, kUiWaitMs, "the window's own width");
  for (int r = 1; r <= 16; ++r) EXPECT_FALSE(Visible(at(Role(r)))) << "role " << r << " after";
  WaitForNewPixels(preview, pixels, "the table without the summary");
  EXPECT_FALSE(HasMessageBox(kaveta.Id()));
}

}  // namespace
}  // namespace kaveta::gui
