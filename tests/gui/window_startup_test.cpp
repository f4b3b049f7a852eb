// The window as each run mode shows it right after start-up, read back from
// the real controls.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "driver.h"

namespace kaveta::gui {
namespace {

struct StartupLook {
  const char* dataCase;
  const wchar_t* mode;
  const wchar_t* caption;
  const wchar_t* rowModeButton;  // btnChenge caption
  bool rowModeShown, rowModeEnabled;
  const wchar_t* hint;  // Label7
  bool copyShown, copyEnabled;
  bool layerNaming;  // chkC shown, txttani hidden, layer headings
  // Captions of Lblpic(1..16), one character each, blank for none; then
  // Lblpic(17) and Lblpic(32).
  const wchar_t* leftCaptions;
  const wchar_t* topRight;
  const wchar_t* bottomRight;
  bool openTable, saveTable;  // 表を開く, 表を保存 enabled
  int checkedAlignment;       // the checked item of 編集, 0 for none
};

void PrintTo(const StartupLook& look, std::ostream* os) {
  *os << look.dataCase << " [" << Utf8(look.mode) << "]";
}

constexpr const wchar_t* kBlank16 = L"                ";
constexpr const wchar_t* kHex16 = L"0123456789ABCDEF";
constexpr const wchar_t* kDragHint = L"↑ここをドラッグしてください";
constexpr const wchar_t* kClickHint = L"↑ここをクリックしてください";

// The registry of the e2e data has Reverse=1: the reversed drawing order.
// The alignment comes from each case's Kaveta.INI (intYose); the plain
// layer-naming mode stops its load before applying it.
const StartupLook kLooks[] = {
    {"table_design", L"M6", L"KAVETA 1.90【表作成モード】", L"追加", true, true, kClickHint, true,
     true, false, kBlank16, L"", L"", true, true, id::mnuMleft},
    {"area_new", L"C2", L"KAVETA 1.90【新規表-面積測定モード】", L"並替", true, true, kDragHint,
     true, true, false, kBlank16, L"", L"", false, true, id::mnuMleft},
    {"area_previous", L"/C1", L"KAVETA 1.90【前回表使用-面積測定モード】", L"並替", true, true,
     kDragHint, true, true, false, kBlank16, L"", L"", false, true, id::mnuMright},
    {"colour_change", L"M3", L"KAVETA 1.90【色変更モード】", L"並替", true, false,
     L"　　　↑右側をクリック", true, false, false, L"→→→→→→→→→→→→→→→→", L"", L"", false, false,
     id::mnuMleft},
    {"layer_sort", L"M4", L"KAVETA 1.90【レイヤ振分けモード】", L"並替", true, false, kDragHint,
     true, false, false, kHex16, L"", L"", false, false, id::mnuMleft},
    {"overlap_order", L"M5", L"KAVETA 1.90【重なり変更モード-逆順描画】", L"並替", true, false,
     kDragHint, true, false, false, L"↑              ↓", L"上", L"下", false, false, id::mnuMleft},
    {"layer_naming", L"", L"【レイヤ名設定モード】", L"追加", false, true, kClickHint, false, true,
     true, kHex16, L"", L"", false, false, 0},
    {"layer_naming_ext", L"M7", L"【レイヤ名設定モード】外変", L"追加", true, true, kClickHint,
     false, true, true, kHex16, L"", L"", false, false, id::mnuMcenter},
};

class StartupLookTest : public ::testing::TestWithParam<StartupLook> {};

TEST_P(StartupLookTest, ShowsTheModesCaptionsAndStates) {
  const StartupLook& look = GetParam();
  ProgramFolder folder;
  PrepareCase(folder, look.dataCase);
  Program kaveta(folder, look.mode);
  const HWND main = kaveta.MainWindow();
  auto at = [&](int controlId) { return Control(main, controlId); };

  EXPECT_EQ(Text(main), look.caption);
  EXPECT_EQ(Text(at(id::btnChenge)), look.rowModeButton);
  EXPECT_EQ(Visible(at(id::btnChenge)), look.rowModeShown);
  if (look.rowModeShown) {
    EXPECT_EQ(Enabled(at(id::btnChenge)), look.rowModeEnabled);
  }
  EXPECT_EQ(Text(at(id::Label7)), look.hint);
  EXPECT_EQ(Visible(at(id::Command3)), look.copyShown);
  if (look.copyShown) {
    EXPECT_EQ(Enabled(at(id::Command3)), look.copyEnabled);
  }
  EXPECT_TRUE(Visible(at(id::Command2)));
  EXPECT_EQ(Text(at(id::Command2)), L"OK");

  EXPECT_EQ(Visible(at(id::chkC)), look.layerNaming);
  EXPECT_EQ(Visible(at(id::txttani)), !look.layerNaming);
  EXPECT_EQ(Text(at(id::Label3)), look.layerNaming ? L"レイヤ名" : L"項　目　名");
  EXPECT_EQ(Text(at(id::Label2)), look.layerNaming ? L"ﾍﾟｲﾝﾄ色" : L"Solid");
  EXPECT_EQ(Text(at(id::Label4)), look.layerNaming ? L"グループ:" : L"タイトル：");

  for (int i = 1; i <= 16; ++i) {
    const std::wstring want = look.leftCaptions[i - 1] == L' '
                                  ? std::wstring()
                                  : std::wstring(1, look.leftCaptions[i - 1]);
    EXPECT_EQ(Text(at(id::Lblpic(i))), want) << "Lblpic(" << i << ")";
  }
  EXPECT_EQ(Text(at(id::Lblpic(17))), look.topRight);
  EXPECT_EQ(Text(at(id::Lblpic(32))), look.bottomRight);

  EXPECT_EQ(MenuItem(main, id::mnuOpenhyou).enabled, look.openTable);
  EXPECT_EQ(MenuItem(main, id::mnuSaveHyou).enabled, look.saveTable);
  EXPECT_TRUE(MenuItem(main, id::kavetaend).enabled);
  for (int item : {id::mnuMleft, id::mnuMcenter, id::mnuMright})
    EXPECT_EQ(MenuItem(main, item).checked, item == look.checkedAlignment) << "menu item " << item;
  // The external layer naming keeps 設定 for the preview of the table it draws.
  const bool external = std::wstring(look.mode) == L"M7";
  for (int position = 0; position < 3; ++position)
    EXPECT_EQ(MenuBarItem(main, position).enabled, !look.layerNaming || (external && position == 2))
        << "menu " << position;
  EXPECT_EQ(MenuItem(main, id::optSakuhyou).enabled, !look.layerNaming);
  EXPECT_EQ(MenuItem(main, id::mnuPreview).enabled, look.saveTable || external);

  // Hidden in every mode at start: the settings panel, the two floating
  // editors and the controls that are never shown.
  for (int hidden : {int{id::Frame1}, int{id::Combo2}, int{id::cbTani0}, id::chkUTIWAKE(0),
                     id::chkUTIWAKE(1), int{id::chkM}, id::Label6(1)})
    EXPECT_FALSE(Visible(at(hidden))) << "control " << hidden;
  // The window comes up in front, as the host started it.
  EXPECT_EQ(GetForegroundWindow(), main);
}

INSTANTIATE_TEST_SUITE_P(Modes, StartupLookTest, ::testing::ValuesIn(kLooks),
                         [](const ::testing::TestParamInfo<StartupLook>& info) {
                           return std::string(info.param.dataCase);
                         });

int WindowWidth(const char* dataCase, const wchar_t* mode) {
  ProgramFolder folder;
  PrepareCase(folder, dataCase);
  Program kaveta(folder, mode);
  const RECT r = ScreenRect(kaveta.MainWindow());
  return r.right - r.left;
}

// The layer-naming window is 3300 twips wide against 5900 in the other modes;
// the frame adds a little to both.
TEST(StartupLook, LayerNamingWindowIsAboutThreeFifthsAsWide) {
  const int table = WindowWidth("area_new", L"C2");
  for (const wchar_t* mode : {L"", L"M7"}) {
    const int naming = WindowWidth(mode[0] ? "layer_naming_ext" : "layer_naming", mode);
    const double ratio = static_cast<double>(naming) / table;
    EXPECT_GT(ratio, 0.52) << Utf8(mode) << ": " << naming << " against " << table;
    EXPECT_LT(ratio, 0.62) << Utf8(mode) << ": " << naming << " against " << table;
  }
}

// The settings panel and the tips are made just after the window shows;
// once the program waits for input, all of them are there.
TEST(StartupLook, PanelControlsAndTipsAreThereOnceTheWindowTakesInput) {
  ProgramFolder folder;
  PrepareCase(folder, "area_new");
  Program kaveta(folder, L"C2");
  const HWND main = kaveta.MainWindow();
  EXPECT_NE(Control(main, id::cmdOptionOK), nullptr);
  EXPECT_EQ(ComboItems(Control(main, id::Combo1(9))).empty(), false);
  HWND tips = nullptr;  // hidden until a tip shows: looked for among all windows
  while ((tips = FindWindowExW(nullptr, tips, L"tooltips_class32", nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(tips, &owner);
    if (owner == kaveta.Id()) break;
  }
  ASSERT_NE(tips, nullptr);
  DWORD_PTR count = 0;
  SendMessageTimeoutW(tips, TTM_GETTOOLCOUNT, 0, 0, SMTO_NORMAL, kUiWaitMs, &count);
  EXPECT_EQ(count, 48u);  // 32 swatches, 16 unit cells
}

int ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// The whole window lies on the screen (1366 x 768 here, run at 96 and at 144
// DPI by the script) and keeps its size in inches: 5900 twips are 4.1 inches,
// of which the frame may take a little.
TEST(StartupLook, WindowIsSizedForTheDpiAndFitsOnTheScreen) {
  ProgramFolder folder;
  PrepareCase(folder, "area_new");
  Program kaveta(folder, L"C2");
  const RECT r = ScreenRect(kaveta.MainWindow());
  EXPECT_GE(r.left, 0);
  EXPECT_GE(r.top, 0);
  EXPECT_LE(r.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_LE(r.bottom, GetSystemMetrics(SM_CYSCREEN));
  const double inches = static_cast<double>(r.right - r.left) / ScreenDpi();
  EXPECT_GT(inches, 3.4) << (r.right - r.left) << " px at " << ScreenDpi() << " DPI";
  EXPECT_LT(inches, 4.3) << (r.right - r.left) << " px at " << ScreenDpi() << " DPI";
}

}  // namespace
}  // namespace kaveta::gui
