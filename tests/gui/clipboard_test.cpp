// The real clipboard under Wine: what a spreadsheet reads back in either
// format, and what happens while another program holds the clipboard.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "driver.h"
#include "host_driver.h"
#include "platform/encoding.h"
#include "platform/win32/clipboard_win32.h"

namespace kaveta::gui {
namespace {

const wchar_t kNotCopied[] =
    L"クリップボードを使えないため、表をコピーできませんでした。\n"
    L"他のプログラムがクリップボードを使っていないか確かめてください。\n"
    L"図面への書き込みはこのまま続けます。";

bool OpenSoon(HWND as = nullptr) {
  for (int i = 0; i < 50; ++i) {
    if (OpenClipboard(as)) return true;
    Sleep(20);
  }
  return false;
}

struct Contents {
  std::wstring unicode;
  std::string narrow;
  bool hasLocale = false;
  LCID locale = 0;
  int formats = 0;
};

Contents ReadBack() {
  Contents c;
  if (!OpenSoon()) throw DriverError("cannot open the clipboard to read it back");
  if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
    c.unicode = static_cast<const wchar_t*>(GlobalLock(h));
    GlobalUnlock(h);
  }
  if (HANDLE h = GetClipboardData(CF_TEXT)) {
    c.narrow = static_cast<const char*>(GlobalLock(h));
    GlobalUnlock(h);
  }
  if (HANDLE h = GetClipboardData(CF_LOCALE)) {
    c.locale = *static_cast<const LCID*>(GlobalLock(h));
    c.hasLocale = true;
    GlobalUnlock(h);
  }
  for (UINT f = EnumClipboardFormats(0); f; f = EnumClipboardFormats(f)) ++c.formats;
  CloseClipboard();
  return c;
}

void PutOther(const wchar_t* text, UINT extraFormat) {
  if (!OpenSoon()) throw DriverError("cannot open the clipboard");
  EmptyClipboard();
  const std::size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(h), text, bytes);
  GlobalUnlock(h);
  SetClipboardData(CF_UNICODETEXT, h);
  HGLOBAL x = GlobalAlloc(GMEM_MOVEABLE, 4);
  SetClipboardData(extraFormat, x);
  CloseClipboard();
}

TEST(Clipboard, TableTextReadsBackAsUnicodeAndAsShiftJis) {
  const std::string cases[] = {
      "面積表\r\n居間\t12.50\tm2\r\n寝室\t1,234.0\t坪\r\n",
      "項目名\t居間\t\r\n単　位\tm^2\t\r\n面積表\t12.50\t3\r\n",
      "",
      "ＡＢＣ\t①\t㎡\r\n",
  };
  const UINT other = RegisterClipboardFormatW(L"KavetaTestOther");
  Win32Clipboard clipboard;
  for (const std::string& text : cases) {
    SCOPED_TRACE(text);
    PutOther(L"earlier", other);
    clipboard.SetText(text);
    const Contents c = ReadBack();
    EXPECT_EQ(Utf8(c.unicode), text);
    EXPECT_TRUE(c.narrow == Utf8ToCp932(text)) << Cp932ToUtf8(c.narrow);
    EXPECT_TRUE(c.hasLocale);
    EXPECT_EQ(c.locale, 0x0411u);
    EXPECT_FALSE(IsClipboardFormatAvailable(other)) << "the earlier contents were not cleared";
  }
}

TEST(Clipboard, CharactersShiftJisLacksBecomeQuestionMarksInTheNarrowText) {
  Win32Clipboard clipboard;
  clipboard.SetText("a€b\r\n");
  const Contents c = ReadBack();
  EXPECT_EQ(c.unicode, L"a€b\r\n");
  EXPECT_EQ(c.narrow, "a?b\r\n");
}

TEST(Clipboard, AnotherHolderIsWaitedForBrieflyThenTheCopyIsGivenUp) {
  struct Case {
    DWORD holdMs;
    bool copied;
  };
  for (const Case c : {Case{100, true}, Case{4000, false}}) {
    SCOPED_TRACE(c.holdMs);
    PutOther(L"held", RegisterClipboardFormatW(L"KavetaTestOther"));
    std::atomic<bool> holding{false};
    // The clipboard is held per window: the holder and the copy each have one.
    std::thread holder([&] {
      const HWND window = CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 1, 1, HWND_MESSAGE,
                                          nullptr, nullptr, nullptr);
      if (!OpenSoon(window)) return;
      holding = true;
      Sleep(c.holdMs);
      CloseClipboard();
      DestroyWindow(window);
    });
    WaitUntil([&] { return holding.load(); }, 5000, "the other thread to hold the clipboard");
    BoxAnswerer answerer({IDOK});
    const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr,
                                       nullptr, nullptr);
    Win32Clipboard clipboard;
    clipboard.SetOwner(owner);
    const DWORD start = GetTickCount();
    clipboard.SetText("表\r\n");
    const DWORD spent = GetTickCount() - start;
    const auto boxes = answerer.Finish();
    holder.join();
    DestroyWindow(owner);
    const Contents after = ReadBack();
    if (c.copied) {
      EXPECT_TRUE(boxes.empty());
      EXPECT_EQ(after.unicode, L"表\r\n");
    } else {
      ASSERT_EQ(boxes.size(), 1u);
      std::wstring text = boxes[0].text;
      std::erase(text, L'\r');
      EXPECT_EQ(text, kNotCopied);
      // A few short tries, then the message: the caller is not kept long.
      EXPECT_LT(boxes[0].shownAt - start, 1000u);
      EXPECT_LT(spent, 4000u);
      EXPECT_EQ(after.unicode, L"held");
    }
  }
}

// コピー && OK in the window, with no host running: the table is on the
// clipboard and the output written by the time the hand-off says the host
// is missing. The texts are those of the area_new case (two colours, no
// names yet, title from the selection), checked by hand.
TEST(CopyAndOkWindow, CardAndListLayoutsAreOnTheClipboardBeforeTheHandOff) {
  struct Case {
    int option;  // Option1(0) card, Option1(1) list
    const wchar_t* text;
  };
  const Case cases[] = {
      {0, L"1階床面積\r\n\t26.50\tm^2\r\n\t44.81\tm^2\r\n"},
      {1, L"項目名\t\t\r\n単　位\tm^2\tm^2\r\n1階床面積\t26.50\t44.81\r\n"},
  };
  const std::string expected = ReadBytes(SourceDir() / "tests/e2e/expected/area_new/ZTEMP.TXT");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.option);
    ProgramFolder folder;
    PrepareCase(folder, "area_new");
    PutOther(L"earlier", RegisterClipboardFormatW(L"KavetaTestOther"));
    Program kaveta(folder, L"C2");
    const HWND main = kaveta.MainWindow();
    auto at = [&](int controlId) { return Control(main, controlId); };
    Command(main, id::optSakuhyou);
    WaitUntil([&] { return Visible(at(id::Frame1)); }, 5000, "the settings panel");
    Click(at(id::Option1(c.option)));
    WaitUntil([&] { return Checked(at(id::Option1(c.option))); }, 5000, "the table style");
    Click(at(id::cmdOptionOK));
    WaitUntil([&] { return !Visible(at(id::Frame1)); }, 5000, "the settings panel to close");

    Click(at(id::Command3));
    const HWND box = WaitForMessageBox(kaveta.Id(), 10000);
    EXPECT_EQ(MessageBoxText(box), L"jwwを起動してください");
    const Contents copied = ReadBack();
    EXPECT_EQ(copied.unicode, c.text);
    EXPECT_TRUE(copied.narrow == Utf8ToCp932(Utf8(c.text))) << Cp932ToUtf8(copied.narrow);
    const std::string written = ReadBytes(folder.HostFolder() / "ZTEMP.TXT");
    EXPECT_TRUE(written == expected) << FirstDifference(expected, written);
    Answer(box, IDOK);
    EXPECT_EQ(kaveta.WaitForExit(10000), 0u);
  }
}

}  // namespace
}  // namespace kaveta::gui
