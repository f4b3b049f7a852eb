// preview_repaint.exe <kaveta.exe> [pans]: starts the program in table mode
// (its folder holds the selection and settings that bench/startup/
// preview_repaint.sh writes), opens the table preview and prints the
// milliseconds of its paints as the window itself measures them: the first
// (which composes the table), a number of pans by the arrow keys (each only
// paints again), one zoom step, and the fitted view.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_common.h"

namespace {

constexpr int kCmdPreview = 3031;
constexpr wchar_t kPaintTime[] = L"KavetaPaintMicroseconds";

HWND PreviewOf(DWORD processId) { return bench::WindowOfClass(processId, L"KavetaPreview", true); }

// Waits up to `ms` for `done`; false when it never came.
template <typename Done>
bool WaitFor(Done done, int ms) {
  for (int waited = 0; waited < ms; waited += 5) {
    if (done()) return true;
    Sleep(5);
  }
  return done();
}

// The next paint's milliseconds after `cause` is posted, or -1.
template <typename Cause>
double PaintAfter(HWND preview, Cause cause) {
  SetPropW(preview, kPaintTime, nullptr);  // the next paint sets it again
  cause();
  std::uintptr_t us = 0;
  if (!WaitFor([&] { return (us = reinterpret_cast<std::uintptr_t>(GetPropW(preview, kPaintTime))) != 0; },
               120000))
    return -1;
  return static_cast<double>(us - 1) / 1000;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fputs("usage: preview_repaint.exe <kaveta.exe> [pans]\n", stderr);
    return 2;
  }
  const int pans = argc > 2 ? _wtoi(argv[2]) : 20;
  std::wstring line = L"\"" + std::wstring(argv[1]) + L"\" C2";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fputs("cannot start kaveta.exe\n", stderr);
    return 1;
  }
  int status = 1;
  HWND main = nullptr, preview = nullptr;
  if (!WaitFor([&] { return (main = bench::MainWindowOf(process.dwProcessId)) && IsWindowVisible(main); },
               120000)) {
    std::fputs("the main window never showed\n", stderr);
  } else {
    SetForegroundWindow(main);
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(kCmdPreview, 0), 0);
    if (!WaitFor([&] { return (preview = PreviewOf(process.dwProcessId)) != nullptr; }, 120000)) {
      std::fputs("the preview never showed\n", stderr);
    } else {
      std::uintptr_t us = 0;
      WaitFor([&] { return (us = reinterpret_cast<std::uintptr_t>(GetPropW(preview, kPaintTime))) != 0; },
              120000);
      std::printf("first paint (composes the table): %.1f ms\n", us ? (us - 1) / 1000.0 : -1.0);
      Sleep(500);
      const double textPixels =
          static_cast<double>(reinterpret_cast<std::uintptr_t>(GetPropW(preview, L"KavetaTextPixels100"))) / 100;
      std::vector<double> times;
      for (int i = 0; i < pans; ++i) {
        // Down the breakdown and across it, a tenth of the view each.
        const WPARAM key = i % 4 == 3 ? VK_RIGHT : VK_DOWN;
        times.push_back(PaintAfter(preview, [&] { PostMessageW(preview, WM_KEYDOWN, key, 0); }));
      }
      double slowest = 0;
      for (double t : times) slowest = std::max(slowest, t);
      std::printf("pan repaint at the opening view (texts %.1f px), %d pans: median %.2f ms, slowest %.2f ms\n",
                  textPixels, pans, bench::Median(times), slowest);
      const double zoom = PaintAfter(preview, [&] { PostMessageW(preview, WM_CHAR, L'+', 0); });
      std::printf("one zoom step: %.2f ms\n", zoom);
      const double fit = PaintAfter(preview, [&] { PostMessageW(preview, WM_KEYDOWN, VK_HOME, 0); });
      std::printf("the whole table fitted: %.2f ms\n", fit);
      status = 0;
    }
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return status;
}
