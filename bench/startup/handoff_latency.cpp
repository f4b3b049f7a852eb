// handoff_latency.exe <runs> <kaveta.exe> <standin-host.exe> <folder>: per
// run, starts the stand-in host and "kaveta.exe C2", presses OK once the
// window shows, and prints the milliseconds from the press to the host's
// first message (command 32895) and to its read press, from the host's log;
// then the medians. One uncounted warm-up run first. <folder> holds the
// host's logs and coordinate files.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench_common.h"

namespace {

constexpr int kOkButton = 2611;

bool Start(std::wstring line, PROCESS_INFORMATION& process) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  return CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process) != FALSE;
}

void End(PROCESS_INFORMATION& process, HWND window) {
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

// The host's log: "<GetTickCount> <event>" per line. The tick of the first
// event starting with `prefix`, or 0.
DWORD EventTick(const std::wstring& log, const std::string& prefix, std::string* rest = nullptr) {
  std::ifstream in(std::filesystem::path(log), std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t blank = line.find(' ');
    if (blank == std::string::npos || line.compare(blank + 1, prefix.size(), prefix) != 0) continue;
    if (rest) *rest = line.substr(blank + 1 + prefix.size());
    return static_cast<DWORD>(std::stoul(line.substr(0, blank)));
  }
  return 0;
}

// Waits up to `ms` for `ready` to become true.
template <typename Ready>
bool WaitFor(DWORD ms, Ready ready) {
  const DWORD start = GetTickCount();
  while (!ready()) {
    if (GetTickCount() - start > ms) return false;
    Sleep(5);
  }
  return true;
}

struct Timing {
  double firstMessage = -1, readPress = -1;
};

Timing OneHandOff(const std::wstring& kaveta, const std::wstring& host, const std::wstring& folder,
                  int run) {
  Timing timing;
  const std::wstring logFolder = folder + L"\\log-" + std::to_wstring(run);
  CreateDirectoryW(logFolder.c_str(), nullptr);
  CreateDirectoryW((folder + L"\\z").c_str(), nullptr);
  const std::wstring log = logFolder + L"\\host.log";
  PROCESS_INFORMATION hostProcess{};
  if (!Start(L"\"" + host + L"\" --log \"" + logFolder + L"\" --zfile \"" + folder +
                 L"\\z\" --exit-after 60000",
             hostProcess)) {
    std::fprintf(stderr, "cannot start the stand-in host\n");
    return timing;
  }
  std::string ready;
  WaitFor(15000, [&] { return EventTick(log, "ready ", &ready) != 0; });
  const HWND hostWindow =
      ready.empty() ? nullptr : reinterpret_cast<HWND>(std::stoull(ready, nullptr, 16));

  PROCESS_INFORMATION process{};
  if (Start(L"\"" + kaveta + L"\" C2", process)) {
    HWND main = nullptr;
    WaitFor(20000, [&] {
      main = bench::MainWindowOf(process.dwProcessId);
      return main && IsWindowVisible(main);
    });
    // A user reads the window before pressing OK: let its start settle.
    Sleep(700);
    const HWND ok = main ? GetDlgItem(main, kOkButton) : nullptr;
    if (ok) {
      // A real click in the middle of the button, as a user's.
      RECT r;
      GetWindowRect(ok, &r);
      SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
      Sleep(50);
      INPUT click[2] = {};
      click[0].type = click[1].type = INPUT_MOUSE;
      click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
      click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
      SendInput(1, &click[0], sizeof(INPUT));
      Sleep(30);
      const DWORD pressed = GetTickCount();  // the release is the press
      SendInput(1, &click[1], sizeof(INPUT));
      if (WaitFor(10000, [&] { return EventTick(log, "press ファイル読込") != 0; })) {
        timing.firstMessage = static_cast<double>(EventTick(log, "command 32895") - pressed);
        timing.readPress = static_cast<double>(EventTick(log, "press ファイル読込") - pressed);
      }
    }
    End(process, main);
  }
  End(hostProcess, hostWindow);
  return timing;
}


}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 5) {
    std::fputs("usage: handoff_latency.exe <runs> <kaveta.exe> <standin-host.exe> <folder>\n",
               stderr);
    return 2;
  }
  const int runs = std::max(1, _wtoi(argv[1]));
  std::vector<double> first, read;
  for (int run = 0; run <= runs; ++run) {
    const Timing t = OneHandOff(argv[2], argv[3], argv[4], run);
    if (t.readPress < 0) {
      std::fprintf(stderr, "run %d: the host's read press did not come within 10 s\n", run);
      return 1;
    }
    if (run == 0) continue;  // the warm-up run
    std::printf("hand-off %d: first message %.0f ms, read press %.0f ms\n", run, t.firstMessage,
                t.readPress);
    first.push_back(t.firstMessage);
    read.push_back(t.readPress);
  }
  std::printf("hand-off: median of %d: OK to the host's first message %.0f ms, to its read press %.0f ms\n",
              runs, bench::Median(first), bench::Median(read));
  return 0;
}
