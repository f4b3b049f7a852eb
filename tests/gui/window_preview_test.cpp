// The table preview, opened from the menu and read back from the screen's
// pixels: it follows a renamed row and a digits pick, copies its picture,
// and closing it clears the menu's check while the window goes on working.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "driver.h"

namespace kaveta::gui {
namespace {

constexpr int kCopyPicture = 3032;

TEST(TablePreview, FollowsEditsCopiesItsPictureAndClosesFromItsFrame) {
  ProgramFolder folder;
  PrepareCase(folder, "area_new");
  Program kaveta(folder, L"C2");
  const HWND main = kaveta.MainWindow();
  auto at = [&](int controlId) { return Control(main, controlId); };
  ASSERT_TRUE(MenuItem(main, id::mnuPreview).enabled);
  EXPECT_EQ(TopLevelOfClass(kaveta.Id(), L"KavetaPreview"), nullptr) << "made only when asked";

  Command(main, id::mnuPreview);
  HWND preview = nullptr;
  WaitUntil([&] { return (preview = TopLevelOfClass(kaveta.Id(), L"KavetaPreview")) != nullptr; },
            kUiWaitMs, "the preview window");
  EXPECT_EQ(Text(preview), L"表のプレビュー");
  EXPECT_EQ(GetWindow(preview, GW_OWNER), main);
  EXPECT_TRUE(MenuItem(main, id::mnuPreview).checked);
  RECT both;
  const RECT m = ScreenRect(main), p = ScreenRect(preview);
  EXPECT_FALSE(IntersectRect(&both, &m, &p)) << "beside the window, over none of its rows";
  std::uint64_t pixels = SettledPixels(preview);

  // A row renamed with the name editor.
  Click(at(id::txtname(1)));
  WaitUntil([&] { return Visible(at(id::Combo2)); }, kUiWaitMs, "the name editor");
  TypeText(L"駐車場");
  PressKey(VK_RETURN);
  WaitUntil([&] { return Text(at(id::txtname(1))) == L"駐車場"; }, kUiWaitMs, "the new name");
  pixels = WaitForNewPixels(preview, pixels, "the new name");

  // The digits picked in the settings panel.
  Command(main, id::optSakuhyou);
  WaitUntil([&] { return Visible(at(id::Frame1)); }, kUiWaitMs, "the settings panel");
  PickComboEntry(at(id::Comboketa), L"1");
  Click(at(id::cmdOptionOK));
  WaitUntil([&] { return !Visible(at(id::Frame1)); }, kUiWaitMs, "the panel to close");
  pixels = WaitForNewPixels(preview, pixels, "one decimal");
  const auto paintUs = reinterpret_cast<std::uintptr_t>(GetPropW(preview, L"KavetaPaintMicroseconds"));
  EXPECT_GT(paintUs, 0u);
  RecordProperty("paint_microseconds", static_cast<int>(paintUs - 1));

  // 画像をコピー puts a bitmap of the table on the clipboard.
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  PostMessageW(preview, WM_COMMAND, MAKEWPARAM(kCopyPicture, 0), 0);
  WaitUntil([] { return IsClipboardFormatAvailable(CF_BITMAP) != FALSE; }, kUiWaitMs,
            "a picture on the clipboard");

  // Closed by its frame: the menu's check goes, the window still answers.
  PostMessageW(preview, WM_CLOSE, 0, 0);
  WaitUntil([&] { return !IsWindow(preview); }, kUiWaitMs, "the preview to close");
  EXPECT_FALSE(MenuItem(main, id::mnuPreview).checked);
  Click(at(id::txtname(2)));
  WaitUntil([&] { return Visible(at(id::Combo2)); }, kUiWaitMs, "the name editor after closing");
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(kaveta.Running());
  EXPECT_FALSE(HasMessageBox(kaveta.Id()));
}

// Sixteen rows: the header of the example's selection and one square of its
// own colour each.
void WriteSixteenColours(const ProgramFolder& folder) {
  const std::string example = ReadBytes(E2eData() / "area_new" / "TEMP.TXT");
  std::string selection = example.substr(0, example.find("lg0"));
  selection += "lg0\r\nly2\r\n";
  for (int i = 0; i < 16; ++i) {
    const int x = i * 2000;
    selection += "lc10 " + std::to_string(0x101010 * i + 0x0F) + "\r\nsl " + std::to_string(x) +
                 " 0 " + std::to_string(x + 1500) + " 0 " + std::to_string(x + 1500) + " 1500 " +
                 std::to_string(x) + " 1500\r\n";
  }
  std::FILE* f = _wfopen((folder.Path() / "TEMP.TXT").c_str(), L"wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(selection.data(), 1, selection.size(), f);
  std::fclose(f);
}

TEST(TablePreview, RepaintsSixteenRowsWellWithinATenthOfASecond) {
  ProgramFolder folder;
  PrepareCase(folder, "area_new");
  WriteSixteenColours(folder);
  Program kaveta(folder, L"C2");
  const HWND main = kaveta.MainWindow();
  ASSERT_NE(Text(Control(main, id::Text_sum(16))), L"");
  Command(main, id::mnuPreview);
  HWND preview = nullptr;
  WaitUntil([&] { return (preview = TopLevelOfClass(kaveta.Id(), L"KavetaPreview")) != nullptr; },
            kUiWaitMs, "the preview window");
  // Each new size paints the whole table again; the slowest paint counts.
  // Every size differs from the one before, or no paint would come.
  std::uintptr_t slowest = 0;
  const RECT r = ScreenRect(preview);
  for (int i = 0; i < 8; ++i) {
    SetPropW(preview, L"KavetaPaintMicroseconds", nullptr);  // cleared: the next paint sets it
    SetWindowPos(preview, nullptr, 0, 0, r.right - r.left - 10 * (i % 2 + 1), r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    std::uintptr_t us = 0;
    WaitUntil([&] { return (us = reinterpret_cast<std::uintptr_t>(
                                GetPropW(preview, L"KavetaPaintMicroseconds"))) != 0; },
              kUiWaitMs, "a repaint");
    slowest = std::max(slowest, us - 1);
  }
  RecordProperty("slowest_paint_microseconds", static_cast<int>(slowest));
  std::printf("16 rows: slowest of 8 repaints %u us\n", static_cast<unsigned>(slowest));
  EXPECT_LT(slowest, 100000u);
}

}  // namespace
}  // namespace kaveta::gui
