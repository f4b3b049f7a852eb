#include "startup/load_sequence.h"

#include <gtest/gtest.h>

#include "exchange/host_settings.h"
#include "support/fakes.h"

namespace kaveta {
namespace {

using testing::Harness;

constexpr const char* kMissing = "TEMP.TXTが無がありません、jwwの外変から起動してください";

void WithInput(Harness& h) { h.PutText("/app/TEMP.TXT", "hq\nlc10 255\nsl 0 0 1000 0 0 1000\n"); }

std::string SwatchCaptions(const Kaveta& k, int from, int to) {
  std::string out;
  for (int i = from; i <= to; ++i) out += k.ui.Lblpic[i].text + "|";
  return out;
}

struct ModeExpectation {
  RunMode mode;
  const char* caption;
  const char* btnChenge;
  bool btnVisible, btnEnabled, command3Visible, command3Enabled;
  const char* label7;
  bool leftDrag;
  bool openEnabled, saveEnabled;
  const char* swatchCaptions1to16;
};

TEST(LoadSequence, PerModeSetUp) {
  const std::string digits = "0|1|2|3|4|5|6|7|8|9|A|B|C|D|E|F|";
  const std::string arrows = "→|→|→|→|→|→|→|→|→|→|→|→|→|→|→|→|";
  const std::string order = "↑|||||||||||||||↓|";
  const std::string none = "||||||||||||||||";
  const ModeExpectation cases[] = {
      {RunMode::TableDesign, "KAVETA 1.90【表作成モード】", "追加", true, true, true, true,
       "↑ここをクリックしてください", false, true, true, none.c_str()},
      {RunMode::AreaNewTable, "KAVETA 1.90【新規表-面積測定モード】", "並替", true, true, true,
       true, "↑ここをドラッグしてください", true, false, true, none.c_str()},
      {RunMode::AreaPreviousTable, "KAVETA 1.90【前回表使用-面積測定モード】", "並替", true, true,
       true, true, "↑ここをドラッグしてください", true, false, true, none.c_str()},
      {RunMode::ColourChange, "KAVETA 1.90【色変更モード】", "並替", true, false, true, false,
       "　　　↑右側をクリック", false, false, false, arrows.c_str()},
      {RunMode::LayerSort, "KAVETA 1.90【レイヤ振分けモード】", "並替", true, false, true, false,
       "↑ここをドラッグしてください", true, false, false, digits.c_str()},
      {RunMode::OverlapOrder, "KAVETA 1.90【重なり変更モード-正順描画】", "並替", true, false, true,
       false, "↑ここをドラッグしてください", true, false, false, order.c_str()},
      {RunMode::LayerNaming, "【レイヤ名設定モード】", "追加", false, true, false, true,
       "↑ここをクリックしてください", false, false, false, digits.c_str()},
      {RunMode::LayerNamingExternal, "【レイヤ名設定モード】外変", "追加", true, true, false, true,
       "↑ここをクリックしてください", false, false, false, digits.c_str()},
  };
  for (const auto& c : cases) {
    Harness h;
    WithInput(h);
    Kaveta k = h.Make(c.mode);
    ASSERT_EQ(RunLoadSequence(k), LoadOutcome::Ready);
    const WindowModel& w = k.ui;
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(w.caption, c.caption);
    EXPECT_EQ(w.btnChenge.text, c.btnChenge);
    EXPECT_EQ(w.btnChenge.visible, c.btnVisible);
    EXPECT_EQ(w.btnChenge.enabled, c.btnEnabled);
    EXPECT_EQ(w.Command3.visible, c.command3Visible);
    EXPECT_EQ(w.Command3.enabled, c.command3Enabled);
    EXPECT_EQ(w.Label7.text, c.label7);
    EXPECT_EQ(w.Lblpic[1].dragOnPress, c.leftDrag);
    EXPECT_EQ(w.Lblpic[16].dragOnPress, c.leftDrag);
    EXPECT_FALSE(w.Lblpic[17].dragOnPress);
    EXPECT_EQ(w.mnuOpenhyou.enabled, c.openEnabled);
    EXPECT_EQ(w.mnuSaveHyou.enabled, c.saveEnabled);
    EXPECT_EQ(SwatchCaptions(k, 1, 16), c.swatchCaptions1to16);
    const bool naming = c.mode == RunMode::LayerNaming || c.mode == RunMode::LayerNamingExternal;
    EXPECT_EQ(w.chkC.visible, naming);
    EXPECT_EQ(w.txttani.visible, !naming);
    EXPECT_EQ(w.width, naming ? 3300 : 5900);
    EXPECT_EQ(w.height, 7500);
    EXPECT_EQ(w.Label3.text, naming ? "レイヤ名" : "項　目　名");
    EXPECT_EQ(w.Label2.text, naming ? "ﾍﾟｲﾝﾄ色" : "Solid");
    EXPECT_EQ(w.Label4.text, naming ? "グループ:" : "タイトル：");
    EXPECT_EQ(w.files.enabled && w.henshu.enabled && w.optSakuhyou.enabled, !naming);
    // The external naming draws a table: its preview stays within reach.
    const bool external = c.mode == RunMode::LayerNamingExternal;
    EXPECT_EQ(w.option.enabled, !naming || external);
    EXPECT_EQ(w.mnuPreview.enabled, IsTableMode(c.mode) || external);
    if (naming) {
      EXPECT_EQ(w.Command2.left, 2450);
      EXPECT_EQ(w.Command2.top, 6135);
      EXPECT_EQ(w.txtHyoumei.width, 1200);
    }
    // The hidden panel controls stay hidden in every mode.
    EXPECT_FALSE(w.chkUTIWAKE[0].visible || w.chkUTIWAKE[1].visible || w.chkM.visible ||
                 w.Label6[1].visible);
    // The exchange input is read in every mode but LayerNaming.
    EXPECT_EQ(k.state.exchangeRead, c.mode != RunMode::LayerNaming);
    EXPECT_EQ(w.Combo1[3].list.size(), c.mode == RunMode::LayerNaming ? 0u : 10u);
  }
}

TEST(LoadSequence, OverlapOrderFollowsTheHostDrawingOrder) {
  const struct {
    std::optional<std::int32_t> reverse;
    const char* tag;
    const char* bottom;
    const char* top;
  } cases[] = {
      {std::nullopt, "【重なり変更モード-正順描画】", "下", "上"},
      {0, "【重なり変更モード-正順描画】", "下", "上"},
      {1, "【重なり変更モード-逆順描画】", "上", "下"},
      {-7, "【重なり変更モード-逆順描画】", "上", "下"},
  };
  for (const auto& c : cases) {
    Harness h;
    WithInput(h);
    if (c.reverse) h.registry.numbers[{kDrawKey, "Reverse"}] = *c.reverse;
    Kaveta k = h.Make(RunMode::OverlapOrder);
    RunLoadSequence(k);
    EXPECT_EQ(k.ui.caption, std::string("KAVETA 1.90") + c.tag);
    EXPECT_EQ(k.ui.Lblpic[17].text, c.bottom);
    EXPECT_EQ(k.ui.Lblpic[32].text, c.top);
  }
}

TEST(LoadSequence, SwatchTextTurnsWhiteOnlyBelowTheThreshold) {
  const struct {
    const char* colour00;
    std::int32_t background;
    std::int32_t fore;
  } cases[] = {
      {"0", 0, kWhite},
      {"FFFFFF", 16777215, kBlack},
      {"777777", 0x777777, kBlack},
      {"777776", 0x777776, kWhite},
      {"", 16777215, kBlack},     // missing: white background
      {"xyz", 16777215, kBlack},  // not hexadecimal: white background
  };
  for (const auto& c : cases) {
    Harness h;
    if (*c.colour00) h.registry.texts[{kPenKey, "Color00"}] = c.colour00;
    Kaveta k = h.Make(RunMode::AreaNewTable);
    RunLoadSequence(k);
    EXPECT_EQ(k.state.backgroundColour, c.background) << c.colour00;
    for (int i = 1; i <= 32; ++i) {
      ASSERT_EQ(k.ui.Lblpic[i].backColour, c.background) << i;
      ASSERT_EQ(k.ui.Lblpic[i].foreColour, c.fore) << c.colour00 << " " << i;
    }
  }
}

TEST(LoadSequence, PenColoursAndFixedColours) {
  Harness h;
  h.registry.texts[{kPenKey, "Color05"}] = "FF00FF";
  h.registry.texts[{kPenKey, "Color09"}] = "ff";
  Kaveta k = h.Make(RunMode::AreaNewTable);
  RunLoadSequence(k);
  EXPECT_EQ(k.state.penColourTable[5], 0xFF00FF);
  EXPECT_EQ(k.state.penColourTable[9], 255);
  EXPECT_EQ(k.state.penColourTable[1], 0);
  EXPECT_EQ(k.state.penColourTable[102], 0x0000FF);
  EXPECT_EQ(k.state.penColourTable[116], 0x808080);
  EXPECT_EQ(k.state.penColourTable[10], 0);
  EXPECT_EQ(k.state.penColourTable[117], 0);
}

TEST(LoadSequence, MissingInputLeavesTheWindowOpenAndEmpty) {
  Harness h;
  Kaveta k = h.Make(RunMode::AreaNewTable);
  EXPECT_EQ(RunLoadSequence(k), LoadOutcome::Ready);
  ASSERT_EQ(h.dialogs.messages.size(), 1u);
  EXPECT_EQ(h.dialogs.messages[0].text, kMissing);
  EXPECT_EQ(h.dialogs.messages[0].icon, MsgIcon::Critical);
  EXPECT_FALSE(k.state.exchangeRead);
  EXPECT_EQ(k.state.nextGroup, 1);
  EXPECT_TRUE(k.ui.txtHyoumei.text.empty());
}

TEST(LoadSequence, LayerNamingNeverReadsTheInput) {
  Harness h;
  WithInput(h);
  Kaveta k = h.Make(RunMode::LayerNaming);
  RunLoadSequence(k);
  EXPECT_TRUE(h.dialogs.messages.empty());
  EXPECT_EQ(k.state.nextGroup, 1);
  EXPECT_TRUE(k.ui.Combo1[1].list.empty());
}

TEST(LoadSequence, StoredSettingsTakeEffect) {
  const struct {
    const char* intYose;
    bool left, right, centre;
    Alignment alignment;
  } cases[] = {
      {"0", true, false, false, Alignment::Left},
      {"1", false, true, false, Alignment::Right},
      {"2", false, false, true, Alignment::Centre},
      {"3", false, false, false, Alignment::Left},  // as built
  };
  for (const auto& c : cases) {
    Harness h;
    WithInput(h);
    h.PutText(
        "/app/Kaveta.INI",
        std::string("[Grid]\nSotowaku=1\nTatesen=0\nYokosen=1\n[kihon]\ntensoType=1\nintYose=") +
            c.intYose + "\n");
    Kaveta k = h.Make(RunMode::AreaNewTable);
    RunLoadSequence(k);
    EXPECT_EQ(k.ui.mnuMleft.checked, c.left) << c.intYose;
    EXPECT_EQ(k.ui.mnuMright.checked, c.right) << c.intYose;
    EXPECT_EQ(k.ui.mnuMcenter.checked, c.centre) << c.intYose;
    EXPECT_EQ(k.ui.txtname[7].alignment, c.alignment) << c.intYose;
    EXPECT_EQ(k.ui.Option1[1].value, 1);
    EXPECT_EQ(k.ui.Option1[0].value, 0);
    // Only the cleared ruled-line check disables its three lists.
    EXPECT_TRUE(k.ui.Combo1[1].enabled && k.ui.Combo1[9].enabled && k.ui.Combo1[5].enabled);
    EXPECT_FALSE(k.ui.Combo1[2].enabled || k.ui.Combo1[10].enabled || k.ui.Combo1[6].enabled);
    EXPECT_TRUE(k.ui.Combo1[7].enabled && k.ui.Combo1[11].enabled && k.ui.Combo1[8].enabled);
  }
}

TEST(LoadSequence, FirstRunWithoutSettingsFileKeepsBuiltInValues) {
  Harness h;
  WithInput(h);
  Kaveta k = h.Make(RunMode::AreaNewTable);
  RunLoadSequence(k);
  EXPECT_EQ(k.ui.Text2.text, "20,2,2,lya");
  EXPECT_EQ(k.ui.cbTaniD.text, "m^2,1");
  EXPECT_EQ(k.ui.Comboketa.text, "3");
  // Built-in checks are cleared, so every ruled-line list starts disabled.
  for (int i : {1, 2, 5, 6, 7, 8, 9, 10, 11}) EXPECT_FALSE(k.ui.Combo1[i].enabled) << i;
  EXPECT_TRUE(k.ui.Combo1[3].enabled && k.ui.Combo1[4].enabled);
}

}  // namespace
}  // namespace kaveta

namespace kaveta {
namespace {

// A row file without its count still leaves slot 1 for the first new
// colour: the group counter starts at 1 with the window, not at 0. The
// name without a stored colour is no row of the previous table.
TEST(LoadSequence, RowFileWithoutCountGivesTheFirstNewGroupSlotOne) {
  testing::Harness h;
  h.PutText("/app/koumoku.INI", "[koukoku]\nkoumoku_1=床\n");
  h.PutText("/app/TEMP.TXT", "hq\nlc10 255\nsl 0 0 1000 0 0 1000\n");
  Kaveta k = h.Make(RunMode::AreaPreviousTable);
  EXPECT_EQ(k.state.nextGroup, 1);
  ASSERT_EQ(RunLoadSequence(k), LoadOutcome::Ready);
  EXPECT_EQ(k.state.groups[1].colour, 255);
  EXPECT_EQ(k.ui.Lblpic[1].backColour, 255);
  EXPECT_EQ(k.ui.txtname[1].text, "");
  EXPECT_EQ(k.ui.Text_sum[1].text, "0.500");
  EXPECT_EQ(k.state.nextGroup, 2);
  EXPECT_EQ(k.ui.Lblpic[0].backColour, kButtonFace);  // element 0 is never a row
}

}  // namespace
}  // namespace kaveta
