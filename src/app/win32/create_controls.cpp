// Creation of the real controls and the menu bar from the tables.
#include <windows.h>
#include <commctrl.h>

#include "app/win32/input_subclass.h"
#include "app/win32/main_window.h"
#include "app/win32/fonts.h"
#include "app/win32/menus.h"
#include "platform/win32/wide_text.h"
#include "ui/totals.h"

namespace kaveta::view {
namespace {

// Quantity boxes read as a column of figures.
DWORD EditAlignmentStyle(Alignment a) {
  switch (a) {
    case Alignment::Right: return ES_RIGHT;
    case Alignment::Centre: return ES_CENTER;
    case Alignment::Left: break;
  }
  return ES_LEFT;
}

struct ClassAndStyle {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

ClassAndStyle StyleFor(const ViewControl& v) {
  const Control& c = *v.model;
  const DWORD base = WS_CHILD | WS_CLIPSIBLINGS;
  switch (c.kind) {
    case ControlKind::TextBox:
      return {L"EDIT", base | WS_TABSTOP | ES_AUTOHSCROLL | EditAlignmentStyle(c.alignment),
              WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox:
      if (IsDropDownList(v.role))  // only its own entries
        return {L"COMBOBOX", base | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
      return {L"COMBOBOX", base | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
    case ControlKind::CheckBox:
      return {L"BUTTON", base | WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE, 0};
    case ControlKind::OptionButton:
      return {L"BUTTON", base | WS_TABSTOP | BS_AUTORADIOBUTTON | (v.index == 0 ? WS_GROUP : 0),
              0};
    case ControlKind::Button:
      return {L"BUTTON", base | WS_TABSTOP | BS_PUSHBUTTON | WS_GROUP, 0};
    case ControlKind::Frame:
      // The settings panel holds its controls as children.
      if (v.id == kFrame1Id)
        return {L"BUTTON", base | BS_GROUPBOX | WS_GROUP | WS_CLIPCHILDREN,
                static_cast<DWORD>(c.visible ? WS_EX_CONTROLPARENT : 0)};  // see SyncControl
      return {L"BUTTON", base | BS_GROUPBOX | WS_GROUP, 0};
    case ControlKind::Label: break;
  }
  // Labels: SS_NOTIFY so that clicks reach the window; texts the user typed
  // show as typed, "&" included.
  DWORD style = base | SS_NOTIFY | SS_NOPREFIX | LabelAlignmentStyle(c.alignment);
  if (c.border || v.role == Role::Swatch) style |= SS_CENTERIMAGE;  // centred in its cell
  DWORD ex = 0;
  if (c.border) style |= WS_BORDER;
  if (v.role == Role::Swatch) ex |= WS_EX_STATICEDGE;
  return {L"STATIC", style, ex};
}

}  // namespace

DWORD LabelAlignmentStyle(Alignment a) {
  switch (a) {
    case Alignment::Right: return SS_RIGHT;
    case Alignment::Centre: return SS_CENTER;
    case Alignment::Left: break;
  }
  return SS_LEFT;
}

// Each control is made as the model has it when it is made (text, place,
// state, font), so the next sync finds nothing left to do. The settings
// panel's own controls are made on their own (`panel`).
void MainWindow::CreateControls(bool panel) {
  if (!panel) RefreshTotalsRow(k_);  // a stored totals option shows its row from the start
  for (ViewControl& v : controls_) {
    if (v.inPanel != panel || v.hwnd) continue;
    const ClassAndStyle cs = StyleFor(v);
    const Control& m = *v.model;
    const DWORD state = (m.visible ? WS_VISIBLE : 0) | (m.enabled ? 0 : WS_DISABLED);
    const RECT r = PlaceFor(v);
    v.hwnd = CreateWindowExW(cs.exStyle, cs.className, Utf8ToWide(m.text).c_str(),
                             cs.style | state, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             ParentOf(v), reinterpret_cast<HMENU>(static_cast<INT_PTR>(v.id)),
                             instance_, nullptr);
    SendMessageW(v.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(m)), FALSE);
    InitialState(v);
    if (v.id == kFrame1Id) panel_ = v.hwnd;
    if (v.model->kind == ControlKind::Frame) SubclassPanel(*this, v.hwnd);
    if (v.role == Role::Swatch) SubclassSwatch(*this, v.hwnd);
    if (v.role == Role::NameEditor || v.role == Role::UnitEditor) SubclassEditor(*this, v.hwnd);
  }
  if (!panel) {
    // The panel covers the grid: it lies above every other control.
    SetWindowPos(panel_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return;
  }
  // A frame inside the panel lies below the controls it surrounds, or it
  // would hide them.
  for (const ViewControl& v : controls_)
    if (v.inPanel && v.model->kind == ControlKind::Frame)
      SetWindowPos(v.hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  panelBuilt_ = true;
}

void MainWindow::CreateTips() {
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_, nullptr);
  for (const ViewControl& v : controls_) {
    if (v.role != Role::Swatch && v.role != Role::UnitCell) continue;
    // The text comes from the model when the tip is about to show.
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(v.hwnd);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  // Long unit texts need room in the tip.
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 600);
}

LRESULT MainWindow::OnNotify(NMHDR* header) {
  if (header->hwndFrom == tooltip_ && header->code == TTN_GETDISPINFOW) {
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    static std::wstring text;  // must outlive the notification
    const ViewControl* v = FindByHwnd(reinterpret_cast<HWND>(header->idFrom));
    text = v ? Utf8ToWide(v->model->tooltip) : std::wstring();
    info->lpszText = text.data();
    return 0;
  }
  return 0;
}

HFONT FontSet::Get(const std::string& name, double points, int dpi) {
  if (dpi != dpi_) {
    Clear();
    dpi_ = dpi;
  }
  const auto key = std::make_pair(name, static_cast<int>(points * 100));
  HFONT& font = fonts_[key];
  if (font) return font;
  LOGFONTW lf{};
  if (name.empty()) {
    // The system's message font at this DPI.
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    lf = ncm.lfMessageFont;
    HDC screen = GetDC(nullptr);
    const int systemDpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    lf.lfHeight = MulDiv(lf.lfHeight, dpi, systemDpi ? systemDpi : 96);
  } else {
    lf.lfHeight = -static_cast<LONG>(points * dpi / 72.0 + 0.5);
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    SetFaceWithFallback(lf, Utf8ToWide(name));
  }
  font = CreateFontIndirectW(&lf);
  return font;
}

void FontSet::Clear() {
  for (auto& [key, font] : fonts_)
    if (font) DeleteObject(font);
  fonts_.clear();
}

}  // namespace kaveta::view
