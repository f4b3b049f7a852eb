// startup_time.exe <kaveta.exe> <mode> <runs>: starts the program `runs`
// times after one uncounted warm-up run and prints, per run, the
// milliseconds from CreateProcess to its main window being visible, then the
// median. Each run is ended as soon as its window shows.
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
  if (owner != search->processId || !IsWindowVisible(window) ||
      !GetClassNameW(window, name, 32) || std::wstring(name) != L"KavetaMainWindow")
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

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fputs("usage: startup_time.exe <kaveta.exe> <mode> <runs>\n", stderr);
    return 2;
  }
  const std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\" " + argv[2];
  const int runs = std::max(1, _wtoi(argv[3]));
  if (TimeOneStart(commandLine) < 0) {
    std::fputs("the main window did not show within 20 s\n", stderr);
    return 1;
  }
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double ms = TimeOneStart(commandLine);
    if (ms < 0) {
      std::fprintf(stderr, "run %d: the main window did not show within 20 s\n", i + 1);
      return 1;
    }
    std::printf("run %d: %.1f ms\n", i + 1, ms);
    times.push_back(ms);
  }
  std::sort(times.begin(), times.end());
  const std::size_t n = times.size();
  const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  std::printf("median of %zu runs: %.1f ms (min %.1f, max %.1f)\n", n, median, times.front(),
              times.back());
  return 0;
}
