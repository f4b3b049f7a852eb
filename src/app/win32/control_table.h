// One row per real control of the window: which model control it mirrors,
// its fixed automation ID, and what its notifications mean. Creation, the
// sync and the event routing all walk this table.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/window_model.h"

namespace kaveta::view {

// What a control's notifications are turned into (see events.cpp).
enum class Role {
  Passive,      // labels, frames, headers: nothing to do
  Swatch,       // Lblpic: mouse handled by the swatch subclass
  NameCell,     // txtname: click opens the name editor
  UnitCell,     // Label5: click opens the unit editor
  QuantityHead, // txttani: click does nothing
  Text,         // edit boxes and settings combos: text follows the user
  DigitsCombo,  // Comboketa: a list pick re-rounds
  RoundingCombo,  // cboHasuu: a drop-down list; a pick re-rounds
  Breakdown,    // chkSansha: a click re-rounds
  Summary,      // chkGaiyou: a click shows or hides the role column
  RatioRoundingCombo,  // cboHiritsu: a drop-down list; a pick sets the ratios' rounding
  RoleCombo,    // cboKubun(row): a drop-down list of the roles
  NameEditor,   // Combo2
  UnitEditor,   // cbTani(0)
  Keisen,       // ckKeisen(index)
  CaseSwitch,   // chkC
  Check,        // hidden check boxes: value only
  TableStyle,   // Option1(index)
  RowMode,      // btnChenge
  Ok,           // Command2
  CopyOk,       // Command3
  PanelOk,      // cmdOptionOK
};

struct ViewControl {
  Control* model = nullptr;
  int id = 0;
  int index = 0;  // element of the family (row, check or option number)
  Role role = Role::Passive;
  bool inPanel = false;  // a child of the settings panel Frame1
  HWND hwnd = nullptr;
  Control shown;  // what the real control was last brought up to
};

// Menu command IDs (a contract for automation).
inline constexpr int kCmdOpenTable = 3001;
inline constexpr int kCmdSaveTable = 3002;
inline constexpr int kCmdExit = 3003;
inline constexpr int kCmdAlignLeft = 3011;
inline constexpr int kCmdAlignCentre = 3012;
inline constexpr int kCmdAlignRight = 3013;
inline constexpr int kCmdTableSettings = 3021;
inline constexpr int kCmdPreview = 3031;
inline constexpr int kCmdPreviewClosed = 3033;  // posted by the preview when closed

inline constexpr int kFrame1Id = 2614;
// The floating editors, found again to take the focus.
inline constexpr int kNameEditorId = 2612;
inline constexpr int kUnitEditorId = 2613;

// Every control of the model in creation (and tab) order; the settings
// panel's frame comes before its contents.
std::vector<ViewControl> BuildControlTable(WindowModel& w);

// Drop-down lists: they show one of their entries, never a text of their own.
inline bool IsDropDownList(Role role) {
  return role == Role::RoundingCombo || role == Role::RatioRoundingCombo || role == Role::RoleCombo;
}

}  // namespace kaveta::view
