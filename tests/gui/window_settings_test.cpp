// The settings panel worked with the mouse, and the ways out of the window
// that write nothing.
#include <gtest/gtest.h>

#include "driver.h"

namespace kaveta::gui {
namespace {

// Lines of a CR LF text without the given ones; each must be there once.
std::string Without(std::string text, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    const std::string whole = "\r\n" + line + "\r\n";
    const auto at = text.find(whole);
    if (at == std::string::npos) throw DriverError("the expected file has no line " + line);
    text.erase(at + 2, line.size() + 2);
  }
  return text;
}

TEST(SettingsPanel, UntickedVerticalRulesLeaveThemOutOfTheTable) {
  ProgramFolder folder;
  PrepareCase(folder, "area_new");
  Program kaveta(folder, L"C2");
  const HWND main = kaveta.MainWindow();
  auto at = [&](int controlId) { return Control(main, controlId); };

  Command(main, id::optSakuhyou);
  WaitUntil([&] { return Visible(at(id::Frame1)); }, kUiWaitMs, "the settings panel");
  EXPECT_FALSE(MenuBarItem(main, 1).enabled) << "編集 while the panel is open";
  const HWND vertical = at(id::ckKeisen(1));
  EXPECT_EQ(Text(vertical), L"縦罫線種色,レイヤ");
  ASSERT_TRUE(Checked(vertical));
  Click(vertical);
  WaitUntil([&] { return !Checked(vertical); }, kUiWaitMs, "ckKeisen(1) to be unticked");
  // Only the vertical group's three lists go off.
  for (int list : {10, 2, 6})
    EXPECT_FALSE(Enabled(at(id::Combo1(list)))) << "Combo1(" << list << ")";
  for (int list : {9, 1, 5, 11, 7, 8})
    EXPECT_TRUE(Enabled(at(id::Combo1(list)))) << "Combo1(" << list << ")";
  Click(at(id::cmdOptionOK));
  WaitUntil([&] { return !Visible(at(id::Frame1)); }, kUiWaitMs, "the settings panel to close");
  EXPECT_TRUE(MenuBarItem(main, 1).enabled) << "編集 after the panel closed";

  Click(at(id::Command2));
  WaitUntil([&] { return !kaveta.Running() || HasMessageBox(kaveta.Id()); }, 15000,
            "the hand-off's message or the end of kaveta.exe");
  if (kaveta.Running()) Answer(WaitForMessageBox(kaveta.Id(), 1000), IDOK);
  EXPECT_EQ(kaveta.WaitForExit(10000), 0u);

  // The table the console front end writes for this data, less the vertical
  // rules: their colour, layer and type lines and the three segments.
  const std::string want =
      Without(ReadBytes(E2eData() / ".." / "expected" / "area_new" / "ZTEMP.TXT"),
              {"lc2", "ly8", "lt2", "24 0 24 -16", "27.75 0 27.75 -16", "42.75 0 42.75 -16"});
  const std::string got = ReadBytes(folder.HostFolder() / "ZTEMP.TXT");
  EXPECT_TRUE(want == got) << FirstDifference(want, got);
}

// The panel's contents lie in the order of their place on it, whenever each
// was made: the Tab key walks them top to bottom, and the frame inside lies
// below the controls it surrounds. Opened twice, nothing is made twice.
TEST(SettingsPanel, ContentsKeepTheirOrderOverRepeatedOpenings) {
  ProgramFolder folder;
  PrepareCase(folder, "area_new");
  Program kaveta(folder, L"C2");
  const HWND main = kaveta.MainWindow();
  const std::vector<int> expected = {
      2530, 2615, 2533, 2616, 2621, 2535, 2403, 2404, 2534, 2617, 2540,
      2500, 2409, 2401, 2405, 2501, 2410, 2402, 2406, 2502, 2411, 2407, 2408,
      2511, 2510, 2622, 2623, 2541, 2625, 2620, 2630, 2626, 2631, 2627,
      2520, 2521, 2619, 2632, 2628, 2618};
  for (int opening = 1; opening <= 2; ++opening) {
    SCOPED_TRACE(opening);
    Command(main, id::optSakuhyou);
    const HWND panel = Control(main, id::Frame1);
    WaitUntil([&] { return Visible(panel); }, kUiWaitMs, "the settings panel");
    std::vector<int> order;
    for (HWND child = GetWindow(panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      order.push_back(GetDlgCtrlID(child));
    EXPECT_EQ(order, expected);
    Click(Control(main, id::cmdOptionOK));
    WaitUntil([&] { return !Visible(panel); }, kUiWaitMs, "the settings panel to close");
  }
}

enum class Way { ExitMenu, CloseMessage, CloseBox };

struct ExitCase {
  const char* dataCase;
  const wchar_t* mode;
  Way way;
};

void PrintTo(const ExitCase& c, std::ostream* os) {
  const char* ways[] = {"exit menu", "WM_CLOSE", "SC_CLOSE"};
  *os << c.dataCase << " " << ways[static_cast<int>(c.way)];
}

class ExitWithoutWriting : public ::testing::TestWithParam<ExitCase> {};

TEST_P(ExitWithoutWriting, EndsAndLeavesEveryFileAsItWas) {
  const ExitCase& c = GetParam();
  ProgramFolder folder;
  PrepareCase(folder, c.dataCase);
  const auto before = folder.Snapshot();
  Program kaveta(folder, c.mode);
  const HWND main = kaveta.MainWindow();
  // An edit first, so that there is something that could be saved.
  Click(Control(main, id::txtname(1)));
  WaitUntil([&] { return Visible(Control(main, id::Combo2)); }, kUiWaitMs, "the name editor");
  TypeText(L"x");
  WaitUntil([&] { return Text(Control(main, id::txtname(1))) == L"x"; }, kUiWaitMs, "txtname(1)");

  switch (c.way) {
    case Way::ExitMenu: Command(main, id::kavetaend); break;
    case Way::CloseMessage: PostMessageW(main, WM_CLOSE, 0, 0); break;
    case Way::CloseBox: PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0); break;
  }
  EXPECT_EQ(kaveta.WaitForExit(10000), 0u);
  EXPECT_FALSE(HasMessageBox(kaveta.Id()));
  EXPECT_EQ(folder.Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(Ways, ExitWithoutWriting,
                         ::testing::Values(ExitCase{"area_new", L"C2", Way::ExitMenu},
                                           ExitCase{"area_new", L"C2", Way::CloseMessage},
                                           ExitCase{"area_new", L"C2", Way::CloseBox},
                                           ExitCase{"colour_change", L"M3", Way::ExitMenu},
                                           ExitCase{"colour_change", L"M3", Way::CloseBox}));

}  // namespace
}  // namespace kaveta::gui
