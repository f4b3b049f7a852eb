// The stand-in host program for the hand-off tests, and an answerer for the
// message boxes that code under test shows in this very process.
#pragma once

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kaveta::gui {

namespace fs = std::filesystem;

// standin-host.exe: KAVETA_STANDIN_HOST, else the one beside kaveta.exe.
fs::path StandinHostExe();

struct HostFlags {
  std::wstring title;  // "" keeps the stand-in's own title
  bool noToolbar = false;
  int toolbarAfterMs = -1;   // toolbar made this long after command 32895
  int replaceDialogMs = -1;  // first metre press replaces the dialog
  bool cover = false;        // another window takes the front
  int busyMs = 0;            // answers nothing this long on command 32895
  fs::path batchFile;        // external transformation
  fs::path selection;
};

// A running stand-in host whose coordinate-file folder is `coordinateFolder`.
class StandinHost {
 public:
  StandinHost(const fs::path& coordinateFolder, const HostFlags& flags = {});
  ~StandinHost();  // closes it; ends it when it does not go
  StandinHost(const StandinHost&) = delete;
  StandinHost& operator=(const StandinHost&) = delete;

  HWND MainWindow() const { return main_; }
  const fs::path& LogFolder() const { return log_; }
  // The log without the times, one event each.
  std::vector<std::string> Events() const;
  // Events that start with one of the prefixes, in order.
  std::vector<std::string> EventsStarting(const std::vector<std::string>& prefixes) const;
  void WaitForEvent(const std::string& prefix, int ms) const;
  // What the host read on its n-th read press (1-based).
  std::string ReadCopy(int n) const;

 private:
  PROCESS_INFORMATION info_{};
  fs::path log_;
  HWND main_ = nullptr;
};

// A fresh temporary folder, removed at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

// Answers the KAVETA message boxes of this process from a thread of its own,
// one button per box in order (Cancel or OK once the list is used up), and
// notes each box's text and when it appeared.
class BoxAnswerer {
 public:
  struct Box {
    std::wstring text;
    DWORD shownAt = 0;         // GetTickCount()
    bool ownerEnabled = true;  // of the window given, while the box showed
  };
  explicit BoxAnswerer(std::vector<int> buttons, HWND watchedOwner = nullptr);
  ~BoxAnswerer();
  // Stops watching; the boxes seen so far.
  std::vector<Box> Finish();

 private:
  void Watch();

  std::vector<int> buttons_;
  HWND owner_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<Box> boxes_;
  std::thread thread_;
};

}  // namespace kaveta::gui
