// The preview's zoom and pan, driven by real input on the bundled example
// with the triangle breakdown ticked: it opens with texts a user can read,
// the wheel zooms, a drag pans, Home fits, and the context menu's copy is
// the whole table at the zoom shown.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "driver.h"

namespace kaveta::gui {
namespace {

constexpr int kChkSansha = 2623;  // 三斜求積表を作図, in the settings panel

// The zoom in the preview's title: "表のプレビュー (150%)", or 100 without one.
int TitlePercent(HWND preview) {
  const std::wstring title = Text(preview);
  const std::wstring plain = L"表のプレビュー";
  if (title == plain) return 100;
  const std::wstring open = plain + L" (";
  if (title.rfind(open, 0) != 0 || title.size() < open.size() + 3 || title.back() != L')' ||
      title[title.size() - 2] != L'%')
    throw DriverError("not a preview title: " + Utf8(title));
  return std::stoi(title.substr(open.size(), title.size() - open.size() - 2));
}

// The texts' height in pixels at the zoom the window shows, as it reports it.
double TextPixels(HWND preview) {
  return static_cast<double>(reinterpret_cast<std::uintptr_t>(
             GetPropW(preview, L"KavetaTextPixels100"))) /
         100;
}

bool ScrollBars(HWND preview) {
  return (GetWindowLongW(preview, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

// The size of the bitmap on the clipboard, through the DIB that the system
// makes of it for other processes.
SIZE ClipboardPictureSize() {
  SIZE size{0, 0};
  if (!OpenClipboard(nullptr)) return size;
  if (HANDLE dib = GetClipboardData(CF_DIB)) {
    if (const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib))) {
      size = {header->biWidth, header->biHeight < 0 ? -header->biHeight : header->biHeight};
      GlobalUnlock(dib);
    }
  }
  CloseClipboard();
  return size;
}

TEST(TablePreview, OpensLegibleAndZoomsPansFitsAndCopiesTheWholeTable) {
  ProgramFolder folder;
  PrepareCase(folder, "area_new");
  folder.CopyFile(SourceDir() / "examples" / "TEMP.TXT", "TEMP.TXT");
  Program kaveta(folder, L"C2");
  // The example's circles cannot be measured: the load says so once.
  Answer(WaitForMessageBox(kaveta.Id(), kUiWaitMs), IDOK);
  const HWND main = kaveta.MainWindow();
  Command(main, id::optSakuhyou);
  WaitUntil([&] { return Visible(Control(main, id::Frame1)); }, kUiWaitMs, "the settings panel");
  Click(Control(main, kChkSansha));
  WaitUntil([&] { return Checked(Control(main, kChkSansha)); }, kUiWaitMs, "the breakdown ticked");
  Click(Control(main, id::cmdOptionOK));
  WaitUntil([&] { return !Visible(Control(main, id::Frame1)); }, kUiWaitMs, "the panel to close");

  Command(main, id::mnuPreview);
  HWND preview = nullptr;
  WaitUntil([&] { return (preview = TopLevelOfClass(kaveta.Id(), L"KavetaPreview")) != nullptr; },
            kUiWaitMs, "the preview window");
  WaitUntil([&] { return TextPixels(preview) > 0; }, kUiWaitMs, "the table composed");
  std::uint64_t pixels = SettledPixels(preview);

  // The opening view: the breakdown makes the fitted texts too small, so it
  // opens zoomed to legible texts, with scroll bars to reach the rest.
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const int opening = TitlePercent(preview);
  const double openingText = TextPixels(preview);
  RecordProperty("opening_percent", opening);
  RecordProperty("opening_text_pixels_100", static_cast<int>(openingText * 100));
  std::printf("opening view at %d DPI: %d%%, texts %.2f px\n", dpi, opening, openingText);
  EXPECT_GE(openingText, 11.0);
  EXPECT_NEAR(openingText, 11.0 * dpi / 96, 0.01) << "11 px at 96 DPI, as many points at " << dpi;
  EXPECT_GT(opening, 100) << Utf8(Text(preview));
  EXPECT_TRUE(ScrollBars(preview));

  // Ctrl + wheel: one notch in, about 1.25 times, texts and title alike.
  // At the top left corner, which stays in view.
  const POINT corner{1, 1};
  Wheel(preview, corner, 1, VK_CONTROL);
  WaitUntil([&] { return TitlePercent(preview) != opening; }, kUiWaitMs, "a new zoom in the title");
  pixels = WaitForNewPixels(preview, pixels, "the zoomed picture");
  const int zoomed = TitlePercent(preview);
  EXPECT_NEAR(zoomed, opening * 1.25, 1.0);
  EXPECT_NEAR(TextPixels(preview) / openingText, zoomed / static_cast<double>(opening), 0.01);

  // A drag moves the picture and leaves the zoom. Dragged back with the
  // middle button, it is where it was: at the top left, where any drag
  // towards it ends.
  RECT client;
  GetClientRect(preview, &client);
  const POINT middle{client.right / 2, client.bottom / 2};
  DragBy(preview, middle, -40, -40);
  const std::uint64_t moved = WaitForNewPixels(preview, pixels, "the picture dragged");
  EXPECT_EQ(TitlePercent(preview), zoomed);
  DragBy(preview, middle, 40, 40, /*middle=*/true);
  WaitUntil([&] { return ClientPixelsHash(preview) != moved; }, kUiWaitMs, "the drag back");
  EXPECT_EQ(SettledPixels(preview), pixels);

  // Home fits the whole table: no zoom in the title, no scroll bars.
  PressKey(VK_HOME);
  WaitUntil([&] { return TitlePercent(preview) == 100; }, kUiWaitMs, "the fit");
  EXPECT_EQ(Text(preview), L"表のプレビュー");
  EXPECT_LT(TextPixels(preview), openingText);
  WaitUntil([&] { return !ScrollBars(preview); }, kUiWaitMs, "the scroll bars to go");
  pixels = SettledPixels(preview);

  // "+" five times, then the context menu's first item, 画像をコピー: the
  // whole table at that zoom, larger than the window.
  TypeText(L"+++++");
  WaitUntil([&] { return TitlePercent(preview) == 305; }, kUiWaitMs, "five steps in by keys");
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  PressKey(VK_SHIFT, VK_F10);
  WaitUntil([&] { return TopLevelOfClass(kaveta.Id(), L"#32768") != nullptr; }, kUiWaitMs,
            "the context menu");
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  WaitUntil([] { return IsClipboardFormatAvailable(CF_BITMAP) != FALSE; }, kUiWaitMs,
            "a picture on the clipboard");
  const SIZE copied = ClipboardPictureSize();
  GetClientRect(preview, &client);
  RecordProperty("copied_width", static_cast<int>(copied.cx));
  RecordProperty("copied_height", static_cast<int>(copied.cy));
  EXPECT_GT(copied.cx, client.right);
  EXPECT_GT(copied.cy, client.bottom);
  std::printf("copied at 305%%: %ld x %ld, window %ld x %ld\n", copied.cx, copied.cy, client.right,
              client.bottom);

  // 全体を表示, the menu's second item, fits as Home does.
  PressKey(VK_SHIFT, VK_F10);
  WaitUntil([&] { return TopLevelOfClass(kaveta.Id(), L"#32768") != nullptr; }, kUiWaitMs,
            "the context menu again");
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  WaitUntil([&] { return TitlePercent(preview) == 100; }, kUiWaitMs, "the fit from the menu");
  EXPECT_TRUE(kaveta.Running());
  EXPECT_FALSE(HasMessageBox(kaveta.Id()));
}

}  // namespace
}  // namespace kaveta::gui
