// Program folders, host registry values, the process and the files of a run.
#include "driver.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace kaveta::gui {

namespace {

fs::path EnvPath(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0')
    throw DriverError(std::string("environment variable ") + name +
                      " is not set (run the tests through scripts/gui-tests.sh)");
  return fs::path(value);
}

const wchar_t kHostKey[] = L"Software\\Jw_cad\\jw_win";

// The driver works in real screen pixels at any DPI the screen is set to.
const bool kDpiAware = SetProcessDPIAware() != FALSE;

struct FoundWindow {
  DWORD processId;
  HWND window;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<FoundWindow*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != found->processId || !IsWindowVisible(window)) return TRUE;
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (std::wstring(name) != L"KavetaMainWindow") return TRUE;
  found->window = window;
  return FALSE;
}

}  // namespace

fs::path ProgramExe() { return EnvPath("KAVETA_GUI_EXE"); }
fs::path SourceDir() { return EnvPath("KAVETA_SOURCE_DIR"); }
fs::path E2eData() { return SourceDir() / "tests" / "e2e" / "data"; }

void WaitUntil(const std::function<bool()>& done, int ms, const std::string& what) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end)
      throw DriverError("timed out after " + std::to_string(ms) + " ms waiting for " + what);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

ProgramFolder::ProgramFolder() {
  static int counter = 0;
  path_ = fs::temp_directory_path() /
          ("kaveta-gui-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter));
  fs::remove_all(path_);
  fs::create_directories(path_ / "jww");
  fs::copy_file(ProgramExe(), path_ / "kaveta.exe");
}

ProgramFolder::~ProgramFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void ProgramFolder::CopyDataCase(const std::string& dataCase) {
  CopyFile(E2eData() / "kaveta.lst", "kaveta.lst");
  for (const auto& entry : fs::directory_iterator(E2eData() / dataCase))
    CopyFile(entry.path(), entry.path().filename().string());
}

void ProgramFolder::CopyFile(const fs::path& from, const std::string& name) {
  fs::copy_file(from, path_ / name, fs::copy_options::overwrite_existing);
}

std::vector<std::pair<std::string, std::string>> ProgramFolder::Snapshot() const {
  std::vector<std::pair<std::string, std::string>> files;
  for (const auto& entry : fs::recursive_directory_iterator(path_)) {
    const std::string name = fs::relative(entry.path(), path_).generic_string();
    files.emplace_back(name, entry.is_regular_file() ? ReadBytes(entry.path()) : "<folder>");
  }
  std::sort(files.begin(), files.end());
  return files;
}

HostSettings ReadRegistryIni(const fs::path& file) {
  HostSettings settings;
  std::istringstream lines(ReadBytes(file));
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string name = line.substr(0, eq), value = line.substr(eq + 1);
    if (name.size() == 7 && name.rfind("Color0", 0) == 0) {
      settings.penColours.emplace_back(std::wstring(name.begin(), name.end()),
                                       std::wstring(value.begin(), value.end()));
    } else if (name == "Reverse") {
      settings.reverse = static_cast<DWORD>(std::stoul(value));
      settings.hasReverse = true;
    }
  }
  return settings;
}

void WriteHostRegistry(const HostSettings& settings) {
  RegDeleteTreeW(HKEY_CURRENT_USER, kHostKey);
  auto put = [](const std::wstring& sub, const std::wstring& name, DWORD type, const void* data,
                DWORD size) {
    HKEY key = nullptr;
    const std::wstring path = std::wstring(kHostKey) + L"\\" + sub;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
      throw DriverError("cannot create the registry key HKCU\\" + Utf8(path));
    const LONG status =
        RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) throw DriverError("cannot write the value " + Utf8(name));
  };
  auto putText = [&](const std::wstring& sub, const std::wstring& name, const std::wstring& text) {
    put(sub, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  };
  for (const auto& [name, value] : settings.penColours) putText(L"Pen", name, value);
  if (settings.hasReverse) put(L"Draw", L"Reverse", REG_DWORD, &settings.reverse, sizeof(DWORD));
  if (!settings.zfile.empty()) putText(L"Folder", L"ZFILE", settings.zfile);
}

void PrepareCase(ProgramFolder& folder, const std::string& dataCase) {
  folder.CopyDataCase(dataCase);
  HostSettings settings = ReadRegistryIni(E2eData() / "registry.ini");
  settings.zfile = folder.HostFolder().wstring();
  WriteHostRegistry(settings);
}

Program::Program(const ProgramFolder& folder, const std::wstring& mode)
    : Program(folder.Path() / "kaveta.exe", mode) {}

Program::Program(const fs::path& exe, const std::wstring& mode) {
  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  if (!mode.empty()) commandLine += L" " + mode;
  const std::wstring current = fs::temp_directory_path().wstring();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  // Wine reports a new process that died in its own loader, before any of
  // the program's code ran, as ERROR_INTERNAL_ERROR; seen once in a long run
  // with five Wine sessions on two cores. Such a start is tried once more.
  const auto start = [&] {
    return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          current.c_str(), &startup, &info_) != FALSE;
  };
  bool started = start();
  if (!started && GetLastError() == ERROR_INTERNAL_ERROR) {
    Sleep(500);
    started = start();
  }
  if (!started)
    throw DriverError("cannot start " + Utf8(commandLine) + ", error " +
                      std::to_string(GetLastError()));
}

Program::~Program() {
  if (Running()) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool Program::Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

HWND Program::VisibleMainWindow() const {
  FoundWindow found{info_.dwProcessId, nullptr};
  EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&found));
  return found.window;
}

HWND Program::MainWindow() {
  if (main_ != nullptr && IsWindow(main_)) return main_;
  WaitUntil(
      [&] {
        if (!Running()) {
          DWORD code = 0;
          GetExitCodeProcess(info_.hProcess, &code);
          throw DriverError("kaveta.exe ended with exit code " + std::to_string(code) +
                            " before its main window was shown");
        }
        return (main_ = VisibleMainWindow()) != nullptr;
      },
      15000, "the visible main window of kaveta.exe (class KavetaMainWindow)");
  // The settings panel's controls and then the tips are made just after
  // the window shows, before the program waits for input. WaitForInputIdle
  // came back before the panel's controls existed (a first start in a fresh
  // prefix, busy machine), so wait for the tips' window, made last, and a
  // message answered after it.
  const DWORD thread = GetWindowThreadProcessId(main_, nullptr);
  WaitUntil(
      [&] {
        bool tips = false;
        EnumThreadWindows(
            thread,
            [](HWND window, LPARAM found) -> BOOL {
              if (ClassName(window) != L"tooltips_class32") return TRUE;
              *reinterpret_cast<bool*>(found) = true;
              return FALSE;
            },
            reinterpret_cast<LPARAM>(&tips));
        return tips;
      },
      kUiWaitMs, "the tips of kaveta.exe's window, made last at its start");
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, kUiWaitMs, &ignored))
    throw DriverError("kaveta.exe did not answer a message within " + std::to_string(kUiWaitMs) +
                      " ms of showing its window");
  return main_;
}

DWORD Program::WaitForExit(int ms) {
  if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(ms)) != WAIT_OBJECT_0)
    throw DriverError("kaveta.exe was still running " + std::to_string(ms) + " ms later");
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw DriverError("cannot read " + file.string());
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

std::string Cp932ToUtf8(const std::string& bytes) {
  if (bytes.empty()) return {};
  const int n =
      MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
  return Utf8(wide);
}

std::string FirstDifference(const std::string& expected, const std::string& actual) {
  if (expected == actual) return {};
  std::istringstream e(Cp932ToUtf8(expected)), a(Cp932ToUtf8(actual));
  std::string x, y;
  for (int line = 1;; ++line) {
    const bool hasX = static_cast<bool>(std::getline(e, x));
    const bool hasY = static_cast<bool>(std::getline(a, y));
    if (!hasX && !hasY) return "same lines, different bytes (line ends?)";
    if (!hasX) x = "<none>";
    if (!hasY) y = "<none>";
    if (x != y) return "line " + std::to_string(line) + ": expected [" + x + "] got [" + y + "]";
  }
}

}  // namespace kaveta::gui
