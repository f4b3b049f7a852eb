// The preview's zoom and pan from the mouse, the keys and the scroll bars:
// each unpacks its message, moves the zoom and shows the result.
#include <windowsx.h>

#include "app/win32/preview_window.h"

namespace kaveta::view {

bool PreviewWindow::OnInput(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEWHEEL: {  // with Ctrl or without: both zoom
      POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};  // on the screen
      ScreenToClient(hwnd_, &at);
      zoom_.ZoomAt(GET_WHEEL_DELTA_WPARAM(wp) / static_cast<double>(WHEEL_DELTA), at.x, at.y);
      ShowZoom();
      return true;
    }
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
      dragging_ = true;
      dragFrom_ = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      SetCapture(hwnd_);
      return true;
    case WM_MOUSEMOVE:
      if (!dragging_) return false;
      {
        const POINT to{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        zoom_.MoveBy(to.x - dragFrom_.x, to.y - dragFrom_.y);
        dragFrom_ = to;
        ShowZoom();
      }
      return true;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP: EndDrag(); return true;
    case WM_CAPTURECHANGED: dragging_ = false; return false;
    case WM_LBUTTONDBLCLK:
      zoom_.Fit();
      ShowZoom();
      return true;
    case WM_CHAR:  // "+" and "-" by whichever keys the layout makes them
      if (wp != L'+' && wp != L'-') return false;
      zoom_.ZoomAtCentre(wp == L'+' ? 1 : -1);
      ShowZoom();
      return true;
    case WM_KEYDOWN: {
      const double across = zoom_.ClientWidth(), down = zoom_.ClientHeight();
      switch (wp) {
        case VK_HOME: zoom_.Fit(); break;
        case VK_LEFT: zoom_.MoveBy(across / 10, 0); break;
        case VK_RIGHT: zoom_.MoveBy(-across / 10, 0); break;
        case VK_UP: zoom_.MoveBy(0, down / 10); break;
        case VK_DOWN: zoom_.MoveBy(0, -down / 10); break;
        case VK_PRIOR: zoom_.MoveBy(0, down); break;
        case VK_NEXT: zoom_.MoveBy(0, -down); break;
        default: return false;
      }
      ShowZoom();
      return true;
    }
    case WM_HSCROLL: OnScroll(SB_HORZ, LOWORD(wp)); return true;
    case WM_VSCROLL: OnScroll(SB_VERT, LOWORD(wp)); return true;
    default: return false;
  }
}

void PreviewWindow::EndDrag() {
  if (!dragging_) return;
  dragging_ = false;
  ReleaseCapture();
}

void PreviewWindow::OnScroll(int bar, int request) {
  const bool across = bar == SB_HORZ;
  const double page = across ? zoom_.ClientWidth() : zoom_.ClientHeight();
  double at = across ? zoom_.ScrollX() : zoom_.ScrollY();
  switch (request) {
    case SB_LINELEFT: at -= page / 10; break;
    case SB_LINERIGHT: at += page / 10; break;
    case SB_PAGELEFT: at -= page; break;
    case SB_PAGERIGHT: at += page; break;
    case SB_LEFT: at = 0; break;
    case SB_RIGHT: at = 1e12; break;  // the zoom stops it at the end
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_TRACKPOS;
      GetScrollInfo(hwnd_, bar, &si);
      at = si.nTrackPos;
      break;
    }
    default: return;
  }
  if (across) {
    zoom_.ScrollTo(at, zoom_.ScrollY());
  } else {
    zoom_.ScrollTo(zoom_.ScrollX(), at);
  }
  ShowZoom();
}

}  // namespace kaveta::view
