// kaveta-console.exe: the console front end for batch runs on Windows, on
// the real registry and file system.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/common/console_front_end.h"
#include "platform/system.h"
#include "platform/win32/command_line_win32.h"

namespace {

// A console shows the text as UTF-16, whatever its code page; redirected
// output gets UTF-8 as on other systems.
void PrintLine(const std::string& line) {
  HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0;
  if (err != INVALID_HANDLE_VALUE && GetConsoleMode(err, &mode)) {
    const std::string text = line + "\r\n";
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    DWORD written = 0;
    WriteConsoleW(err, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  std::fprintf(stderr, "%s\n", line.c_str());
  std::fflush(stderr);
}

}  // namespace

int main() {
  const std::string folder = kaveta::ExecutableFolder(nullptr);
  kaveta::ChangeCurrentFolder(folder);
  auto files = kaveta::MakeSystemFileSystem();
  auto registry = kaveta::MakeSystemRegistry(*files, folder);
  return kaveta::RunConsoleFrontEnd(kaveta::RawArgumentsWin32(), folder, kaveta::PathSeparator(), *files,
                                    *registry, PrintLine);
}
