#include "ui/window_model.h"

#include "number/area_summary.h"
#include "number/rounding.h"

namespace kaveta {
namespace {

Control Make(ControlKind kind, std::string text, int left, int top, int width, int height) {
  Control c;
  c.kind = kind;
  c.text = std::move(text);
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  return c;
}

std::vector<std::string> Numbered(const std::string& prefix, int from, int to) {
  std::vector<std::string> list;
  for (int i = from; i <= to; ++i) list.push_back(prefix + std::to_string(i));
  return list;
}

}  // namespace

// Rough twips positions; the grid rows start at 900 and are 300 high.
WindowModel::WindowModel() {
  caption = "KAVETA 1.90";
  width = 5900;
  height = 7500;

  btnChenge = Make(ControlKind::Button, "並替", 120, 120, 700, 330);
  Label4 = Make(ControlKind::Label, "タイトル：", 950, 170, 1000, 250);
  txtHyoumei = Make(ControlKind::TextBox, "", 1950, 120, 3370, 330);

  constexpr int kRowTop = 900, kRowHeight = 300;
  Label2 = Make(ControlKind::Label, "Solid", 120, kRowTop - 300, 1000, 280);
  Label3 = Make(ControlKind::Label, "項　目　名", 1120, kRowTop - 300, 2000, 280);
  txttani = Make(ControlKind::Label, "数     量", 3120, kRowTop - 300, 1300, 280);
  lbltani[0] = Make(ControlKind::Label, "単位", 4420, kRowTop - 300, 900, 280);
  for (Control* header : {&Label2, &Label3, &txttani, &lbltani[0]}) {
    header->border = true;
    header->alignment = Alignment::Centre;
  }

  for (int i = 0; i <= kRows; ++i) {
    const int top = kRowTop + (i - 1) * kRowHeight;
    const bool row = i > 0;
    Control& left = Lblpic[i];
    left = Make(ControlKind::Label, "", 120, top, 500, kRowHeight);
    left.alignment = Alignment::Right;
    left.dragOnPress = row;
    left.visible = row;
    if (row) {
      Control& right = Lblpic[i + 16];
      right = Make(ControlKind::Label, "", 620, top, 500, kRowHeight);
      right.alignment = Alignment::Centre;
    }
    txtname[i] = Make(ControlKind::Label, "", 1120, top, 2000, kRowHeight);
    txtname[i].backColour = kWhite;
    txtname[i].border = true;
    txtname[i].visible = row;
    Text_sum[i] = Make(ControlKind::TextBox, "", 3120, top, 1300, kRowHeight);
    Text_sum[i].visible = row;
    Text_sum[i].alignment = Alignment::Right;  // a column of figures
    Label5[i] = Make(ControlKind::Label, "", 4420, top, 900, kRowHeight);
    Label5[i].border = true;
    Label5[i].alignment = Alignment::Centre;
    Label5[i].visible = row;
  }
  // The role column, right of the units; hidden until the summary is ticked.
  lblKubun = Make(ControlKind::Label, "区分", 5320, kRowTop - 300, kRoleColumnWidth, 280);
  lblKubun.border = true;
  lblKubun.alignment = Alignment::Centre;
  lblKubun.visible = false;
  std::vector<std::string> roles;
  for (const AreaRole& role : kAreaRoles) roles.emplace_back(role.caption);
  for (int i = 1; i <= kRows; ++i) {
    cboKubun[i] = Make(ControlKind::ComboBox, "", 5320, kRowTop + (i - 1) * kRowHeight,
                       kRoleColumnWidth, kRowHeight);
    cboKubun[i].list = roles;
    cboKubun[i].visible = false;
  }
  for (Control& swatch : Lblpic) {
    swatch.fontName = "ＭＳ Ｐゴシック";
    swatch.fontSize = 11.25;
  }

  const int below = kRowTop + kRows * kRowHeight + 60;
  Label7 = Make(ControlKind::Label, "↑ここをドラッグしてください", 120, below, 3000, 250);
  // Two lines, so that it stays clear of OK in the narrow layer-naming window.
  chkC = Make(ControlKind::CheckBox, "#cを大文字（0.02mm間隔)", 120, below + 300, 2250, 500);
  chkC.visible = false;
  Command3 = Make(ControlKind::Button, "コピー && OK", 2600, below + 390, 1500, 400);
  Command2 = Make(ControlKind::Button, "OK", 4220, below + 390, 1100, 400);
  // Under the quantity and unit columns it sums.
  lblGoukei = Make(ControlKind::Label, "", 3120, below, 2200, 300);
  lblGoukei.border = true;
  lblGoukei.alignment = Alignment::Right;
  lblGoukei.visible = false;

  // The floating editors wait outside the shown area until a cell is clicked.
  Combo2 = Make(ControlKind::ComboBox, "Combo2", 7000, 0, 2000, 300);
  Combo2.backColour = kWhite;
  Combo2.visible = false;
  cbTani[0] = Make(ControlKind::ComboBox, "m^2,1", 7000, 400, 900, 300);
  cbTani[0].fontName = "ＭＳ ゴシック";
  cbTani[0].visible = false;

  // Tall enough to cover the OK buttons too while it is open.
  Frame1 = Make(ControlKind::Frame, "設定", 70, 100, 5600, 6550);
  Frame1.visible = false;
  Label1[0] = Make(ControlKind::Label, "単位，掛け率の初期値", 200, 400, 2500, 250);
  cbTaniD = Make(ControlKind::ComboBox, "m^2,1", 2800, 380, 1500, 300);
  cbTaniD.fontName = "ＭＳ ゴシック";
  Label1[3] = Make(ControlKind::Label, "丸め", 200, 800, 1000, 250);
  Comboketa = Make(ControlKind::ComboBox, "3", 2800, 780, 800, 300);
  Comboketa.list = {"4", "3", "2", "1", "0", "-1", "-2", "-3", "-4", "-5", "-6"};
  // Beside the digits it applies to.
  cboHasuu = Make(ControlKind::ComboBox, kRoundingCaptions[0], 3700, 780, 1300, 300);
  cboHasuu.list = {kRoundingCaptions[0], kRoundingCaptions[1], kRoundingCaptions[2]};
  Label1[5] = Make(ControlKind::Label, "文字種,レイヤ", 200, 1200, 2000, 250);
  Combo1[kTextKindCombo] = Make(ControlKind::ComboBox, "cn3", 2800, 1180, 800, 300);
  Combo1[kTextLayerCombo] = Make(ControlKind::ComboBox, "ly9", 3700, 1180, 800, 300);
  Label1[4] = Make(ControlKind::Label, "ソリッドの幅 , 文字と枠の隙間高 ,〃幅,レイヤ", 200, 1600,
                   5000, 250);
  Text2 = Make(ControlKind::TextBox, "20,2,2,lya", 200, 1900, 2500, 300);
  Text2.fontName = "ＭＳ ゴシック";
  Label6[0] = Make(ControlKind::Label, "　罫線", 200, 2300, 1000, 250);
  const char* keisen[3] = {"外枠線種色,レイヤ", "縦罫線種色,レイヤ", "横罫線種色,レイヤ"};
  // Line type, colour and layer of each ruled-line group, left to right.
  const char* groupTexts[3][3] = {
      {"lt1", "lc5", "ly9"}, {"lt1", "lc2", "ly9"}, {"lt1", "lc2", "ly9"}};
  for (int k = 0; k < 3; ++k) {
    const int top = 2600 + k * 400;
    ckKeisen[k] = Make(ControlKind::CheckBox, keisen[k], 200, top, 2500, 300);
    const RuleCombos& c = kRuleCombos[k];
    const int combos[3] = {c.lineType, c.colour, c.layer};
    for (int j = 0; j < 3; ++j)
      Combo1[combos[j]] = Make(ControlKind::ComboBox, groupTexts[k][j], 2800 + j * 900, top, 800, 300);
    Combo1[c.lineType].list = Numbered("lt", 1, 9);
  }
  chkUTIWAKE[1] = Make(ControlKind::CheckBox, "ソリッド図形に番号をを記入", 200, 3900, 3000, 300);
  chkUTIWAKE[0] = Make(ControlKind::CheckBox, "ソリッド図形に面積を記入", 200, 4200, 3000, 300);
  Label6[1] = Make(ControlKind::Label, "　座標ファイル", 200, 4500, 1500, 250);
  chkM = Make(ControlKind::CheckBox, "ｍ単位", 200, 4800, 1500, 300);
  for (Control* hidden : {&chkUTIWAKE[0], &chkUTIWAKE[1], &Label6[1], &chkM})
    hidden->visible = false;
  // Right of the hidden label options, clear of everything shown.
  chkGoukei = Make(ControlKind::CheckBox, "合計行を作図", 2800, 3900, 2600, 300);
  chkSansha = Make(ControlKind::CheckBox, "三斜求積表を作図", 2800, 4250, 2600, 300);
  // The summary: under the breakdown, right of the copy frame; its ratio
  // rounding under the copy frame, clear of the panel's ＯＫ.
  chkGaiyou = Make(ControlKind::CheckBox, "建蔽率・容積率を作図", 2800, 4600, 2600, 300);
  lblKenpei = Make(ControlKind::Label, "指定建蔽率(%)", 3300, 4960, 1300, 250);
  txtKenpei = Make(ControlKind::TextBox, "", 4620, 4930, 800, 300);
  lblYouseki = Make(ControlKind::Label, "指定容積率(%)", 3300, 5290, 1300, 250);
  txtYouseki = Make(ControlKind::TextBox, "", 4620, 5260, 800, 300);
  lblHiritsu = Make(ControlKind::Label, "比率の丸め", 200, 5960, 1200, 250);
  cboHiritsu = Make(ControlKind::ComboBox, kRatioRoundingEntries[0].caption, 1450, 5930, 1300, 300);
  for (const RatioRoundingEntry& e : kRatioRoundingEntries) cboHiritsu.list.emplace_back(e.caption);
  Frame2 = Make(ControlKind::Frame, "コピー", 200, 5100, 3000, 700);
  Option1[0] = Make(ControlKind::OptionButton, "カード型", 300, 5400, 1300, 300);
  Option1[1] = Make(ControlKind::OptionButton, "一覧表型", 1700, 5400, 1300, 300);
  Option1[0].value = 1;
  cmdOptionOK = Make(ControlKind::Button, "ＯＫ", 4300, 5600, 1000, 400);

  files = {"ﾌｧｲﾙ(&F)"};
  mnuOpenhyou = {"表を開く(&R)", false};
  mnuSaveHyou = {"表を保存(&S)", false};
  bar1 = {"-"};
  kavetaend = {"終了(&X)"};
  henshu = {"編集(&E)"};
  mnuMleft = {"左"};
  mnuMcenter = {"中"};
  mnuMright = {"右"};
  option = {"設定(&O)"};
  optSakuhyou = {"作表設定(&S)"};
  mnuPreview = {"表のプレビュー(&P)", false};
}

}  // namespace kaveta
