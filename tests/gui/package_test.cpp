// The user package as the host uses it: the zip unpacked into a fresh folder,
// the stand-in host writes its JWC_TEMP.TXT there ("hq", then the
// selection), runs one of the package's batch files with the command
// processor and logs what it does with the file it reads back; the real
// window started by the batch file is driven like a user would.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "driver.h"
#include "host_driver.h"

namespace kaveta::gui {
namespace {

// The folder KAVETA of the unpacked zip, from scripts/gui-tests.sh.
fs::path UnpackedPackage() {
  const char* path = std::getenv("KAVETA_PACKAGE_DIR");
  if (!path || !*path || !fs::exists(fs::path(path) / "KAVETA.EXE"))
    throw DriverError("KAVETA_PACKAGE_DIR must name the unpacked package (scripts/gui-tests.sh)");
  return path;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// A copy of the package where a user unpacked it, with the settings of an
// end-to-end case (the table they give is checked by hand) and the selection
// the host writes, taken from that case's TEMP.TXT without its own "hq".
class UnpackedFolder {
 public:
  explicit UnpackedFolder(const std::string& dataCase) {
    fs::copy(UnpackedPackage(), Path(), fs::copy_options::recursive);
    const fs::path data = E2eData() / dataCase;
    fs::copy_file(data / "Kaveta.INI", Path() / "Kaveta.INI", fs::copy_options::overwrite_existing);
    const std::string input = ReadBytes(data / "TEMP.TXT");
    selection_ = input.substr(input.find('\n') + 1);
    std::ofstream(temp_.Path() / "selection.txt", std::ios::binary) << selection_;
    HostSettings settings = ReadRegistryIni(E2eData() / "registry.ini");
    settings.zfile = coordinates_.Path().wstring();
    WriteHostRegistry(settings);
  }

  fs::path Path() const { return temp_.Path() / "KAVETA"; }
  fs::path CoordinateFolder() const { return coordinates_.Path(); }
  const std::string& Selection() const { return selection_; }

  HostFlags Run(const std::string& batchFile) const {
    HostFlags flags;
    flags.batchFile = Path() / batchFile;
    flags.selection = temp_.Path() / "selection.txt";
    return flags;
  }

 private:
  TempFolder temp_;
  TempFolder coordinates_;
  std::string selection_;
};

BOOL CALLBACK FindToolWindow(HWND window, LPARAM param) {
  if (!IsWindowVisible(window) || ClassName(window) != L"KavetaMainWindow") return TRUE;
  *reinterpret_cast<HWND*>(param) = window;
  return FALSE;
}

// The window of the kaveta.exe the batch file started.
HWND WaitForToolWindow(int ms) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = nullptr;
        EnumWindows(FindToolWindow, reinterpret_cast<LPARAM>(&found));
        return found != nullptr;
      },
      ms, "the KAVETA window started by the batch file");
  return found;
}

DWORD ProcessOf(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  return id;
}

void WaitForWindowGone(HWND window) {
  WaitUntil([&] { return !IsWindow(window); }, 30000, "the KAVETA window to close");
}

// A window left by a failed flow would be taken for the next flow's window:
// every flow starts and ends with none.
void EndToolWindows() {
  for (int attempt = 0; attempt < 10; ++attempt) {
    HWND stray = nullptr;
    EnumWindows(FindToolWindow, reinterpret_cast<LPARAM>(&stray));
    if (!stray) return;
    const DWORD id = ProcessOf(stray);
    PostMessageW(stray, WM_CLOSE, 0, 0);
    const DWORD start = GetTickCount();
    while (IsWindow(stray) && GetTickCount() - start < 5000) Sleep(50);
    if (!IsWindow(stray)) continue;
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
      TerminateProcess(process, 99);
      WaitForSingleObject(process, 5000);
      CloseHandle(process);
    }
  }
}

class Package : public ::testing::Test {
 protected:
  void SetUp() override { EndToolWindows(); }
  void TearDown() override { EndToolWindows(); }
};

TEST_F(Package, NewAreaTableLeavesTheDrawingAloneAndHandsTheTableOverAfterOk) {
  UnpackedFolder folder("area_new");
  StandinHost host(folder.CoordinateFolder(), folder.Run("KAVETA_C2.BAT"));

  // The batch file ends while the window is open, and the host's own file
  // comes back: nothing is drawn from it.
  host.WaitForEvent("external batch ended", 30000);
  const HWND main = WaitForToolWindow(30000);
  EXPECT_EQ(Text(main), L"KAVETA 1.90【新規表-面積測定モード】");
  host.WaitForEvent("external hq drawing unchanged", 5000);
  EXPECT_TRUE(host.EventsStarting({"draw ", "external hd"}).empty());
  EXPECT_TRUE(host.EventsStarting({"press ", "read "}).empty()) << "the host read before OK";

  BringToFront(main);
  Click(Control(main, id::Command2));
  host.WaitForEvent("read 1 ", 30000);
  EXPECT_EQ(host.EventsStarting({"press "}).back(), "press ファイル読込");
  const std::string want = ReadBytes(SourceDir() / "tests/e2e/expected/area_new/ZTEMP.TXT");
  const std::string got = host.ReadCopy(1);
  EXPECT_TRUE(want == got) << "ZTEMP.TXT the host read: " << FirstDifference(want, got);
  WaitForWindowGone(main);
}

TEST_F(Package, ColourChangeGivesTheHostEverySelectedFigureRecolouredAfterOk) {
  UnpackedFolder folder("colour_change");
  StandinHost host(folder.CoordinateFolder(), folder.Run("KAVETA_M3.BAT"));
  const HWND main = WaitForToolWindow(30000);
  EXPECT_EQ(Text(main), L"KAVETA 1.90【色変更モード】");
  // The host waits for the tool before it reads anything back.
  EXPECT_TRUE(host.EventsStarting({"external batch ended", "external hq", "external hd"}).empty());

  // Row 1 holds the first colour of the selection; its right swatch gives
  // the new colour, pure red.
  BringToFront(main);
  Click(Control(main, id::Lblpic(17)));
  ChooseColour(WaitForColourDialog(ProcessOf(main), 10000), 255, 0, 0);
  Click(Control(main, id::Command2));
  host.WaitForEvent("external hd delete selection", 30000);

  // What the host draws in place of the selection: the figures as the
  // same run writes them without a colour change, row 1 in red.
  std::string expected =
      Cp932ToUtf8(ReadBytes(SourceDir() / "tests/e2e/expected/colour_change/JWC_TEMP.TXT"));
  const std::string oldColour = "\nlc10 16763904\r\n";
  const std::size_t at = expected.find(oldColour);
  ASSERT_NE(at, std::string::npos);
  ASSERT_EQ(expected.find(oldColour, at + 1), std::string::npos) << "row 1's colour line twice";
  expected.replace(at, oldColour.size(), "\nlc10 255\r\n");
  std::vector<std::string> drawn;
  for (const std::string& line : Lines(expected))
    if (!line.empty() && line != "hd") drawn.push_back("draw " + line);
  // The host logs its drawing line by line after the "hd".
  const DWORD start = GetTickCount();
  while (host.EventsStarting({"draw "}).size() < drawn.size() && GetTickCount() - start < 10000)
    Sleep(100);
  Sleep(300);
  EXPECT_EQ(host.EventsStarting({"draw "}), drawn);
  WaitForWindowGone(main);
}

TEST_F(Package, ColourChangeClosedWithoutOkLeavesTheDrawingAsItWas) {
  UnpackedFolder folder("colour_change");
  StandinHost host(folder.CoordinateFolder(), folder.Run("KAVETA_M3.BAT"));
  const HWND main = WaitForToolWindow(30000);
  Command(main, id::kavetaend);
  WaitForWindowGone(main);

  host.WaitForEvent("external hq drawing unchanged", 30000);
  EXPECT_TRUE(host.EventsStarting({"draw ", "external hd"}).empty());
  EXPECT_TRUE(ReadBytes(folder.Path() / "JWC_TEMP.TXT") == "hq\r\n" + folder.Selection())
      << "the host's own JWC_TEMP.TXT was changed";
}

}  // namespace
}  // namespace kaveta::gui
