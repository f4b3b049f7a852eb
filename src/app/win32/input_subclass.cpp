#include "app/win32/input_subclass.h"

#include <commctrl.h>
#include <windowsx.h>

#include "app/win32/main_window.h"
#include "ui/colour_rows.h"
#include "ui/editors.h"

namespace kaveta::view {

// Press, drag and drop of the swatches. A left swatch with automatic drag
// starts a drag once the mouse moves past the system's drag distance; a
// press that does not move, or any press where drag is off, is a click.
struct SwatchInput {
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                               DWORD_PTR ref) {
    auto& w = *reinterpret_cast<MainWindow*>(ref);
    switch (msg) {
      case WM_LBUTTONDOWN: return OnDown(w, hwnd, lp);
      case WM_MOUSEMOVE: return OnMove(w, hwnd, lp, wp);
      case WM_LBUTTONUP: return OnUp(w, hwnd, lp);
      case WM_CAPTURECHANGED: w.press_ = {}; break;
      case WM_SETCURSOR:
        if (w.press_.dragging) {
          SetCursor(DragCursor());
          return TRUE;
        }
        break;
      case WM_NCDESTROY: RemoveWindowSubclass(hwnd, Proc, 1); break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
  }

  static HCURSOR DragCursor() { return LoadCursorW(nullptr, MAKEINTRESOURCEW(32646)); }  // SIZEALL

  static LRESULT OnDown(MainWindow& w, HWND hwnd, LPARAM lp) {
    const ViewControl* v = w.FindByHwnd(hwnd);
    if (!v || w.running_) return 0;
    w.press_ = {};
    w.press_.index = v->index;
    w.press_.start = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    w.press_.automaticDrag = v->index <= kRows && v->model->dragOnPress && v->model->enabled;
    SetCapture(hwnd);
    return 0;
  }

  static LRESULT OnMove(MainWindow& w, HWND hwnd, LPARAM lp, WPARAM wp) {
    if (!w.press_.index || !w.press_.automaticDrag || !(wp & MK_LBUTTON)) return 0;
    if (!w.press_.dragging) {
      const int dx = GET_X_LPARAM(lp) - w.press_.start.x;
      const int dy = GET_Y_LPARAM(lp) - w.press_.start.y;
      if (std::abs(dx) < GetSystemMetrics(SM_CXDRAG) && std::abs(dy) < GetSystemMetrics(SM_CYDRAG))
        return 0;
      w.press_.dragging = true;
    }
    (void)hwnd;
    SetCursor(DragCursor());
    return 0;
  }

  static LRESULT OnUp(MainWindow& w, HWND hwnd, LPARAM lp) {
    const SwatchPress press = w.press_;
    w.press_ = {};
    if (GetCapture() == hwnd) ReleaseCapture();
    if (!press.index) return 0;
    if (!press.dragging) {
      // A click counts only when released over the swatch pressed.
      POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      RECT r;
      GetClientRect(hwnd, &r);
      if (PtInRect(&r, p)) w.Run([&w, press] { Lblpic_Click(w.k_, press.index); });
      return 0;
    }
    POINT screen{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    ClientToScreen(hwnd, &screen);
    const ViewControl* target = w.FindByHwnd(WindowFromPoint(screen));
    if (target && target->role == Role::Swatch)
      w.Run([&w, press, t = target->index] { Lblpic_DragDrop(w.k_, t, press.index, true); });
    return 0;
  }
};

// The edit field inside a floating editor: Enter moves the editor a row
// down, and the dialog-key handling must not take the key away first.
struct EditorInput {
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                               DWORD_PTR ref) {
    auto& w = *reinterpret_cast<MainWindow*>(ref);
    switch (msg) {
      case WM_GETDLGCODE:
        if (lp && reinterpret_cast<const MSG*>(lp)->message == WM_KEYDOWN &&
            reinterpret_cast<const MSG*>(lp)->wParam == VK_RETURN)
          return DLGC_WANTALLKEYS | DefSubclassProc(hwnd, msg, wp, lp);
        break;
      case WM_KEYDOWN:
        if (OnKeyDown(w, GetParent(hwnd), static_cast<int>(wp))) return 0;
        break;
      case WM_CHAR:
        if (wp == '\r') return 0;  // no beep for the Enter handled above
        break;
      case WM_NCDESTROY: RemoveWindowSubclass(hwnd, Proc, 2); break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
  }

  // True when the key was Enter and has been handled.
  static bool OnKeyDown(MainWindow& w, HWND combo, int key) {
    ViewControl* v = w.FindByHwnd(combo);
    if (!v || key != VK_RETURN) return false;
    if (SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) return false;  // Enter closes the list
    const bool name = v->role == Role::NameEditor;
    w.ReadText(*v);
    w.Run([&w, name] {
      if (name)
        Combo2_KeyDown(w.k_, kKeyEnter);
      else
        cbTani_KeyDown(w.k_, kKeyEnter);
    });
    // The editor moved with the keyboard focus still in its field; select
    // the text so typing replaces it.
    SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    return true;
  }
};

// The settings panel's frame is the parent of its controls: their
// notifications and colour requests go to the window, and the frame
// paints its whole face so the grid below does not show through.
struct PanelInput {
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                               DWORD_PTR ref) {
    auto& w = *reinterpret_cast<MainWindow*>(ref);
    switch (msg) {
      case WM_COMMAND:
      case WM_NOTIFY:
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORBTN:
      case WM_CTLCOLORLISTBOX:
        return SendMessageW(w.hwnd(), msg, wp, lp);
      case WM_NCHITTEST: return HTCLIENT;  // a group box is otherwise transparent to the mouse
      case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
      }
      case WM_PAINT: {
        // Group boxes do not erase their inside: do it before the frame is
        // drawn (the frame clips its children, so they stay as they are).
        HDC dc = GetDC(hwnd);
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        ReleaseDC(hwnd, dc);
        break;
      }
      case WM_NCDESTROY: RemoveWindowSubclass(hwnd, Proc, 3); break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
  }

};

void SubclassSwatch(MainWindow& window, HWND swatch) {
  SetWindowSubclass(swatch, SwatchInput::Proc, 1, reinterpret_cast<DWORD_PTR>(&window));
}

void SubclassEditor(MainWindow& window, HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(combo, &info) && info.hwndItem)
    SetWindowSubclass(info.hwndItem, EditorInput::Proc, 2, reinterpret_cast<DWORD_PTR>(&window));
}

void SubclassPanel(MainWindow& window, HWND frame) {
  SetWindowSubclass(frame, PanelInput::Proc, 3, reinterpret_cast<DWORD_PTR>(&window));
}

}  // namespace kaveta::view
