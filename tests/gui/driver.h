// Drives the real kaveta.exe window from another process, as a user or a
// scripting tool would: real files in a temporary program folder, the host's
// registry values, synthesized mouse and keyboard input, window messages, and
// reading back the real controls. Every wait is bounded; a failed wait throws
// DriverError, which GoogleTest reports as the test's failure.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kaveta::gui {

namespace fs = std::filesystem;

struct DriverError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Paths handed over by scripts/gui-tests.sh.
fs::path ProgramExe();  // KAVETA_GUI_EXE
fs::path SourceDir();   // KAVETA_SOURCE_DIR
fs::path E2eData();     // tests/e2e/data of the source tree

// How long a step of the window may take. Generous: Wine on a shared,
// loaded machine can stall a window for seconds.
constexpr int kUiWaitMs = 10000;

// Polls `done` until it holds or `ms` have passed; throws with `what` then.
void WaitUntil(const std::function<bool()>& done, int ms, const std::string& what);

// A fresh program folder holding a copy of kaveta.exe, removed again at the
// end. The host's coordinate-file folder is its sub-folder "jww".
class ProgramFolder {
 public:
  ProgramFolder();
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  // Copies every file of tests/e2e/data/<dataCase> and the shared kaveta.lst.
  void CopyDataCase(const std::string& dataCase);
  void CopyFile(const fs::path& from, const std::string& name);

  const fs::path& Path() const { return path_; }
  fs::path HostFolder() const { return path_ / "jww"; }
  // Every file below the folder with its bytes, to tell "nothing written".
  std::vector<std::pair<std::string, std::string>> Snapshot() const;

 private:
  fs::path path_;
};

// The host's settings as the registry holds them for the host CAD program.
struct HostSettings {
  std::vector<std::pair<std::wstring, std::wstring>> penColours;  // "Color00" -> "FFFFFF"
  DWORD reverse = 0;
  bool hasReverse = false;
  std::wstring zfile;
};
// Pen colours and drawing order from a registry.ini of the e2e data.
HostSettings ReadRegistryIni(const fs::path& file);
// Replaces HKCU\Software\Jw_cad\jw_win with exactly these values.
void WriteHostRegistry(const HostSettings& settings);
// The files of tests/e2e/data/<dataCase> in `folder`, and the registry of
// that data with ZFILE pointing at the folder's "jww".
void PrepareCase(ProgramFolder& folder, const std::string& dataCase);

// One run of kaveta.exe started the way the host starts it.
class Program {
 public:
  // `mode` is the first command-line word ("" for none); the current folder
  // is the temp folder, never the program folder.
  Program(const ProgramFolder& folder, const std::wstring& mode);
  Program(const fs::path& exe, const std::wstring& mode);
  ~Program();  // ends a process that is still running
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  HWND MainWindow();               // waits for the visible main window
  HWND VisibleMainWindow() const;  // the main window if it is shown, or null
  DWORD Id() const { return info_.dwProcessId; }
  bool Running() const;
  DWORD WaitForExit(int ms);  // returns the exit code

 private:
  PROCESS_INFORMATION info_{};
  HWND main_ = nullptr;
};

// Control and menu command IDs of the window (its automation contract).
namespace id {
constexpr int Lblpic(int i) { return 2000 + i; }
constexpr int txtname(int i) { return 2100 + i; }
constexpr int Text_sum(int i) { return 2200 + i; }
constexpr int Label5(int i) { return 2300 + i; }
constexpr int Combo1(int i) { return 2400 + i; }
constexpr int ckKeisen(int i) { return 2500 + i; }
constexpr int chkUTIWAKE(int i) { return 2510 + i; }
constexpr int Option1(int i) { return 2520 + i; }
constexpr int Label1(int i) { return 2530 + i; }
constexpr int Label6(int i) { return 2540 + i; }
enum Single {
  btnChenge = 2601,
  Label4,
  txtHyoumei,
  Label2,
  Label3,
  txttani,
  lbltani0,
  Label7,
  chkC,
  Command3,
  Command2,
  Combo2,
  cbTani0,
  Frame1,
  cbTaniD,
  Comboketa,
  Text2,
  Frame2,
  cmdOptionOK,
  chkM
};
enum Menu {
  mnuOpenhyou = 3001,
  mnuSaveHyou = 3002,
  kavetaend = 3003,
  mnuMleft = 3011,
  mnuMcenter = 3012,
  mnuMright = 3013,
  optSakuhyou = 3021,
  mnuPreview = 3031
};
constexpr int kComboEdit = 1001;  // a combo box's own edit child
}  // namespace id

// Controls, found by ID among all descendants of `root`.
HWND Control(HWND root, int id);
std::wstring Text(HWND window);
std::wstring ClassName(HWND window);
bool Visible(HWND window);
bool Enabled(HWND window);
bool Checked(HWND button);
RECT ScreenRect(HWND window);
// The colour on screen a quarter of the way into the control (clear of a
// centred caption and of the border), as 0x00BBGGRR.
COLORREF ScreenColour(HWND control);
HWND FocusOf(HWND topLevel);  // the window holding the keyboard focus
// The process's visible top-level window of the class, or null.
HWND TopLevelOfClass(DWORD processId, const std::wstring& className);
// A hash of the client area's pixels as the screen shows them.
std::uint64_t ClientPixelsHash(HWND window);
// Opens the settings panel from its menu item, or closes it with its OK,
// and waits until the frame shows or hides.
void OpenPanel(HWND main);
void ClosePanel(HWND main);
// The pixels once two looks a little apart agree.
std::uint64_t SettledPixels(HWND window);
// Waits until the pixels differ from `before`, then until they settle.
std::uint64_t WaitForNewPixels(HWND window, std::uint64_t before, const std::string& what);
std::vector<std::wstring> ComboItems(HWND combo);
// Picks the entry as a user's pick: CB_SETCURSEL, then CBN_SELCHANGE.
void PickComboEntry(HWND combo, const std::wstring& entry);
void Command(HWND main, int commandId);  // a menu command as WM_COMMAND

// The window's menu as its own process sees it.
struct MenuItemState {
  bool enabled;
  bool checked;
};
MenuItemState MenuItem(HWND main, int commandId);
MenuItemState MenuBarItem(HWND main, int position);  // ﾌｧｲﾙ 0, 編集 1, 設定 2
// How many marker key presses (F24, which nothing uses) the window's thread
// has taken from its queue, modulo 65536: a marker sent after some input and
// counted here proves that input has been read.
constexpr WORD kMarkerKey = VK_F24;
int MarkersRead(HWND main);

// Real input, delivered to whatever window is under the point or has focus.
void BringToFront(HWND topLevel);
void Click(HWND control);
void Drag(HWND from, HWND to);
void TypeText(const std::wstring& text);
void PressKey(WORD virtualKey);
void PressKey(WORD modifier, WORD virtualKey);  // with a modifier held down
// The wheel turned by whole notches (up: positive) over a point of the
// window's client area, with a key such as VK_CONTROL held (0: none).
void Wheel(HWND window, POINT client, int notches, WORD modifier = 0);
// A press at a point of the client area, moved by (dx, dy) and let go.
void DragBy(HWND window, POINT from, int dx, int dy, bool middle = false);

// Message boxes (title KAVETA) and the colour dialog of the process.
HWND WaitForMessageBox(DWORD processId, int ms);
std::wstring MessageBoxText(HWND box);
void Answer(HWND dialog, int buttonId);
bool HasMessageBox(DWORD processId);
HWND WaitForColourDialog(DWORD processId, int ms);
void ChooseColour(HWND dialog, int red, int green, int blue);

std::string ReadBytes(const fs::path& file);
// Converts Shift_JIS bytes for readable failure messages.
std::string Cp932ToUtf8(const std::string& bytes);
std::string Utf8(const std::wstring& text);
// The first differing line of two Shift_JIS texts, or "" when equal.
std::string FirstDifference(const std::string& expected, const std::string& actual);

}  // namespace kaveta::gui
