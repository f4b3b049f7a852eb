#include "app/win32/preview_window.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "app/win32/fonts.h"
#include "output/ok_command.h"
#include "platform/win32/clipboard_win32.h"
#include "platform/win32/wide_text.h"

namespace kaveta::view {
namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr wchar_t kPaintTimeProperty[] = L"KavetaPaintMicroseconds";
constexpr int kDefaultWidth = 440, kDefaultHeight = 330;  // at 96 DPI
constexpr int kSmallestWidth = 240;

COLORREF Colour(std::int32_t bgr) { return static_cast<COLORREF>(bgr) & 0xFFFFFF; }

// The host's line types: 1 solid, 2-4 dashed, 5-6 dash-dot, 7-8 dash-dot-dot,
// 9 dotted.
DWORD PenStyle(int lineType) {
  if (lineType >= 2 && lineType <= 4) return PS_DASH;
  if (lineType == 5 || lineType == 6) return PS_DASHDOT;
  if (lineType == 7 || lineType == 8) return PS_DASHDOTDOT;
  if (lineType == 9) return PS_DOT;
  return PS_SOLID;
}

// The table's text face, looked up once: the host's own Japanese gothic.
const LOGFONTW& TextFace() {
  static const LOGFONTW face = [] {
    LOGFONTW lf{};
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    SetFaceWithFallback(lf, L"ＭＳ ゴシック");
    return lf;
  }();
  return face;
}

// Table coordinates (y upwards) to pixels, the scene fitted with a margin
// and its aspect kept.
struct Fit {
  double scale = 1, left = 0, top = 0, minX = 0, maxY = 0;
  Fit(const PreviewScene& s, int width, int height, int margin) {
    const double w = std::max(s.maxX - s.minX, 1e-9), h = std::max(s.maxY - s.minY, 1e-9);
    const double room = std::max(width - 2 * margin, 1), roomY = std::max(height - 2 * margin, 1);
    scale = std::min(room / w, roomY / h);
    left = margin + (room - w * scale) / 2;
    top = margin + (roomY - h * scale) / 2;
    minX = s.minX;
    maxY = s.maxY;
  }
  int X(double x) const { return static_cast<int>(std::lround(left + (x - minX) * scale)); }
  int Y(double y) const { return static_cast<int>(std::lround(top + (maxY - y) * scale)); }
};

void PaintNote(HDC dc, const std::string& text, RECT area, int dpi) {
  LOGFONTW lf = TextFace();
  lf.lfHeight = -MulDiv(9, dpi, 72);
  HFONT font = CreateFontIndirectW(&lf);
  HGDIOBJ old = SelectObject(dc, font);
  SetTextColor(dc, RGB(96, 96, 96));
  SetBkMode(dc, TRANSPARENT);
  InflateRect(&area, -MulDiv(12, dpi, 96), -MulDiv(12, dpi, 96));
  const std::wstring wide = Utf8ToWide(text);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, DT_CENTER | DT_WORDBREAK);
  SelectObject(dc, old);
  DeleteObject(font);
}

}  // namespace

void PaintScene(HDC dc, const PreviewScene& scene, int width, int height, int dpi) {
  RECT all{0, 0, width, height};
  HBRUSH paper = CreateSolidBrush(kPaper);
  FillRect(dc, &all, paper);
  DeleteObject(paper);
  if (!scene.problem.empty() || scene.Empty()) {
    PaintNote(dc, scene.problem.empty() ? "表に書く行がありません。" : scene.problem, all, dpi);
    return;
  }
  const Fit fit(scene, width, height, MulDiv(12, dpi, 96));

  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  for (const SceneSolid& s : scene.solids) {
    POINT p[4];
    for (int i = 0; i < 4; ++i) p[i] = {fit.X(s.corners[2 * i]), fit.Y(s.corners[2 * i + 1])};
    HBRUSH brush = CreateSolidBrush(Colour(s.colour));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Polygon(dc, p, 4);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
  }

  const DWORD penWidth = static_cast<DWORD>(std::max(1, dpi / 96));
  for (const SceneLine& l : scene.lines) {
    const LOGBRUSH lb{BS_SOLID, Colour(l.colour), 0};
    HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT | PenStyle(l.lineType), penWidth, &lb, 0,
                            nullptr);
    SelectObject(dc, pen);
    MoveToEx(dc, fit.X(l.x1), fit.Y(l.y1), nullptr);
    LineTo(dc, fit.X(l.x2), fit.Y(l.y2));
    SelectObject(dc, GetStockObject(NULL_PEN));
    DeleteObject(pen);
  }
  SelectObject(dc, oldPen);

  // A half-width character is half the kind's width; its spacing too.
  LOGFONTW lf = TextFace();
  lf.lfHeight = -std::max(1L, std::lround(scene.textHeight * fit.scale));
  lf.lfWidth = std::max(1L, std::lround(scene.textWidth * fit.scale / 2));
  HFONT font = CreateFontIndirectW(&lf);
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetTextColor(dc, Colour(scene.textColour));
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_LEFT | TA_BOTTOM | TA_NOUPDATECP);
  SetTextCharacterExtra(dc, static_cast<int>(std::lround(scene.textSpacing * fit.scale / 2)));
  for (const SceneText& t : scene.texts) {
    const std::wstring wide = Utf8ToWide(t.text);
    TextOutW(dc, fit.X(t.x), fit.Y(t.y), wide.c_str(), static_cast<int>(wide.size()));
  }
  SelectObject(dc, oldFont);
  DeleteObject(font);
}

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
    wc.style = CS_HREDRAW | CS_VREDRAW;
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
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
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
  switch (msg) {
    case WM_ERASEBKGND: return 1;  // the paint covers it all: no flicker
    case WM_PAINT: OnPaint(); return 0;
    case WM_WINDOWPOSCHANGED:
      RememberPlace();
      return DefWindowProcW(hwnd_, msg, wp, lp);
    case WM_CONTEXTMENU: {
      HMENU menu = CreatePopupMenu();
      AppendMenuW(menu, MF_STRING, kCmdCopyPicture, L"画像をコピー");
      POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      if (at.x == -1 && at.y == -1) {  // from the keyboard
        at = {0, 0};
        ClientToScreen(hwnd_, &at);
      }
      TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
      DestroyMenu(menu);
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == kCmdCopyPicture) CopyPicture();
      return 0;
    case 0x02E0: {  // WM_DPICHANGED: take the size Windows suggests
      const RECT* r = reinterpret_cast<const RECT*>(lp);
      SetWindowPos(hwnd_, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_CLOSE:
      ShowWindow(hwnd_, SW_HIDE);
      PostMessageW(GetWindow(hwnd_, GW_OWNER), WM_COMMAND, MAKEWPARAM(kCmdPreviewClosed, 0), 0);
      return 0;
    case WM_NCDESTROY:
      RemovePropW(hwnd_, kPaintTimeProperty);
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
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  const int width = std::max(1L, client.right), height = std::max(1L, client.bottom);
  // Painted off screen and put up in one piece.
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  PaintScene(memory, PreviewSceneOf(k_), width, height, Dpi());
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

void PreviewWindow::CopyPicture() {
  RECT client;
  GetClientRect(hwnd_, &client);
  const int width = std::max(1L, client.right), height = std::max(1L, client.bottom);
  HDC screen = GetDC(hwnd_);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(hwnd_, screen);
  HGDIOBJ old = SelectObject(memory, bitmap);
  PaintScene(memory, PreviewSceneOf(k_), width, height, Dpi());
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
