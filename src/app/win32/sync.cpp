// Model → real controls. Each property is written only when it differs
// from what the control shows (or, where the user cannot change it, from
// what was last written), so a sync in the middle of typing neither moves
// the caret nor flickers.
#include <windows.h>

#include "app/win32/main_window.h"
#include "app/win32/menus.h"
#include "platform/win32/wide_text.h"
#include "ui/options_panel.h"
#include "ui/totals.h"

namespace kaveta::view {
namespace {

// Room for the list below a drop-down combo's field.
constexpr int kDropDownTwips = 2400;

std::wstring RealText(HWND hwnd) {
  const int n = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), n + 1)));
  return text;
}

void SetListItems(HWND combo, const std::vector<std::string>& items) {
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(item).c_str()));
}

// A drop-down list shows the entry picked, not a text of its own.
void SetShownText(const ViewControl& v, const std::wstring& text) {
  if (!IsDropDownList(v.role)) {
    SetWindowTextW(v.hwnd, text.c_str());
    return;
  }
  const LRESULT at =
      SendMessageW(v.hwnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageW(v.hwnd, CB_SETCURSEL, at == CB_ERR ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(at), 0);
}

}  // namespace

int MainWindow::Px(int twips) const {
  // The layout is drawn at 92 % of its twips so that the whole window fits
  // a 1366 x 768 screen at 150 %; fonts keep their point sizes.
  return MulDiv(twips, dpi_ * 92, 1440 * 100);
}

void MainWindow::Sync() {
  if (controls_.empty() || !controls_.front().hwnd) return;  // not built yet
  RefreshTotalsRow(k_);  // follows every edit of the rows and settings
  syncing_ = true;
  SyncFrame();
  for (ViewControl& v : controls_)
    if (v.hwnd) SyncControl(v);  // one not made yet will be made as the model then is
  syncing_ = false;
  SyncPreview();
}

void MainWindow::SyncPreview() {
  if (k_.ui.mnuPreview.checked && !preview_) {
    preview_ = std::make_unique<PreviewWindow>(k_);
    if (!preview_->Open(instance_, hwnd_, dpi_)) {
      preview_.reset();
      k_.ui.mnuPreview.checked = false;
      SyncMenuBar(GetMenu(hwnd_), k_.ui, shownMenus_);
    }
  } else if (!k_.ui.mnuPreview.checked && preview_) {
    preview_.reset();
  }
  if (preview_) preview_->Refresh();
}

void MainWindow::SyncFrame() {
  if (shownCaption_ != k_.ui.caption) {
    SetWindowTextW(hwnd_, Utf8ToWide(k_.ui.caption).c_str());
    shownCaption_ = k_.ui.caption;
  }
  if (SyncMenuBar(GetMenu(hwnd_), k_.ui, shownMenus_)) DrawMenuBar(hwnd_);
  // The role column widens the window while it shows.
  if (shownWidth_ && shownWidth_ != k_.ui.width) SizeWindow(true);
}

void MainWindow::SyncControl(ViewControl& v) {
  const Control& m = *v.model;
  const Control& was = v.shown;
  const bool combo = m.kind == ControlKind::ComboBox;
  const bool listReset = combo && m.list != was.list;
  if (listReset) SetListItems(v.hwnd, m.list);
  // A box on the screen may have been typed into since the last sync; any
  // other control shows the text last written or read (ReadText). Asking
  // every control for its text was most of a sync's time under Wine.
  const bool typable = combo || m.kind == ControlKind::TextBox;
  if (listReset || (typable && IsWindowVisible(v.hwnd))) {
    const std::wstring text = Utf8ToWide(m.text);
    if (RealText(v.hwnd) != text) SetShownText(v, text);
  } else if (m.text != was.text) {
    SetShownText(v, Utf8ToWide(m.text));
  }

  if (m.kind == ControlKind::CheckBox || m.kind == ControlKind::OptionButton) {
    const WPARAM want = m.value == 1 ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageW(v.hwnd, BM_GETCHECK, 0, 0)) != want)
      SendMessageW(v.hwnd, BM_SETCHECK, want, 0);
  }
  if (m.kind == ControlKind::Label && m.alignment != was.alignment) {
    const LONG_PTR style = GetWindowLongPtrW(v.hwnd, GWL_STYLE);
    SetWindowLongPtrW(v.hwnd, GWL_STYLE, (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) |
                                             static_cast<LONG_PTR>(LabelAlignmentStyle(m.alignment)));
    InvalidateRect(v.hwnd, nullptr, TRUE);
  }
  if (m.backColour != was.backColour || m.foreColour != was.foreColour)
    InvalidateRect(v.hwnd, nullptr, TRUE);
  if (m.left != was.left || m.top != was.top || m.width != was.width ||
      m.height != was.height)
    PlaceControl(v);
  if ((IsWindowEnabled(v.hwnd) != FALSE) != m.enabled) EnableWindow(v.hwnd, m.enabled);
  const bool visible = (GetWindowLongPtrW(v.hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
  if (visible != m.visible) {
    if (v.id == kFrame1Id) {
      // Hidden, the panel must not take part in Tab's search (Wine's search
      // never ends in a hidden control parent), nor keep the focus inside.
      const LONG_PTR ex = GetWindowLongPtrW(v.hwnd, GWL_EXSTYLE);
      SetWindowLongPtrW(v.hwnd, GWL_EXSTYLE,
                        m.visible ? ex | WS_EX_CONTROLPARENT : ex & ~static_cast<LONG_PTR>(WS_EX_CONTROLPARENT));
      if (!m.visible && IsChild(v.hwnd, GetFocus())) SetFocus(hwnd_);
    }
    ShowWindow(v.hwnd, m.visible ? SW_SHOWNA : SW_HIDE);
    if (m.visible && (v.id == kFrame1Id || v.role == Role::NameEditor ||
                      v.role == Role::UnitEditor))
      SetWindowPos(v.hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  v.shown = m;
}

RECT MainWindow::PlaceFor(const ViewControl& v) const {
  const Control& m = *v.model;
  // Edges are scaled, not sizes, so that cells that meet in twips meet on
  // the screen at any DPI.
  RECT r{Px(m.left), Px(m.top), Px(m.left + m.width), Px(m.top + m.height)};
  if (m.kind == ControlKind::ComboBox) r.bottom += Px(kDropDownTwips);
  return r;
}

void MainWindow::PlaceControl(ViewControl& v) {
  const RECT r = PlaceFor(v);
  // The floating editors lie above the cell they edit.
  const bool editor = v.role == Role::NameEditor || v.role == Role::UnitEditor;
  SetWindowPos(v.hwnd, editor ? HWND_TOP : nullptr, r.left, r.top, r.right - r.left,
               r.bottom - r.top, SWP_NOACTIVATE | (editor ? 0 : SWP_NOZORDER));
}

// Lists, the combos' texts after them, and checks: what creation cannot set.
void MainWindow::InitialState(ViewControl& v) {
  const Control& m = *v.model;
  if (m.kind == ControlKind::ComboBox) {
    SetListItems(v.hwnd, m.list);
    SetShownText(v, Utf8ToWide(m.text));
    FitRoleCombo(v);
  }
  if ((m.kind == ControlKind::CheckBox || m.kind == ControlKind::OptionButton) && m.value == 1)
    SendMessageW(v.hwnd, BM_SETCHECK, BST_CHECKED, 0);
  v.shown = m;
}

HFONT MainWindow::FontFor(const Control& m) {
  return fonts_.Get(m.fontName, m.fontName.empty() ? 9 : m.fontSize, dpi_);
}

void MainWindow::ApplyFonts() {
  for (ViewControl& v : controls_) {
    const Control& m = *v.model;
    SendMessageW(v.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(m)), TRUE);
    FitRoleCombo(v);
  }
}

// A role list's field fits its grid row, so the sixteen of the column do
// not overlap one another at any DPI.
void MainWindow::FitRoleCombo(ViewControl& v) {
  if (v.role != Role::RoleCombo || !v.hwnd) return;
  const int field = Px(v.model->height) - 6;  // less the field's own edges
  if (field > 0) SendMessageW(v.hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
}

}  // namespace kaveta::view
