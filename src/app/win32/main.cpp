// Until the window lands, kaveta.exe runs the console front end on the real
// registry and file system of Windows.
#include <windows.h>

#include <string>

#include "app/common/console_front_end.h"
#include "platform/system.h"

namespace {

// The command line without the program path, as the host passed it.
std::string RawArguments() {
  const wchar_t* p = GetCommandLineW();
  if (*p == L'"') {
    ++p;
    while (*p && *p != L'"') ++p;
    if (*p) ++p;
  } else {
    while (*p && *p != L' ' && *p != L'\t') ++p;
  }
  const std::wstring rest(p);
  if (rest.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, rest.data(), static_cast<int>(rest.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, rest.data(), static_cast<int>(rest.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

}  // namespace

int main() {
  const std::string folder = kaveta::ExecutableFolder(nullptr);
  kaveta::ChangeCurrentFolder(folder);
  auto files = kaveta::MakeSystemFileSystem();
  auto registry = kaveta::MakeSystemRegistry(*files, folder);
  return kaveta::RunConsoleFrontEnd(RawArguments(), folder, kaveta::PathSeparator(), *files,
                                    *registry);
}
