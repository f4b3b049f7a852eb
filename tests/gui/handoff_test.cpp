// The hand-off against the stand-in host, called directly from this process
// with a hidden owner window: what the host receives, in which order, what
// it reads, and how long each path may run without a message on screen.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <thread>

#include "driver.h"
#include "host_driver.h"
#include "platform/win32/handoff_win32.h"

namespace kaveta::gui {
namespace {

const wchar_t kNoHost[] = L"jwwを起動してください";
const wchar_t kFailure[] =
    L"座標ファイル読み込みに失敗しました。\n条件設定ツールバーを一度フローティ\n"
    L"ング表示させ、再度ドッキングさせて、\n再試行してみてください。";
const std::vector<std::string> kSent = {"command ", "press ", "read ", "dialog gone"};
// The longest stretch the user may wait with neither a message nor the end.
constexpr DWORD kSilentLimit = 5000;
// From a box's appearance to the end once it is answered. Wine on a display
// without a window manager takes up to 2 s to put a closed box away.
constexpr DWORD kAfterAnswer = 3000;

std::wstring WithoutCr(std::wstring s) {
  std::erase(s, L'\r');
  return s;
}

// The events of one complete hand-off: the metre press before the read
// press, the posted command naming the read button.
void ExpectOneCompleteHandOff(const std::vector<std::string>& tail) {
  ASSERT_EQ(tail.size(), 5u);
  EXPECT_EQ(tail[0], "command 32895");
  EXPECT_EQ(tail[1], "press ｍ 単位読書");
  EXPECT_EQ(tail[2].rfind("command 1108 lparam=0x", 0), 0u) << tail[2];
  EXPECT_TRUE(tail[2].ends_with(" ファイル読込")) << tail[2];
  EXPECT_EQ(tail[3], "press ファイル読込");
  EXPECT_EQ(tail[4].rfind("read 1 ZTEMP.TXT ", 0), 0u) << tail[4];
}

LRESULT CALLBACK OwnerProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return DefWindowProcW(w, m, wp, lp);
}

class HandOff : public ::testing::Test {
 protected:
  struct Outcome {
    std::vector<BoxAnswerer::Box> boxes;
    DWORD start = 0, end = 0;
  };

  void SetUp() override {
    WNDCLASSW c{};
    c.lpfnWndProc = OwnerProc;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = L"HandOffTestOwner";
    RegisterClassW(&c);  // a second test finds it registered already
    owner_ = CreateWindowExW(0, c.lpszClassName, L"KAVETA test owner", WS_OVERLAPPEDWINDOW, 0, 0,
                             200, 100, nullptr, nullptr, c.hInstance, nullptr);
    ASSERT_NE(owner_, nullptr);
    handOff_.SetOwner(owner_);
    written_ = ReadBytes(SourceDir() / "tests/e2e/expected/area_new/ZTEMP.TXT");
    std::ofstream(folder_.Path() / "ZTEMP.TXT", std::ios::binary) << written_;
  }
  void TearDown() override { DestroyWindow(owner_); }

  // Runs the hand-off, answering its boxes in order; checks that no stretch
  // of it runs without a message on screen for long, and that the owner is
  // usable again afterwards.
  Outcome Run(std::vector<int> answers) {
    Outcome o;
    BoxAnswerer answerer(std::move(answers), owner_);
    o.start = GetTickCount();
    handOff_.Zkakikomi();
    o.end = GetTickCount();
    o.boxes = answerer.Finish();
    DWORD from = o.start;
    for (const auto& box : o.boxes) {
      EXPECT_LE(box.shownAt - from, kSilentLimit) << "before the box " << Utf8(box.text);
      from = box.shownAt;
    }
    EXPECT_LE(o.end - from, kSilentLimit) << "before the hand-off ended";
    EXPECT_TRUE(IsWindowEnabled(owner_));
    return o;
  }

  TempFolder folder_;  // the host's coordinate-file folder
  HWND owner_ = nullptr;
  Win32HostHandOff handOff_;
  std::string written_;
};

TEST_F(HandOff, FindsTheHostByTitleInAnyCaseAndPressesMetreThenRead) {
  struct Case {
    const wchar_t* title;
    bool isHost;
  };
  for (const Case c :
       {Case{L"test.jww - jw_win", true}, Case{L"無題 - JW_WIN", true}, Case{L"Jw_Win", true},
        Case{L"test.jww - jw-win", false}, Case{L"jww", false}}) {
    SCOPED_TRACE(Utf8(c.title));
    HostFlags flags;
    flags.title = c.title;
    StandinHost host(folder_.Path(), flags);
    // The toolbar sits in a later control bar: the sibling walk is needed.
    ASSERT_EQ(host.EventsStarting({"bars"}).at(0), "bars [作図] [-] [条件設定]");
    const Outcome o = Run({IDOK});
    if (c.isHost) {
      EXPECT_TRUE(o.boxes.empty());
      ExpectOneCompleteHandOff(host.EventsStarting(kSent));
      EXPECT_TRUE(host.ReadCopy(1) == written_) << "the host read other bytes";
    } else {
      ASSERT_EQ(o.boxes.size(), 1u);
      EXPECT_EQ(o.boxes[0].text, kNoHost);
      EXPECT_TRUE(host.EventsStarting(kSent).empty());
    }
  }
}

TEST_F(HandOff, NoHostRunningSaysSoAtOnce) {
  const Outcome o = Run({IDOK});
  ASSERT_EQ(o.boxes.size(), 1u);
  EXPECT_EQ(o.boxes[0].text, kNoHost);
  EXPECT_LT(o.boxes[0].shownAt - o.start, 1500u);
  EXPECT_LT(o.end - o.boxes[0].shownAt, kAfterAnswer);
}

TEST_F(HandOff, NoToolbarShowsTheFailureAfterTwoSecondsAndCancelEndsIt) {
  HostFlags flags;
  flags.noToolbar = true;
  StandinHost host(folder_.Path(), flags);
  const Outcome o = Run({IDCANCEL});
  ASSERT_EQ(o.boxes.size(), 1u);
  EXPECT_EQ(WithoutCr(o.boxes[0].text), kFailure);
  EXPECT_GE(o.boxes[0].shownAt - o.start, 1800u);
  EXPECT_LE(o.boxes[0].shownAt - o.start, 3500u);
  EXPECT_FALSE(o.boxes[0].ownerEnabled) << "the window took input during the hand-off";
  EXPECT_LT(o.end - o.boxes[0].shownAt, kAfterAnswer);
  Sleep(500);
  EXPECT_EQ(host.EventsStarting(kSent), std::vector<std::string>{"command 32895"});
}

TEST_F(HandOff, ToolbarThatAppearsLateIsFoundOnceAndReadOnce) {
  struct Case {
    int toolbarAfterMs;
    std::size_t boxes;  // a Retry is needed when it comes after the timer
    std::size_t hostCommands;
  };
  for (const Case c : {Case{800, 0, 1}, Case{3000, 1, 2}}) {
    SCOPED_TRACE(c.toolbarAfterMs);
    HostFlags flags;
    flags.toolbarAfterMs = c.toolbarAfterMs;
    StandinHost host(folder_.Path(), flags);
    const Outcome o = Run({IDRETRY});
    ASSERT_EQ(o.boxes.size(), c.boxes);
    const std::vector<std::string> sent = host.EventsStarting(kSent);
    ASSERT_EQ(sent.size(), c.hostCommands + 4);
    for (std::size_t i = 0; i + 1 < c.hostCommands; ++i) EXPECT_EQ(sent[i], "command 32895");
    ExpectOneCompleteHandOff({sent.end() - 5, sent.end()});
    EXPECT_TRUE(host.ReadCopy(1) == written_);
  }
}

TEST_F(HandOff, DialogGoneBeforeThePostIsRetriedAfterTheMessage) {
  HostFlags flags;
  flags.replaceDialogMs = 300;
  StandinHost host(folder_.Path(), flags);
  const Outcome o = Run({IDRETRY});
  ASSERT_EQ(o.boxes.size(), 1u);
  EXPECT_EQ(WithoutCr(o.boxes[0].text), kFailure);
  const std::vector<std::string> sent = host.EventsStarting(kSent);
  ASSERT_EQ(sent.size(), 8u);
  EXPECT_EQ(sent[0], "command 32895");
  EXPECT_EQ(sent[1], "press ｍ 単位読書");
  EXPECT_EQ(sent[2], "dialog gone");
  ExpectOneCompleteHandOff({sent.begin() + 3, sent.end()});
}

TEST_F(HandOff, RetryAfterRetryStillEndsWithCancel) {
  HostFlags flags;
  flags.noToolbar = true;
  StandinHost host(folder_.Path(), flags);
  const Outcome o = Run({IDRETRY, IDRETRY, IDCANCEL});
  ASSERT_EQ(o.boxes.size(), 3u);
  for (const auto& box : o.boxes) EXPECT_EQ(WithoutCr(box.text), kFailure);
  EXPECT_EQ(host.EventsStarting(kSent).size(), 3u) << "one command 32895 per hand-off";
}

TEST_F(HandOff, HostThatDoesNotAnswerGetsTheFailureMessageInTime) {
  HostFlags flags;
  flags.busyMs = 6000;
  StandinHost host(folder_.Path(), flags);
  const Outcome o = Run({IDCANCEL});
  ASSERT_EQ(o.boxes.size(), 1u);
  EXPECT_EQ(WithoutCr(o.boxes[0].text), kFailure);
  EXPECT_LE(o.boxes[0].shownAt - o.start, 3500u);
  host.WaitForEvent("busy until now", 8000);
  Sleep(300);
  EXPECT_EQ(host.EventsStarting(kSent), std::vector<std::string>{"command 32895"})
      << "something was sent after Cancel";
}

TEST_F(HandOff, AnotherWindowInFrontSendsNothing) {
  HostFlags flags;
  flags.cover = true;
  StandinHost host(folder_.Path(), flags);
  const Outcome o = Run({});
  EXPECT_TRUE(o.boxes.empty());
  EXPECT_TRUE(host.EventsStarting(kSent).empty());
  EXPECT_FALSE(host.EventsStarting({"cover in front"}).empty());
}

TEST_F(HandOff, QuitDuringTheWaitEndsItAndIsLeftForTheMainLoop) {
  HostFlags flags;
  flags.noToolbar = true;
  StandinHost host(folder_.Path(), flags);
  const DWORD self = GetCurrentThreadId();
  std::thread quitter([self] {
    Sleep(600);
    PostThreadMessageW(self, WM_QUIT, 7, 0);
  });
  const Outcome o = Run({});
  quitter.join();
  EXPECT_TRUE(o.boxes.empty());
  EXPECT_LT(o.end - o.start, 1800u);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

struct OkCase {
  const char* name;
  bool hostRuns;
  HostFlags flags;
  std::vector<std::wstring> boxes;  // the texts, in order
  std::vector<int> answers;
  std::size_t reads;
};

// The window is gone from the screen once it closes; Wine on a display
// without a window manager then takes up to 2 s more to end the process,
// which no user would see.
bool Closing(Program& kaveta, HWND main) {
  return !kaveta.Running() || !IsWindow(main) || !IsWindowVisible(main);
}

void RunOkCase(const OkCase& c, const std::string& expected) {
  ProgramFolder folder;
  PrepareCase(folder, "area_new");
  std::unique_ptr<StandinHost> host;
  if (c.hostRuns) host = std::make_unique<StandinHost>(folder.HostFolder(), c.flags);
  Program kaveta(folder, L"C2");
  const HWND main = kaveta.MainWindow();
  Click(Control(main, id::Command2));

  std::vector<std::wstring> seen;
  for (;;) {
    WaitUntil([&] { return Closing(kaveta, main) || HasMessageBox(kaveta.Id()); }, kSilentLimit,
              "a message or the window to close");
    if (Closing(kaveta, main)) break;
    const HWND box = WaitForMessageBox(kaveta.Id(), 1000);
    seen.push_back(WithoutCr(MessageBoxText(box)));
    // The window takes no input while the hand-off waits.
    if (c.hostRuns) {
      EXPECT_FALSE(IsWindowEnabled(main));
    }
    Answer(box, seen.size() <= c.answers.size() ? c.answers[seen.size() - 1] : IDCANCEL);
  }
  EXPECT_EQ(kaveta.WaitForExit(5000), 0u);
  ASSERT_EQ(seen.size(), c.boxes.size());
  for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], c.boxes[i]);
  const std::string written = ReadBytes(folder.HostFolder() / "ZTEMP.TXT");
  EXPECT_TRUE(written == expected) << FirstDifference(expected, written);
  if (!host) return;
  EXPECT_EQ(host->EventsStarting({"read "}).size(), c.reads);
  if (c.reads == 1) {
    const std::vector<std::string> sent = host->EventsStarting(kSent);
    ExpectOneCompleteHandOff({sent.end() - 5, sent.end()});
    EXPECT_TRUE(host->ReadCopy(1) == expected) << "the host read other bytes";
  }
}

// kaveta.exe started as the host starts it, OK clicked: every way the host
// can behave, with the answers a user gives. The file is written in all of
// them, the program ends, and no stretch passes without a message on screen
// for longer than the limit (a WaitUntil that runs out fails the case).
TEST(HandOffWindow, OkReachesTheHostOrSaysWhyAndTheProgramEnds) {
  HostFlags noToolbar, late, gone;
  noToolbar.noToolbar = true;
  late.toolbarAfterMs = 3000;
  gone.replaceDialogMs = 300;
  const OkCase cases[] = {
      {"host ready", true, {}, {}, {}, 1},
      {"no host", false, {}, {kNoHost}, {IDOK}, 0},
      {"no toolbar, cancel", true, noToolbar, {kFailure}, {IDCANCEL}, 0},
      {"late toolbar, retry", true, late, {kFailure}, {IDRETRY}, 1},
      {"dialog replaced, retry", true, gone, {kFailure}, {IDRETRY}, 1},
  };
  const std::string expected = ReadBytes(SourceDir() / "tests/e2e/expected/area_new/ZTEMP.TXT");
  for (const OkCase& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      RunOkCase(c, expected);
    } catch (const DriverError& e) {
      ADD_FAILURE() << c.name << ": " << e.what();
    }
  }
}

}  // namespace
}  // namespace kaveta::gui
