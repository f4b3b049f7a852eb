// startup_time.exe <runs> <mode> <kaveta.exe> [<reference.exe>]: starts the
// program `runs` times after one uncounted warm-up run and prints, per run,
// the milliseconds from CreateProcess to its main window being visible, then
// the median. Each run is ended as soon as its window shows. The reference
// is an empty window of the same class: Wine's own floor on this machine.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_common.h"

namespace {

double Seconds() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds to the main window made (still hidden while its controls are
// built) and to it shown; negative when it never showed.
struct Timing {
  double created = -1, shown = -1;
};

Timing TimeOneStart(const std::wstring& commandLine) {
  std::wstring line = commandLine;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  Timing timing;
  const double start = Seconds();
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return timing;
  while (Seconds() - start < 20) {
    const HWND main = bench::MainWindowOf(process.dwProcessId);
    const double now = (Seconds() - start) * 1000;
    if (main && timing.created < 0) timing.created = now;
    if (main && IsWindowVisible(main)) {
      timing.shown = now;
      break;
    }
    if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return timing;
}


}  // namespace

// The reference program, when given, is timed in turn with kaveta.exe (A B A
// B ...), so both meet the same load of a shared machine.
int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fputs("usage: startup_time.exe <runs> <mode> <kaveta.exe> [<reference.exe>]\n", stderr);
    return 2;
  }
  const int runs = std::max(1, _wtoi(argv[1]));
  std::vector<std::wstring> programs;
  for (int i = 3; i < argc && i < 5; ++i)
    programs.push_back(L"\"" + std::wstring(argv[i]) + L"\" " + argv[2]);
  std::vector<std::vector<double>> created(programs.size()), shown(programs.size());
  for (int run = 0; run <= runs; ++run) {
    for (std::size_t p = 0; p < programs.size(); ++p) {
      const Timing timing = TimeOneStart(programs[p]);
      if (timing.shown < 0) {
        std::fprintf(stderr, "%ls: the main window did not show within 20 s\n", argv[3 + p]);
        return 1;
      }
      if (run == 0) continue;  // the warm-up run
      std::printf("run %d %s: made %.1f ms, shown %.1f ms\n", run, p == 0 ? "kaveta" : "reference",
                  timing.created, timing.shown);
      created[p].push_back(timing.created);
      shown[p].push_back(timing.shown);
    }
  }
  for (std::size_t p = 0; p < programs.size(); ++p) {
    const auto [low, high] = std::minmax_element(shown[p].begin(), shown[p].end());
    std::printf("%s: median of %d runs: shown %.1f ms (min %.1f, max %.1f), window made %.1f ms\n",
                p == 0 ? "kaveta.exe" : "reference", runs, bench::Median(shown[p]), *low, *high,
                bench::Median(created[p]));
  }
  return 0;
}
