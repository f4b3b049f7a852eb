#include "output/ok_command.h"

#include <gtest/gtest.h>

#include "output/output_fixture.h"
#include "platform/encoding.h"

namespace kaveta {
namespace {

using testing::Harness;
using testing::kBlue;
using testing::kGreen;
using testing::kJwcTemp;
using testing::kRed;
using testing::kZTemp;
using testing::LinesOf;
using testing::PointZFileAt;
using testing::SetPanel;
using testing::SetRow;

struct Ok {
  Harness h;
  Kaveta k;
  explicit Ok(RunMode mode) : k(h.Make(mode)) {
    PointZFileAt(h);
    SetPanel(k);
    k.state.exchangeRead = true;
  }
  std::vector<std::string> Written(const std::string& path = kZTemp) {
    return LinesOf(h.GetText(path));
  }
  bool Saved() const {
    return h.files.files.count("/app/Kaveta.INI") && h.files.files.count("/app/koumoku.INI");
  }
};

void TwoRows(Kaveta& k) {
  testing::WorkedExampleRows(k);
  k.state.groups[1].colour = kRed;
  k.state.groups[2].colour = kBlue;
  k.state.nextGroup = 3;
  k.state.solids = {{1, 0, 0}, {2, 0, 0}, {3, 0, 0}};
  k.state.nextSolid = 4;
}

TEST(TableSnapshot, NameOrColourMakesARowUsed) {
  Harness h;
  Kaveta k = h.Make(RunMode::AreaNewTable);
  SetPanel(k);
  EXPECT_EQ(TakeTableSnapshot(k).RowsInUse(), 0);
  k.ui.txtname[2].text = "名前";  // background swatch, but named
  EXPECT_EQ(TakeTableSnapshot(k).RowsInUse(), 1);
  k.ui.Lblpic[9].backColour = kRed;  // unnamed, coloured
  EXPECT_EQ(TakeTableSnapshot(k).RowsInUse(), 2);
  k.ui.Lblpic[25].backColour = kRed;  // a right swatch does not count
  k.ui.txtname[0].text = "x";         // nor does element 0
  EXPECT_EQ(TakeTableSnapshot(k).RowsInUse(), 2);
  k.state.backgroundColour = kRed;  // now row 9 looks empty, all others used
  EXPECT_EQ(TakeTableSnapshot(k).RowsInUse(), 15);
}

TEST(OkCommand, TableModeWritesTheWholeFileThenSavesAndHandsOff) {
  Ok t(RunMode::AreaNewTable);
  TwoRows(t.k);
  t.k.ui.ckKeisen[0].value = 0;
  t.k.ui.ckKeisen[1].value = 0;
  EXPECT_EQ(RunOkCommand(t.k), OkOutcome::Written);
  std::vector<std::string> expected = {
      "#", "bz", "lc7", "ly8", "lt5", "0 -8 77 -8",
  };
  const std::vector<std::string> rows = testing::WorkedExampleRowLines();
  expected.insert(expected.end(), rows.begin(), rows.end());
  expected.push_back("h# 2色 3個のソリッド図形の面積を測定・作表しました。 ");
  std::string crlf;
  for (const auto& l : expected) crlf += l + "\r\n";
  // On disk: Shift_JIS with CR LF.
  EXPECT_EQ(t.h.files.files.at(kZTemp), Utf8ToCp932(crlf));
  EXPECT_TRUE(t.Saved());
  EXPECT_EQ(t.h.host.calls, 1);
  EXPECT_TRUE(t.k.closed);
  EXPECT_TRUE(t.h.dialogs.messages.empty());
}

TEST(OkCommand, EveryModeWritesItsFileSavesAndHandsOffAsDue) {
  struct Case {
    RunMode mode;
    const char* path;
    bool saves;
    bool handsOff;
  };
  const Case cases[] = {
      {RunMode::TableDesign, kZTemp, true, true},
      {RunMode::AreaNewTable, kZTemp, true, true},
      {RunMode::AreaPreviousTable, kZTemp, true, true},
      {RunMode::ColourChange, kJwcTemp, false, false},
      {RunMode::LayerSort, kJwcTemp, false, false},
      {RunMode::OverlapOrder, kJwcTemp, false, false},
      {RunMode::LayerNaming, kZTemp, false, true},
      {RunMode::LayerNamingExternal, kZTemp, true, true},
  };
  for (const Case& c : cases) {
    Ok t(c.mode);
    TwoRows(t.k);
    EXPECT_EQ(RunOkCommand(t.k), OkOutcome::Written) << static_cast<int>(c.mode);
    EXPECT_EQ(t.h.files.files.count(c.path), 1u) << static_cast<int>(c.mode);
    const char* other = std::string(c.path) == kZTemp ? kJwcTemp : kZTemp;
    EXPECT_EQ(t.h.files.files.count(other), 0u) << static_cast<int>(c.mode);
    EXPECT_EQ(t.Saved(), c.saves) << static_cast<int>(c.mode);
    EXPECT_EQ(t.h.host.calls, c.handsOff ? 1 : 0) << static_cast<int>(c.mode);
    EXPECT_TRUE(t.k.closed);
  }
}

TEST(OkCommand, HostFolderIsUsedAsRead) {
  struct Case {
    const char* folder;  // nullptr: no registry value
    const char* path;
  };
  const Case cases[] = {{nullptr, "c:\\jww/ZTEMP.TXT"},
                        {"/data/jw/", "/data/jw//ZTEMP.TXT"},
                        {"/data/jw", "/data/jw/ZTEMP.TXT"}};
  for (const Case& c : cases) {
    Ok t(RunMode::TableDesign);
    t.h.registry.texts.clear();
    if (c.folder) PointZFileAt(t.h, c.folder);
    RunOkCommand(t.k);
    EXPECT_EQ(t.h.files.files.count(c.path), 1u) << c.path;
  }
}

TEST(OkCommand, EmptyTableClosesWithRowCountZero) {
  Ok t(RunMode::TableDesign);
  EXPECT_EQ(RunOkCommand(t.k), OkOutcome::Written);
  const auto lines = t.Written();
  EXPECT_EQ(lines.back(), "h# 0色 0個のソリッド図形の面積を測定・作表しました。 ");
  EXPECT_EQ(lines[lines.size() - 2], "ch 1 1 2 0\"");
}

TEST(OkCommand, TextKindOfTheComboReplacesTheInputKind) {
  Ok t(RunMode::AreaNewTable);
  t.k.state.currentTextKind = "7";
  RunOkCommand(t.k);
  EXPECT_EQ(t.k.state.currentTextKind, "3");
}

TEST(OkCommand, RefusedWriteChangesNothingAndOkCanBePressedAgain) {
  for (RunMode mode : {RunMode::AreaNewTable, RunMode::LayerNamingExternal, RunMode::LayerNaming,
                       RunMode::ColourChange}) {
    Ok once(mode);
    TwoRows(once.k);
    ASSERT_EQ(RunOkCommand(once.k), OkOutcome::Written);
    const std::string path = mode == RunMode::ColourChange ? kJwcTemp : kZTemp;

    Ok t(mode);
    TwoRows(t.k);
    t.h.files.refuseWrites = {path};
    EXPECT_EQ(RunOkCommand(t.k), OkOutcome::NotWritten);
    ASSERT_EQ(t.h.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.h.dialogs.messages[0].icon, MsgIcon::Critical);
    EXPECT_NE(t.h.dialogs.messages[0].text.find(path), std::string::npos);
    EXPECT_NE(t.h.dialogs.messages[0].text.find("作成できませんでした"), std::string::npos);
    EXPECT_TRUE(t.h.files.files.empty());
    EXPECT_EQ(t.h.host.calls, 0);
    EXPECT_FALSE(t.k.closed);
    EXPECT_EQ(t.k.state.nextSolid, 4);
    EXPECT_EQ(t.k.ui.txtname[1].text, "ABCDEFGH");

    t.h.files.refuseWrites.clear();
    EXPECT_EQ(RunOkCommand(t.k), OkOutcome::Written);
    EXPECT_EQ(t.h.files.files, once.h.files.files) << static_cast<int>(mode);
    EXPECT_EQ(t.k.ui.txtname[1].text, once.k.ui.txtname[1].text);
    EXPECT_EQ(t.k.ui.txtHyoumei.text, once.k.ui.txtHyoumei.text);
    EXPECT_EQ(t.h.host.calls, once.h.host.calls);
    EXPECT_TRUE(t.k.closed);
  }
}

TEST(OkCommand, RegroupingWithoutTheInputWritesNothing) {
  for (RunMode mode : {RunMode::ColourChange, RunMode::LayerSort, RunMode::OverlapOrder}) {
    Ok t(mode);
    TwoRows(t.k);
    t.k.state.exchangeRead = false;
    // An earlier run's output would make the host replace the selection
    // with old figures: it must not survive.
    t.h.files.files[kJwcTemp] = "hd\r\nstale\r\n";
    EXPECT_EQ(RunOkCommand(t.k), OkOutcome::NotWritten);
    EXPECT_EQ(t.h.files.writeCount, 0);
    EXPECT_EQ(t.h.files.files.count(kJwcTemp), 0u);
    ASSERT_EQ(t.h.dialogs.messages.size(), 1u);
    EXPECT_NE(t.h.dialogs.messages[0].text.find("TEMP.TXTを読み込んでいない"), std::string::npos);
    EXPECT_FALSE(t.k.closed);
  }
}

TEST(OkCommand, UnusableTableSettingsWriteAndSaveNothing) {
  struct Case {
    RunMode mode;
    const char* kind;
    const char* text2;
    const char* named;
  };
  const Case cases[] = {
      {RunMode::AreaNewTable, "cn3", "20,2", "「ソリッドの幅 , 文字と枠の隙間高 ,〃幅,レイヤ」"},
      {RunMode::TableDesign, "cn0", "20,2,2,lya", "「文字種」"},
      {RunMode::LayerNamingExternal, "cn99", "20,2,2,lya", "「文字種」"},
      {RunMode::AreaPreviousTable, "", "20,2,2,lya", "「文字種」"},
  };
  for (const Case& c : cases) {
    Ok t(c.mode);
    TwoRows(t.k);
    t.k.ui.Combo1[3].text = c.kind;
    t.k.ui.Text2.text = c.text2;
    EXPECT_EQ(RunOkCommand(t.k), OkOutcome::NotWritten);
    EXPECT_EQ(t.h.files.writeCount, 0);
    EXPECT_EQ(t.h.host.calls, 0);
    EXPECT_FALSE(t.k.closed);
    EXPECT_EQ(t.k.ui.txtname[1].text, "ABCDEFGH");
    ASSERT_EQ(t.h.dialogs.messages.size(), 1u);
    EXPECT_NE(t.h.dialogs.messages[0].text.find(c.named), std::string::npos)
        << t.h.dialogs.messages[0].text;
  }
}

TEST(OkCommand, LayerNamingRenamesTheRowsOnceWritten) {
  Ok t(RunMode::LayerNaming);
  for (int i = 1; i <= 16; ++i)
    t.k.ui.Lblpic[static_cast<std::size_t>(i)].text = std::string(1, "0123456789ABCDEF"[i - 1]);
  t.k.ui.txtHyoumei.text = "2";
  t.k.ui.txtname[4].text = "壁";
  EXPECT_EQ(RunOkCommand(t.k), OkOutcome::Written);
  EXPECT_EQ(t.Written(),
            (std::vector<std::string>{"lg2", "ly3", "lyn壁", "h#レイヤ名を設定しました"}));
  EXPECT_EQ(t.k.ui.txtname[4].text, "レイヤ3:壁");
  EXPECT_EQ(t.k.ui.txtname[5].text, "");
}

TEST(OkCommand, LayerNamingExternalWritesLayersThenTheTableOfSixteenRows) {
  Ok t(RunMode::LayerNamingExternal);
  for (int i = 1; i <= 16; ++i)
    t.k.ui.Lblpic[static_cast<std::size_t>(i)].text = std::string(1, "0123456789ABCDEF"[i - 1]);
  for (auto& box : t.k.ui.ckKeisen) box.value = 0;
  t.k.ui.txtHyoumei.text = "1";
  t.k.ui.txtname[1].text = "壁";
  SetRow(t.k, 2, kRed, kRed, "", "", "");
  t.k.ui.txtname[2].text = "#cFF0000";
  ASSERT_EQ(RunOkCommand(t.k), OkOutcome::Written);
  const auto written = t.Written();
  ASSERT_EQ(written.size(), 34u + 4 + 16 * 4 + 5 + 1);
  EXPECT_EQ(written[0], "lg1");
  EXPECT_EQ(written[2], "lyn壁");
  EXPECT_EQ(written[6], "lyn");
  EXPECT_EQ(written[33], "h#レイヤ名を設定しました");
  EXPECT_EQ(written[34], "#");
  EXPECT_EQ(written[35], "bz");
  EXPECT_EQ(written[36], "cn3");
  EXPECT_EQ(written[37], "ch 1 1 2 0\"レイヤグループ:1");
  // The longest name, "レイヤ1:#cFF0000", is 16 bytes.
  EXPECT_EQ(written[38], "ly4");
  EXPECT_EQ(written[39], "ch 26 -6 1 0 \"レイヤ0:壁      ");
  EXPECT_EQ(written[42], "ly4");
  EXPECT_EQ(written[43], "ch 26 -14 1 0 \"レイヤ1:#cFF0000");
  EXPECT_EQ(written[46], "lya");
  EXPECT_EQ(written[47], "lc10 255");
  EXPECT_EQ(written.back(), "h# 16色 0個のソリッド図形の面積を測定・作表しました。 ");
  EXPECT_EQ(t.k.ui.txtname[2].text, "レイヤ1:#cFF0000");
  EXPECT_EQ(t.k.ui.txtname[3].text, "レイヤ2:");
  EXPECT_EQ(t.k.ui.txtHyoumei.text, "レイヤグループ:1");
}

}  // namespace
}  // namespace kaveta
