// WM_COMMAND routing: menu commands and control notifications become the
// model's handlers, chosen by the control's role in the table.
#include "app/win32/main_window.h"
#include "output/ok_command.h"
#include "platform/win32/wide_text.h"
#include "settings/table_files.h"
#include "ui/colour_rows.h"
#include "ui/editors.h"
#include "ui/options_panel.h"
#include "ui/totals.h"

namespace kaveta::view {
namespace {

std::string WindowText(HWND hwnd) {
  const int n = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), n + 1)));
  return WideToUtf8(text);
}

// The text of the list entry just picked (the edit field is updated only
// after the notification).
std::string PickedText(HWND combo) {
  const LRESULT sel = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (sel == CB_ERR) return WindowText(combo);
  const LRESULT n = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(sel), 0);
  if (n == CB_ERR) return WindowText(combo);
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(n));
  return WideToUtf8(text);
}

// Typing and ticking run no handler, but the total under the rows follows
// them too; without a totals row nothing changes.
bool TotalsMayChange(const Kaveta& k) { return k.ui.lblGoukei.visible || TotalsRowWanted(k); }

}  // namespace

void MainWindow::ReadText(ViewControl& v) { Learn(v, WindowText(v.hwnd)); }

// What the user typed or picked is the model's text and what the control
// shows: a sync of a hidden box compares with the latter.
void MainWindow::Learn(ViewControl& v, const std::string& text) {
  v.model->text = text;
  v.shown.text = text;
}

void MainWindow::ReadCheck(ViewControl& v) {
  v.model->value = SendMessageW(v.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void MainWindow::OnCommand(int id, int code, HWND control) {
  Kaveta& k = k_;
  if (!control) {
    switch (id) {
      case kCmdOpenTable: Run([&k] { OpenTableFile(k); }); break;
      case kCmdSaveTable: Run([&k] { SaveTableFile(k); }); break;
      case kCmdExit: Run([&k] { ExitCommand(k); }); break;
      case kCmdAlignLeft: Run([&k] { mnuMleft_Click(k); }); break;
      case kCmdAlignCentre: Run([&k] { mnuMcenter_Click(k); }); break;
      case kCmdAlignRight: Run([&k] { mnuMright_Click(k); }); break;
      case kCmdTableSettings: Run([&k] { optSakuhyou_Click(k); }); break;
      case kCmdPreview: Run([&k] { mnuPreview_Click(k); }); break;
      case kCmdPreviewClosed:
        Run([&k] { if (k.ui.mnuPreview.checked) mnuPreview_Click(k); });
        break;
      default: break;
    }
    return;
  }
  ViewControl* found = FindById(id);
  if (!found || found->hwnd != control || syncing_) return;
  ViewControl& v = *found;
  const int i = v.index;
  switch (v.role) {
    case Role::Passive:
    case Role::Swatch: break;
    case Role::NameCell:
      if (code == STN_CLICKED) {
        Run([&k, i] { txtname_Click(k, i); });
        if (k.ui.Combo2.visible) FocusEditor(*FindById(kNameEditorId));
      }
      break;
    case Role::UnitCell:
      if (code == STN_CLICKED) {
        Run([&k, i] { Label5_Click(k, i); });
        if (k.ui.cbTani[0].visible) FocusEditor(*FindById(kUnitEditorId));
      }
      break;
    case Role::QuantityHead:
      if (code == STN_CLICKED) Run([&k] { txttani_Click(k); });
      break;
    case Role::Text:
      if (code == EN_CHANGE || code == CBN_EDITCHANGE) {
        ReadText(v);
        if (TotalsMayChange(k)) Run([] {});
      }
      if (code == CBN_SELCHANGE) Learn(v, PickedText(control));
      break;
    case Role::DigitsCombo:
      if (code == CBN_EDITCHANGE) {
        ReadText(v);
        if (TotalsMayChange(k)) Run([] {});
      }
      if (code == CBN_SELCHANGE) {
        Learn(v, PickedText(control));
        Run([&k] { Comboketa_Click(k); });
      }
      break;
    case Role::RoundingCombo:
      if (code == CBN_SELCHANGE) {
        Learn(v, PickedText(control));
        Run([&k] { cboHasuu_Click(k); });
      }
      break;
    case Role::RatioRoundingCombo:
      if (code == CBN_SELCHANGE) {
        Learn(v, PickedText(control));
        Run([&k] { cboHiritsu_Click(k); });
      }
      break;
    case Role::RoleCombo:
      if (code == CBN_SELCHANGE) {
        Learn(v, PickedText(control));
        Run([] {});
      }
      break;
    case Role::Summary:
      if (code == BN_CLICKED) {
        ReadCheck(v);
        Run([&k] { chkGaiyou_Click(k); });
      }
      break;
    case Role::Breakdown:
      if (code == BN_CLICKED) {
        ReadCheck(v);
        Run([&k] { chkSansha_Click(k); });
      }
      break;
    case Role::NameEditor:
    case Role::UnitEditor: {
      const bool name = v.role == Role::NameEditor;
      if (code == CBN_EDITCHANGE) {
        ReadText(v);
        Run([&k, name] { name ? Combo2_Change(k) : cbTani_Change(k); });
      } else if (code == CBN_SELCHANGE) {
        Learn(v, PickedText(control));
        Run([&k, name] { name ? Combo2_Click(k) : cbTani_Click(k); });
      } else if (code == CBN_KILLFOCUS) {
        ReadText(v);
        Run([&k, name] { name ? Combo2_LostFocus(k) : cbTani_LostFocus(k); });
      }
      break;
    }
    case Role::Keisen:
      if (code == BN_CLICKED) {
        ReadCheck(v);
        Run([&k, i] { ckKeisen_Click(k, i); });
      }
      break;
    case Role::CaseSwitch:
      if (code == BN_CLICKED) {
        ReadCheck(v);
        Run([&k] { chkC_Click(k); });
      }
      break;
    case Role::Check:
      if (code == BN_CLICKED) {
        ReadCheck(v);
        if (TotalsMayChange(k)) Run([] {});
      }
      break;
    case Role::TableStyle:
      if (code == BN_CLICKED) Run([&k, i] { Option1_Click(k, i); });
      break;
    case Role::RowMode:
      if (code == BN_CLICKED) Run([&k] { btnChenge_Click(k); });
      break;
    case Role::Ok:
      if (code == BN_CLICKED) Run([&k] { RunOkCommand(k); });
      break;
    case Role::CopyOk:
      if (code == BN_CLICKED) Run([&k] { CopyAndOk(k); });
      break;
    case Role::PanelOk:
      if (code == BN_CLICKED) Run([&k] { cmdOptionOK_Click(k); });
      break;
  }
}

void MainWindow::FocusEditor(ViewControl& editor) {
  if (k_.closed || !IsWindow(editor.hwnd)) return;
  SetFocus(editor.hwnd);
  SendMessageW(editor.hwnd, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

}  // namespace kaveta::view
