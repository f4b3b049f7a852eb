#include "host_driver.h"

#include <chrono>
#include <fstream>
#include <sstream>

#include "driver.h"

namespace kaveta::gui {
namespace {

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

struct FoundBox {
  DWORD processId;
  HWND box;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<FoundBox*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != found->processId || !IsWindowVisible(window)) return TRUE;
  if (ClassName(window) != L"#32770" || Text(window) != L"KAVETA") return TRUE;
  found->box = window;
  return FALSE;
}

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace

fs::path StandinHostExe() {
  if (const char* path = std::getenv("KAVETA_STANDIN_HOST"); path && *path) return path;
  return ProgramExe().parent_path() / "standin-host.exe";
}

TempFolder::TempFolder() {
  static int counter = 0;
  path_ = fs::temp_directory_path() / ("kaveta-host-" + std::to_string(GetCurrentProcessId()) +
                                       "-" + std::to_string(++counter));
  fs::remove_all(path_);
  fs::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

StandinHost::StandinHost(const fs::path& coordinateFolder, const HostFlags& flags) {
  static int counter = 0;
  log_ = fs::temp_directory_path() / ("kaveta-hostlog-" + std::to_string(GetCurrentProcessId()) +
                                      "-" + std::to_string(++counter));
  fs::remove_all(log_);
  fs::create_directories(log_);
  std::wstring line = L"\"" + StandinHostExe().wstring() + L"\" --log \"" + log_.wstring() +
                      L"\" --zfile \"" + coordinateFolder.wstring() + L"\" --exit-after 120000";
  if (!flags.title.empty()) line += L" --title \"" + flags.title + L"\"";
  if (flags.noToolbar) line += L" --no-toolbar";
  if (flags.toolbarAfterMs >= 0)
    line += L" --toolbar-after " + std::to_wstring(flags.toolbarAfterMs);
  if (flags.replaceDialogMs >= 0)
    line += L" --replace-dialog " + std::to_wstring(flags.replaceDialogMs);
  if (flags.cover) line += L" --cover";
  if (flags.busyMs > 0) line += L" --busy " + std::to_wstring(flags.busyMs);
  if (!flags.batchFile.empty())
    line += L" --external \"" + flags.batchFile.wstring() + L"\" --selection \"" +
            flags.selection.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info_))
    throw DriverError("cannot start " + Utf8(line));
  WaitForEvent("ready ", 15000);
  for (const std::string& e : Events())
    if (e.rfind("ready ", 0) == 0)
      main_ = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(std::stoull(e.substr(6), nullptr, 16)));
}

StandinHost::~StandinHost() {
  if (main_) PostMessageW(main_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(info_.hProcess, 5000) != WAIT_OBJECT_0) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
  std::error_code ignored;
  fs::remove_all(log_, ignored);
}

std::vector<std::string> StandinHost::Events() const {
  std::vector<std::string> events;
  std::istringstream in(ReadAll(log_ / "host.log"));
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t blank = line.find(' ');
    if (blank != std::string::npos) events.push_back(line.substr(blank + 1));
  }
  return events;
}

std::vector<std::string> StandinHost::EventsStarting(
    const std::vector<std::string>& prefixes) const {
  std::vector<std::string> picked;
  for (const std::string& e : Events())
    for (const std::string& p : prefixes)
      if (e.rfind(p, 0) == 0) {
        picked.push_back(e);
        break;
      }
  return picked;
}

void StandinHost::WaitForEvent(const std::string& prefix, int ms) const {
  WaitUntil([&] { return !EventsStarting({prefix}).empty(); }, ms,
            "the stand-in host's log to show \"" + prefix + "\"");
}

std::string StandinHost::ReadCopy(int n) const {
  return ReadAll(log_ / ("ZTEMP-" + std::to_string(n) + ".TXT"));
}

BoxAnswerer::BoxAnswerer(std::vector<int> buttons, HWND watchedOwner)
    : buttons_(std::move(buttons)), owner_(watchedOwner), thread_([this] { Watch(); }) {}

BoxAnswerer::~BoxAnswerer() { Finish(); }

std::vector<BoxAnswerer::Box> BoxAnswerer::Finish() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  std::lock_guard<std::mutex> lock(mutex_);
  return boxes_;
}

void BoxAnswerer::Watch() {
  std::size_t answered = 0;
  while (!stop_) {
    FoundBox found{GetCurrentProcessId(), nullptr};
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&found));
    if (!found.box) {
      Pause(20);
      continue;
    }
    Box box;
    box.shownAt = GetTickCount();
    box.ownerEnabled = owner_ == nullptr || IsWindowEnabled(owner_);
    try {
      box.text = MessageBoxText(found.box);
      int button = answered < buttons_.size() ? buttons_[answered] : IDCANCEL;
      if (!GetDlgItem(found.box, button)) button = IDOK;
      ++answered;
      Answer(found.box, button);
    } catch (const DriverError&) {
      // The box went away on its own; it is still noted.
    }
    std::lock_guard<std::mutex> lock(mutex_);
    boxes_.push_back(box);
  }
}

}  // namespace kaveta::gui
