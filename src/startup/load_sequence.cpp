#include "startup/load_sequence.h"

#include "exchange/host_settings.h"
#include "settings/catalogue.h"
#include "settings/ini_file.h"
#include "settings/settings_file.h"
#include "startup/read_input.h"
#include "ui/options_panel.h"

namespace kaveta {
namespace {

// The sixteen fixed SXF colours of host colour numbers 101..116.
constexpr std::int32_t kSxfColours[16] = {
    0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    0x8000C0, 0x4080C0, 0x0080FF, 0x80C080, 0xFF8000, 0xFF4080, 0xC0C0C0, 0x808080,
};

constexpr const char* kMissingInput = "TEMP.TXTが無がありません、jwwの外変から起動してください";

void SetSwatchDigitCaptions(Kaveta& k) {
  static const char* kDigits = "0123456789ABCDEF";
  for (int i = 1; i <= kRows; ++i) k.ui.Lblpic[i].text = std::string(1, kDigits[i - 1]);
}

void SetLeftSwatchDrag(Kaveta& k, bool automatic) {
  for (int i = 1; i <= kRows; ++i) k.ui.Lblpic[i].dragOnPress = automatic;
}

void SetUpLayerNaming(Kaveta& k, bool external) {
  WindowModel& w = k.ui;
  w.caption = external ? "【レイヤ名設定モード】外変" : "【レイヤ名設定モード】";
  w.btnChenge.text = "追加";
  if (!external) w.btnChenge.visible = false;
  w.Label7.text = "↑ここをクリックしてください";
  SetLeftSwatchDrag(k, false);
  w.mnuOpenhyou.enabled = false;
  w.mnuSaveHyou.enabled = false;
  w.Label3.text = "レイヤ名";
  w.Label2.text = "ﾍﾟｲﾝﾄ色";
  w.Label4.text = "グループ:";
  w.txtHyoumei.width = 1200;
  w.chkC.visible = true;
  w.Command3.visible = false;
  w.Command2.left = 2450;
  w.Command2.top = 6135;
  w.Command2.width = 700;
  w.Command2.height = 400;
  w.txttani.visible = false;
  w.width = 3300;
  w.files.enabled = false;
  w.henshu.enabled = false;
  // The external form draws a table, so its preview stays within reach.
  w.option.enabled = external;
  w.optSakuhyou.enabled = false;
  SetSwatchDigitCaptions(k);
}

void FillAttributeLists(WindowModel& w) {
  std::vector<std::string> colours, kinds, layers;
  for (int i = 1; i <= 9; ++i) colours.push_back("lc" + std::to_string(i));
  for (int i = 1; i <= 10; ++i) kinds.push_back("cn" + std::to_string(i));
  for (char c : std::string("0123456789abcdef")) layers.push_back(std::string("ly") + c);
  for (int i : {1, 2, 7}) w.Combo1[i].list = colours;
  w.Combo1[3].list = kinds;
  for (int i : {4, 5, 6, 8}) w.Combo1[i].list = layers;
}

}  // namespace

void ApplyModeSetupFirst(Kaveta& k) {
  WindowModel& w = k.ui;
  w.mnuPreview.enabled = IsTableMode(k.runMode) || k.runMode == RunMode::LayerNamingExternal;
  switch (k.runMode) {
    case RunMode::TableDesign:
      w.caption += "【表作成モード】";
      w.btnChenge.text = "追加";
      w.Label7.text = "↑ここをクリックしてください";
      SetLeftSwatchDrag(k, false);
      w.mnuOpenhyou.enabled = true;
      w.mnuSaveHyou.enabled = true;
      break;
    case RunMode::AreaNewTable:
      w.caption += "【新規表-面積測定モード】";
      w.mnuSaveHyou.enabled = true;
      break;
    case RunMode::AreaPreviousTable:
      w.caption += "【前回表使用-面積測定モード】";
      w.mnuSaveHyou.enabled = true;
      break;
    case RunMode::ColourChange: w.caption += "【色変更モード】"; break;
    case RunMode::LayerSort: w.caption += "【レイヤ振分けモード】"; break;
    case RunMode::OverlapOrder: break;
    case RunMode::LayerNaming: SetUpLayerNaming(k, false); break;
    case RunMode::LayerNamingExternal: SetUpLayerNaming(k, true); break;
  }
}

void ApplyModeSetupSecond(Kaveta& k) {
  WindowModel& w = k.ui;
  switch (k.runMode) {
    case RunMode::ColourChange:
      SetLeftSwatchDrag(k, false);
      for (int i = 1; i <= kRows; ++i) w.Lblpic[i].text = "→";
      w.btnChenge.enabled = false;
      w.Command3.enabled = false;
      w.Label7.text = "　　　↑右側をクリック";
      break;
    case RunMode::LayerSort:
      SetSwatchDigitCaptions(k);
      w.btnChenge.enabled = false;
      w.Command3.enabled = false;
      break;
    case RunMode::OverlapOrder: {
      w.btnChenge.enabled = false;
      w.Command3.enabled = false;
      const bool normal = ReadReverse(*k.env.registry) == 0;
      w.caption += normal ? "【重なり変更モード-正順描画】" : "【重なり変更モード-逆順描画】";
      w.Lblpic[17].text = normal ? "下" : "上";
      w.Lblpic[32].text = normal ? "上" : "下";
      w.Lblpic[1].text = "↑";
      w.Lblpic[16].text = "↓";
      w.Label7.text = "↑ここをドラッグしてください";
      break;
    }
    default: break;
  }
}

LoadOutcome RunLoadSequence(Kaveta& k) {
  WindowModel& w = k.ui;
  RunState& s = k.state;

  w.height = 7500;
  w.width = 5900;
  w.Frame1.top = 100;
  w.Frame1.left = 70;
  s.nextSolid = 1;
  ApplyModeSetupFirst(k);
  w.txtHyoumei.text = s.tableTitle;

  s.backgroundColour = ReadPenColour(*k.env.registry, 0);
  for (int i = 1; i <= 9; ++i) s.penColourTable[i] = ReadPenColour(*k.env.registry, i);
  for (int i = 0; i < 16; ++i) s.penColourTable[101 + i] = kSxfColours[i];
  s.solids.clear();
  s.solidRows.clear();

  for (int i = 1; i <= 32; ++i) {
    w.Lblpic[i].backColour = s.backgroundColour;
    if (s.backgroundColour < 0x777777) w.Lblpic[i].foreColour = kWhite;
  }
  ApplyModeSetupSecond(k);

  ReadListFile(k);
  loadINI(k, AppFolder(k.env) + "Kaveta.INI");
  for (int group = 0; group < 3; ++group)
    if (w.ckKeisen[group].value == 0) ckKeisen_Click(k, group);
  if (k.tableStyle == 0 || k.tableStyle == 1) {
    w.Option1[k.tableStyle].value = 1;
    w.Option1[1 - k.tableStyle].value = 0;
  }
  if (k.runMode == RunMode::LayerNaming) return LoadOutcome::Ready;

  ApplyItemAlignment(k, k.itemAlignment);
  if (k.runMode == RunMode::AreaPreviousTable) loadKoumoku(k, AppFolder(k.env) + "koumoku.INI");
  FillAttributeLists(w);

  const std::string input = AppFolder(k.env) + "TEMP.TXT";
  std::optional<std::string> bytes;
  if (k.env.files->Exists(input)) bytes = k.env.files->Read(input);
  if (!bytes) {
    k.Message(kMissingInput, MsgIcon::Critical);
    return LoadOutcome::Ready;
  }
  switch (ConsumeIntoWindow(k, *bytes)) {
    case ReadOutcome::ProcessEnded: return LoadOutcome::ProcessEnded;
    case ReadOutcome::Stopped: return LoadOutcome::Ready;
    case ReadOutcome::Complete:
      if (k.runMode != RunMode::LayerNamingExternal) AfterReading(k);
      return LoadOutcome::Ready;
  }
  return LoadOutcome::Ready;
}

}  // namespace kaveta
