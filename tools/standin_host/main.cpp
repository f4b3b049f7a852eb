// standin-host.exe: a stand-in for the host CAD program, for the tests.
//
//   standin-host.exe --log <folder> --zfile <folder> [--title <text>]
//     [--no-toolbar] [--toolbar-after <ms>] [--replace-dialog <ms>] [--cover]
//     [--busy <ms>]
//     [--external <batch file> --selection <file>] [--exit-after <ms>]
//
// --zfile is the coordinate-file folder; like the host it is also stored in
// the registry (HKCU\Software\Jw_cad\jw_win\Folder, ZFILE). Everything the
// host receives goes to <log folder>\host.log, one line each.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cwchar>
#include <string>

#include "external_transform.h"
#include "host_log.h"
#include "host_windows.h"

namespace {

struct Options {
  standin::HostOptions host;
  std::wstring logFolder;
  standin::ExternalRun external;
  int exitAfterMs = 180000;
};

int Number(const wchar_t* text) { return static_cast<int>(std::wcstol(text, nullptr, 10)); }

bool Parse(int argc, wchar_t** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::wstring a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (a == L"--no-toolbar") {
      o.host.noToolbar = true;
    } else if (a == L"--cover") {
      o.host.cover = true;
    } else if (!hasValue) {
      return false;
    } else if (a == L"--log") {
      o.logFolder = argv[++i];
    } else if (a == L"--zfile") {
      o.host.coordinateFolder = argv[++i];
    } else if (a == L"--title") {
      o.host.title = argv[++i];
    } else if (a == L"--toolbar-after") {
      o.host.toolbarAfterMs = Number(argv[++i]);
    } else if (a == L"--replace-dialog") {
      o.host.replaceDialogMs = Number(argv[++i]);
    } else if (a == L"--external") {
      o.external.batchFile = argv[++i];
    } else if (a == L"--selection") {
      o.external.selectionFile = argv[++i];
    } else if (a == L"--busy") {
      o.host.busyMs = Number(argv[++i]);
    } else if (a == L"--exit-after") {
      o.exitAfterMs = Number(argv[++i]);
    } else {
      return false;
    }
  }
  return !o.logFolder.empty();
}

void StoreCoordinateFolder(const std::wstring& folder) {
  const DWORD bytes = static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t));
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Jw_cad\\jw_win\\Folder", L"ZFILE", REG_SZ,
                  folder.c_str(), bytes);
}

void CALLBACK EndOfLife(HWND, UINT, UINT_PTR, DWORD) {
  standin::Log(L"exit after time limit");
  PostQuitMessage(3);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  Options o;
  if (!argv || !Parse(argc, argv, o)) return 2;
  LocalFree(argv);
  standin::OpenLog(o.logFolder);
  if (!o.host.coordinateFolder.empty()) StoreCoordinateFolder(o.host.coordinateFolder);

  const HWND main = standin::CreateHostWindows(instance, o.host);
  if (!main) {
    standin::Log(L"cannot make the windows");
    return 1;
  }
  SetTimer(nullptr, 0, static_cast<UINT>(o.exitAfterMs), EndOfLife);
  standin::Log(L"ready " + standin::Hex(main));
  if (!o.external.batchFile.empty()) standin::RunExternalTransformation(o.external);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  standin::Log(L"end");
  return 0;
}
