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

namespace {

struct Search {
  DWORD processId;
  bool found;
};

BOOL CALLBACK FindShownMainWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[32] = {};
  if (owner != search->processId || !IsWindowVisible(window) || !GetClassNameW(window, name, 32) ||
      std::wstring(name) != L"KavetaMainWindow")
    return TRUE;
  search->found = true;
  return FALSE;
}

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

// Milliseconds to the shown window, or a negative value when it never came.
double TimeOneStart(const std::wstring& commandLine) {
  std::wstring line = commandLine;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const double start = Seconds();
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return -1;
  Search search{process.dwProcessId, false};
  double elapsed = -1;
  while (Seconds() - start < 20) {
    EnumWindows(FindShownMainWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      elapsed = (Seconds() - start) * 1000;
      break;
    }
    if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
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
  std::vector<std::vector<double>> times(programs.size());
  for (int run = 0; run <= runs; ++run) {
    for (std::size_t p = 0; p < programs.size(); ++p) {
      const double ms = TimeOneStart(programs[p]);
      if (ms < 0) {
        std::fprintf(stderr, "%ls: the main window did not show within 20 s\n", argv[3 + p]);
        return 1;
      }
      if (run == 0) continue;  // the warm-up run
      std::printf("run %d %s: %.1f ms\n", run, p == 0 ? "kaveta" : "reference", ms);
      times[p].push_back(ms);
    }
  }
  for (std::size_t p = 0; p < programs.size(); ++p) {
    const auto [low, high] = std::minmax_element(times[p].begin(), times[p].end());
    std::printf("%s: median of %d runs %.1f ms (min %.1f, max %.1f)\n",
                p == 0 ? "kaveta.exe" : "reference", runs, Median(times[p]), *low, *high);
  }
  return 0;
}
