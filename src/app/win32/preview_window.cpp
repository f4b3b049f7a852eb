#include "app/win32/preview_window.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "app/win32/preview_paint.h"
#include "output/ok_command.h"
#include "platform/win32/clipboard_win32.h"
#include "platform/win32/wide_text.h"

namespace kaveta::view {
namespace {

// What the window tells whoever looks at it from outside (tests, the
// benchmark): the last paint's cost and the texts' height in pixels at the
// zoom shown, in hundredths.
constexpr wchar_t kPaintTimeProperty[] = L"KavetaPaintMicroseconds";
constexpr wchar_t kTextPixelsProperty[] = L"KavetaTextPixels100";
constexpr int kDefaultWidth = 440, kDefaultHeight = 330;  // at 96 DPI
constexpr int kSmallestWidth = 240;

}  // namespace

PreviewWindow::~PreviewWindow() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool PreviewWindow::Open(HINSTANCE instance, HWND owner, int dpi) {
  static const bool registered = [instance] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.lpszClassName = kPreviewClass;
    return RegisterClassExW(&wc) != 0;
  }();
  if (!registered) return false;

  RECT main{};
  GetWindowRect(owner, &main);
  int width = MulDiv(kDefaultWidth, dpi, 96), height = MulDiv(kDefaultHeight, dpi, 96);
  int left = 0, top = main.top;
  const RECT stored{k_.preview.left, k_.preview.top, k_.preview.left + k_.preview.width,
                    k_.preview.top + k_.preview.height};
  if (k_.preview.stored && MonitorFromRect(&stored, MONITOR_DEFAULTTONULL)) {
    left = stored.left;
    top = stored.top;
    width = stored.right - stored.left;
    height = stored.bottom - stored.top;
  } else {
    // Beside the main window on the wider side of its monitor, narrowed to
    // the room there so that it covers none of the rows; on a screen with no
    // room at all, at the right edge.
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY), &info);
    const RECT work = info.rcWork;
    const int gap = MulDiv(8, dpi, 96);
    const int right = work.right - main.right - gap, leftRoom = main.left - work.left - gap;
    const int room = std::max(right, leftRoom);
    if (room >= MulDiv(kSmallestWidth, dpi, 96)) {
      const int fitted = std::min(width, room);
      height = MulDiv(height, fitted, width);
      width = fitted;
      left = right >= leftRoom ? main.right + gap : main.left - gap - width;
    } else {
      left = std::max(work.left, work.right - width);
    }
    if (top + height > work.bottom) top = std::max(work.top, work.bottom - height);
  }
  hwnd_ = CreateWindowExW(0, kPreviewClass, L"表のプレビュー", WS_OVERLAPPEDWINDOW, left, top,
                          width, height, owner, nullptr, instance, this);
  if (!hwnd_) return false;
  RememberPlace();
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  return true;
}

void PreviewWindow::Refresh() {
  stale_ = true;
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

const PreviewScene& PreviewWindow::Scene() {
  if (stale_) {
    stale_ = false;
    scene_ = PreviewSceneOf(k_);
    ShowZoom();  // the table's size may have changed
  }
  return scene_;
}

void PreviewWindow::ShowZoom() {
  if (!hwnd_ || showing_) return;
  showing_ = true;
  const bool drawable = Drawable(scene_);
  // The fit is measured in the client area without scroll bars; the bars
  // then come where the picture is larger than what is left of it.
  RECT client;
  GetClientRect(hwnd_, &client);
  const LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
  const int barWidth = GetSystemMetrics(SM_CXVSCROLL), barHeight = GetSystemMetrics(SM_CYHSCROLL);
  const int roomWidth = client.right + (style & WS_VSCROLL ? barWidth : 0);
  const int roomHeight = client.bottom + (style & WS_HSCROLL ? barHeight : 0);
  zoom_.Layout(ExtentOf(scene_), client.right, client.bottom, Dpi(), roomWidth, roomHeight);
  const double width = zoom_.PictureWidth(), height = zoom_.PictureHeight();
  bool across = drawable && width > roomWidth + 0.5, down = drawable && height > roomHeight + 0.5;
  across = across || (down && width > roomWidth - barWidth + 0.5);
  down = down || (across && height > roomHeight - barHeight + 0.5);
  zoom_.Layout(ExtentOf(scene_), roomWidth - (down ? barWidth : 0),
               roomHeight - (across ? barHeight : 0), Dpi(), roomWidth, roomHeight);
  for (const int bar : {SB_HORZ, SB_VERT}) {
    const bool horizontal = bar == SB_HORZ;
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (horizontal ? across : down) {
      si.nMax = static_cast<int>(std::ceil(horizontal ? width : height)) - 1;
      si.nPage = static_cast<UINT>(horizontal ? zoom_.ClientWidth() : zoom_.ClientHeight());
      si.nPos = static_cast<int>(std::lround(horizontal ? zoom_.ScrollX() : zoom_.ScrollY()));
    }  // else a range of nothing: the bar goes
    SetScrollInfo(hwnd_, bar, &si, TRUE);
  }
  // Bars of another size than the metrics say: pan within what is there.
  GetClientRect(hwnd_, &client);
  if (client.right != zoom_.ClientWidth() || client.bottom != zoom_.ClientHeight())
    zoom_.Layout(ExtentOf(scene_), client.right, client.bottom, Dpi(), roomWidth, roomHeight);
  showing_ = false;
  const std::wstring title = Utf8ToWide(PreviewTitle(drawable ? zoom_.Percent() : 100));
  if (title != shownTitle_) {
    SetWindowTextW(hwnd_, title.c_str());
    shownTitle_ = title;
  }
  const auto textPixels = static_cast<std::uintptr_t>(
      drawable ? std::lround(std::max(zoom_.TextPixels(), 0.0) * 100) : 0);
  SetPropW(hwnd_, kTextPixelsProperty, reinterpret_cast<HANDLE>(textPixels));
  InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT CALLBACK PreviewWindow::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<PreviewWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<PreviewWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self ? self->Handle(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT PreviewWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  if (OnInput(msg, wp, lp)) return 0;
  switch (msg) {
    case WM_ERASEBKGND: return 1;  // the paint covers it all: no flicker
    case WM_PAINT: OnPaint(); return 0;
    case WM_SIZE: ShowZoom(); return 0;
    case WM_WINDOWPOSCHANGED:
      RememberPlace();
      return DefWindowProcW(hwnd_, msg, wp, lp);
    case WM_CONTEXTMENU: OnContextMenu({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}); return 0;
    case WM_COMMAND:
      if (LOWORD(wp) == kCmdCopyPicture) CopyPicture();
      if (LOWORD(wp) == kCmdFitPicture) {
        zoom_.Fit();
        ShowZoom();
      }
      return 0;
    case 0x02E0: {  // WM_DPICHANGED: take the size Windows suggests
      // The new size's WM_SIZE lays the zoom out at the new DPI, which
      // keeps the texts' size in points and the place shown.
      const RECT* r = reinterpret_cast<const RECT*>(lp);
      SetWindowPos(hwnd_, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      ShowZoom();
      return 0;
    }
    case WM_CLOSE:
      ShowWindow(hwnd_, SW_HIDE);
      PostMessageW(GetWindow(hwnd_, GW_OWNER), WM_COMMAND, MAKEWPARAM(kCmdPreviewClosed, 0), 0);
      return 0;
    case WM_NCDESTROY:
      RemovePropW(hwnd_, kPaintTimeProperty);
      RemovePropW(hwnd_, kTextPixelsProperty);
      hwnd_ = nullptr;
      return 0;
    default: return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

int PreviewWindow::Dpi() const {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpi = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  const UINT dpi = getDpi ? getDpi(hwnd_) : 0;
  if (dpi) return static_cast<int>(dpi);
  HDC screen = GetDC(nullptr);
  const int caps = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return caps ? caps : 96;
}

void PreviewWindow::OnPaint() {
  LARGE_INTEGER start, end, frequency;
  QueryPerformanceCounter(&start);
  const PreviewScene& scene = Scene();
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  const int width = zoom_.ClientWidth(), height = zoom_.ClientHeight();
  // Painted off screen and put up in one piece.
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  PaintScene(memory, scene, zoom_, Dpi());
  BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(hwnd_, &ps);
  QueryPerformanceCounter(&end);
  QueryPerformanceFrequency(&frequency);
  // The last paint's cost, for whoever measures the window from outside.
  const auto us = static_cast<std::uintptr_t>((end.QuadPart - start.QuadPart) * 1000000 /
                                              std::max<LONGLONG>(frequency.QuadPart, 1));
  SetPropW(hwnd_, kPaintTimeProperty, reinterpret_cast<HANDLE>(us + 1));
}

void PreviewWindow::OnContextMenu(POINT at) {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, kCmdCopyPicture, L"画像をコピー");
  AppendMenuW(menu, MF_STRING, kCmdFitPicture, L"全体を表示");
  if (at.x == -1 && at.y == -1) {  // from the keyboard
    at = {0, 0};
    ClientToScreen(hwnd_, &at);
  }
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
  DestroyMenu(menu);
}

void PreviewWindow::CopyPicture() {
  // The whole table at the zoom shown (within the copy's limit), not just
  // the part in the window.
  const PreviewScene& scene = Scene();
  const int dpi = Dpi();
  PreviewZoom whole;
  if (Drawable(scene)) {
    const PictureSize size = zoom_.CopySize();
    whole.Layout(ExtentOf(scene), size.width, size.height, dpi);
  } else {
    whole.Layout(ExtentOf(scene), zoom_.ClientWidth(), zoom_.ClientHeight(), dpi);
  }
  whole.Fit();
  HDC screen = GetDC(hwnd_);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, whole.ClientWidth(), whole.ClientHeight());
  ReleaseDC(hwnd_, screen);
  if (!bitmap) {
    DeleteDC(memory);
    MessageBeep(MB_ICONEXCLAMATION);  // no memory for so large a picture
    return;
  }
  HGDIOBJ old = SelectObject(memory, bitmap);
  PaintScene(memory, scene, whole, dpi);
  SelectObject(memory, old);
  DeleteDC(memory);
  Win32Clipboard clipboard;
  clipboard.SetOwner(hwnd_);
  if (!clipboard.SetBitmap(bitmap)) DeleteObject(bitmap);
}

void PreviewWindow::RememberPlace() {
  if (!hwnd_ || IsIconic(hwnd_) || IsZoomed(hwnd_)) return;
  RECT r;
  GetWindowRect(hwnd_, &r);
  k_.preview = {k_.preview.stored, true, static_cast<int>(r.left), static_cast<int>(r.top),
                static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top)};
}

}  // namespace kaveta::view
