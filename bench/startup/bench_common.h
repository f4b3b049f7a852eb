// What the start-up and hand-off benchmarks share: finding kaveta.exe's
// main window in another process, and the median they report.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace bench {

// The process's top-level window of the class, or null; with `shownOnly`
// only a visible one.
inline HWND WindowOfClass(DWORD processId, const wchar_t* className, bool shownOnly = false) {
  struct Search {
    DWORD processId;
    const wchar_t* className;
    bool shownOnly;
    HWND window;
  } search{processId, className, shownOnly, nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[32] = {};
        if (owner != s->processId || !GetClassNameW(window, name, 32) ||
            std::wstring(name) != s->className || (s->shownOnly && !IsWindowVisible(window)))
          return TRUE;
        s->window = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.window;
}

// The KavetaMainWindow of a process, or null; made or also shown.
inline HWND MainWindowOf(DWORD processId) { return WindowOfClass(processId, L"KavetaMainWindow"); }

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace bench
