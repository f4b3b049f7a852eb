// show_window.exe <kaveta.exe> [mode] [settings|preview|preview+]: starts
// the window as the host does, answers the load's message boxes with OK,
// opens the settings panel or the table preview when asked (preview+: zoomed
// two steps further in from its opening view), brings the window to the front and prints its screen
// rectangle as "left top width height", for scripts/screenshots.sh. It then
// waits until it is ended from outside.
#include <cstdio>
#include <string>
#include <thread>

#include "driver.h"

using namespace kaveta::gui;

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fputs("usage: show_window.exe <kaveta.exe> [mode] [settings]\n", stderr);
    return 2;
  }
  try {
    Program kaveta(fs::path(argv[1]), argc > 2 ? argv[2] : L"");
    // Load-time messages may come before the window is shown: close each as
    // it comes, until the window has been up for a while without one.
    for (int quiet = 0; quiet < 10;) {
      if (HasMessageBox(kaveta.Id())) {
        Answer(WaitForMessageBox(kaveta.Id(), 1000), IDOK);
        quiet = 0;
      } else if (kaveta.VisibleMainWindow() != nullptr) {
        ++quiet;
      }
      if (!kaveta.Running()) throw DriverError("kaveta.exe ended during its start-up");
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    const HWND main = kaveta.MainWindow();
    if (argc > 3 && std::wstring(argv[3]) == L"settings") {
      Command(main, id::optSakuhyou);
      WaitUntil([&] { return Visible(Control(main, id::Frame1)); }, kUiWaitMs,
                "the settings panel");
    }
    BringToFront(main);
    RECT r = ScreenRect(main);
    const bool zoomed = argc > 3 && std::wstring(argv[3]) == L"preview+";
    if (argc > 3 && (std::wstring(argv[3]) == L"preview" || zoomed)) {
      // The window and its preview beside it, in one picture.
      Command(main, id::mnuPreview);
      HWND preview = nullptr;
      WaitUntil([&] { return (preview = TopLevelOfClass(kaveta.Id(), L"KavetaPreview")) != nullptr; },
                kUiWaitMs, "the preview window");
      if (zoomed) {  // once the table is composed and the opening view laid out
        WaitUntil([&] { return GetPropW(preview, L"KavetaTextPixels100") != nullptr; }, kUiWaitMs,
                  "the preview's table");
        for (int step = 0; step < 2; ++step) PostMessageW(preview, WM_CHAR, L'+', 0);
      }
      const RECT p = ScreenRect(preview);
      UnionRect(&r, &r, &p);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // let it paint
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    std::fflush(stdout);
    Sleep(INFINITE);
    return 0;
  } catch (const DriverError& e) {
    std::fprintf(stderr, "show_window: %s\n", e.what());
    return 1;
  }
}
