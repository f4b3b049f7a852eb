// The main window as plain data. Handlers change it; the Win32 view creates
// the real controls from it and mirrors it after every event.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kaveta {

enum class ControlKind { Label, TextBox, ComboBox, CheckBox, OptionButton, Button, Frame };
enum class Alignment { Left, Right, Centre };

inline constexpr std::int32_t kWhite = 16777215;
inline constexpr std::int32_t kBlack = 0;
// A system colour of the toolkit's button face; swatches are painted over it.
inline constexpr std::int32_t kButtonFace = 0xF0F0F0;

struct Control {
  ControlKind kind = ControlKind::Label;
  std::string text;  // caption of labels, buttons, frames; text of boxes
  std::string tooltip;
  std::int32_t backColour = kButtonFace;
  std::int32_t foreColour = kBlack;
  Alignment alignment = Alignment::Left;
  bool enabled = true;
  bool visible = true;
  int value = 0;  // check boxes and option buttons: 0 cleared, 1 set
  std::vector<std::string> list;
  int left = 0, top = 0, width = 0, height = 0;  // twips
  bool dragOnPress = false;                      // automatic drag of swatches
  std::string fontName;
  double fontSize = 9;
  bool border = false;
};

struct MenuItem {
  std::string caption;
  bool enabled = true;
  bool checked = false;
  bool visible = true;
};

inline constexpr int kRows = 16;
// The role column's width: the window grows by it while the column shows.
inline constexpr int kRoleColumnWidth = 2100;

// The combos of Combo1 each ruled-line group (outer frame, vertical,
// horizontal; ckKeisen 0..2) sets: line type, line colour, layer.
struct RuleCombos {
  int lineType, colour, layer;
};
inline constexpr RuleCombos kRuleCombos[3] = {{9, 1, 5}, {10, 2, 6}, {11, 7, 8}};
// The text kind and the text layer of the table.
inline constexpr int kTextKindCombo = 3;
inline constexpr int kTextLayerCombo = 4;

struct WindowModel {
  WindowModel();

  std::string caption;
  int width = 0, height = 0;  // twips

  // Header band.
  Control btnChenge, Label4, txtHyoumei;
  // Column headers.
  Control Label2, Label3, txttani;
  std::array<Control, 1> lbltani;
  // Row grid: element 0 of each family is never a row.
  std::array<Control, 33> Lblpic;  // 1..16 left swatches, 17..32 right swatches
  std::array<Control, 17> txtname;
  std::array<Control, 17> Text_sum;
  std::array<Control, 17> Label5;
  // Below the grid.
  Control Label7, chkC, Command3, Command2;
  Control lblGoukei;  // the totals row's figure, shown while chkGoukei is ticked
  // Floating editors.
  Control Combo2;
  std::array<Control, 1> cbTani;
  // Settings panel.
  Control Frame1, cbTaniD, Comboketa, Text2, Frame2, cmdOptionOK, chkM;
  std::array<Control, 6> Label1;   // 0, 3, 4, 5 exist
  std::array<Control, 12> Combo1;  // 1..11
  std::array<Control, 2> Label6;
  std::array<Control, 3> ckKeisen;
  std::array<Control, 2> chkUTIWAKE;
  std::array<Control, 2> Option1;
  Control cboHasuu;   // rounding mode, a list of kRoundingCaptions
  Control chkGoukei;  // totals row
  Control chkSansha;  // triangle breakdown
  // The area summary: its tick, the two limits as typed, the ratio rounding
  // (a list of kRatioRoundingEntries' captions).
  Control chkGaiyou, lblKenpei, txtKenpei, lblYouseki, txtYouseki, lblHiritsu, cboHiritsu;
  // Each row's role (a caption of kAreaRoles) right of the unit column, with
  // its header; shown while chkGaiyou is ticked in a table mode.
  Control lblKubun;
  std::array<Control, 17> cboKubun;
  // Menus.
  MenuItem files, mnuOpenhyou, mnuSaveHyou, bar1, kavetaend;
  MenuItem henshu, mnuMleft, mnuMcenter, mnuMright;
  MenuItem option, optSakuhyou, mnuPreview;
};

}  // namespace kaveta
