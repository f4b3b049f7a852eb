// OK pressed before the load has ended: the example's load warns about its
// circle solid, and a click that comes while that warning is up (or queued
// before it) must not run OK inside the warning's message loop. Pressed
// after the warning is answered, OK reaches the stand-in host's read button.
#include <gtest/gtest.h>

#include "driver.h"
#include "host_driver.h"

namespace kaveta::gui {
namespace {

const wchar_t kCircleWarning[] =
    L"円形関係のソリッド図形が存在します。\r\nこれらの面積は集計できません。\r\n注意してください｡ ";

// A click as the queue carries it to the button: it waits in the queue
// until some message loop, the warning's included, takes it.
void PostClick(HWND button) {
  RECT r{};
  GetClientRect(button, &r);
  const LPARAM at = MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2);
  PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(button, WM_LBUTTONUP, 0, at);
}

TEST(EarlyPress, OkBeforeTheLoadEndedDoesNothingAndAfterItReachesTheHost) {
  ProgramFolder folder;
  PrepareCase(folder, "area_new");
  folder.CopyFile(SourceDir() / "examples" / "TEMP.TXT", "TEMP.TXT");
  StandinHost host(folder.HostFolder());
  Program kaveta(folder, L"C2");

  // At once: as soon as the window and its OK button are on the screen.
  HWND main = nullptr, ok = nullptr;
  WaitUntil(
      [&] {
        main = kaveta.VisibleMainWindow();
        ok = main ? GetDlgItem(main, id::Command2) : nullptr;
        return ok != nullptr && IsWindowVisible(ok);
      },
      15000, "the window with its OK button on screen");
  PostClick(ok);

  const HWND box = WaitForMessageBox(kaveta.Id(), 15000);
  EXPECT_EQ(MessageBoxText(box), kCircleWarning);
  // Time for a click that got through to write and hand off.
  Sleep(1000);
  EXPECT_FALSE(fs::exists(folder.HostFolder() / "ZTEMP.TXT")) << "OK ran before the load ended";
  EXPECT_TRUE(host.EventsStarting({"command ", "read "}).empty());
  EXPECT_TRUE(kaveta.Running());
  Answer(box, IDOK);

  // The warning's loop has ended once its box is gone; the message answered
  // after that comes from the window's own loop, past the load's end.
  WaitUntil([&] { return !HasMessageBox(kaveta.Id()); }, kUiWaitMs, "the warning gone");
  main = kaveta.MainWindow();
  EXPECT_FALSE(fs::exists(folder.HostFolder() / "ZTEMP.TXT"));

  const DWORD pressed = GetTickCount();
  Click(Control(main, id::Command2));
  host.WaitForEvent("read ", 5000);
  // The read came without the 2-second failure message.
  EXPECT_LT(GetTickCount() - pressed, 2000u);
  EXPECT_FALSE(HasMessageBox(kaveta.Id()));
  EXPECT_EQ(host.EventsStarting({"read "}).size(), 1u);
  EXPECT_EQ(kaveta.WaitForExit(10000), 0u);
  EXPECT_TRUE(fs::exists(folder.HostFolder() / "ZTEMP.TXT"));
}

}  // namespace
}  // namespace kaveta::gui
