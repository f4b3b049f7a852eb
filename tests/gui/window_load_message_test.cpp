// Messages of the load: they come in front of the window, already shown,
// belong to it, and leave it open for the user once answered.
#include <gtest/gtest.h>

#include <fstream>

#include "driver.h"

namespace kaveta::gui {
namespace {

struct LoadMessage {
  const char* name;
  const char* dataCase;   // e2e data copied first
  const char* selection;  // TEMP.TXT written over it, or null
  bool exampleSelection;  // examples/TEMP.TXT instead
  const wchar_t* text;
  const wchar_t* firstQuantity;  // Text_sum(1) after the load
};

void PrintTo(const LoadMessage& c, std::ostream* os) { *os << c.name; }

const LoadMessage kMessages[] = {
    {"missing_input", "regroup_no_input", nullptr, false,
     L"TEMP.TXTが無がありません、jwwの外変から起動してください", L""},
    {"no_solid", "area_new", "hq\r\nlg0\r\n", false, L"ソリッド図形がありません。", L""},
    // The bundled example holds a circle solid besides its measured ones.
    {"circle_solid", "area_new", nullptr, true,
     L"円形関係のソリッド図形が存在します。\r\nこれらの面積は集計できません。\r\n注意してください｡"
     L" ",
     L"33.12"},
};

class LoadMessageTest : public ::testing::TestWithParam<LoadMessage> {};

TEST_P(LoadMessageTest, ComesInFrontOfItsWindowWhichStaysOpen) {
  const LoadMessage& c = GetParam();
  ProgramFolder folder;
  PrepareCase(folder, c.dataCase);
  if (c.selection != nullptr) {
    std::ofstream(folder.Path() / "TEMP.TXT", std::ios::binary) << c.selection;
  }
  if (c.exampleSelection) folder.CopyFile(SourceDir() / "examples" / "TEMP.TXT", "TEMP.TXT");
  Program kaveta(folder, L"C2");

  const HWND box = WaitForMessageBox(kaveta.Id(), 15000);
  EXPECT_EQ(MessageBoxText(box), c.text);
  WaitUntil([&] { return GetForegroundWindow() == box; }, kUiWaitMs, "the message in front");
  const HWND owner = GetAncestor(box, GA_ROOTOWNER);
  EXPECT_EQ(ClassName(owner), L"KavetaMainWindow");
  // The box stands over the window, which is already on screen.
  EXPECT_TRUE(IsWindowVisible(owner));
  Answer(box, IDOK);

  const HWND main = kaveta.MainWindow();
  EXPECT_EQ(Text(Control(main, id::Text_sum(1))), c.firstQuantity);
  WaitUntil([&] { return GetForegroundWindow() == main; }, kUiWaitMs, "the window in front");
  EXPECT_FALSE(HasMessageBox(kaveta.Id()));
  EXPECT_TRUE(kaveta.Running());
}

INSTANTIATE_TEST_SUITE_P(Load, LoadMessageTest, ::testing::ValuesIn(kMessages),
                         [](const ::testing::TestParamInfo<LoadMessage>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace kaveta::gui
