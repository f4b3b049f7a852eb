// The table preview: a resizable window owned by the main window that paints
// what OK would write for the table, on white paper, zoomed and panned by
// the user. It composes the table again only when the model may have
// changed, and never changes what OK writes.
#pragma once

#include <windows.h>

#include <string>

#include "app/win32/control_table.h"
#include "output/preview_scene.h"
#include "ui/kaveta.h"
#include "ui/preview_zoom.h"

namespace kaveta::view {

inline constexpr wchar_t kPreviewClass[] = L"KavetaPreview";
inline constexpr int kCmdCopyPicture = 3032;  // its context menu's 画像をコピー
inline constexpr int kCmdFitPicture = 3034;   // and 全体を表示

class PreviewWindow {
 public:
  // Closing it by the user posts kCmdPreviewClosed to the owner, which then
  // drops it: the window is never destroyed inside its own message.
  explicit PreviewWindow(Kaveta& k) : k_(k) {}
  ~PreviewWindow();
  PreviewWindow(const PreviewWindow&) = delete;
  PreviewWindow& operator=(const PreviewWindow&) = delete;

  // Shows it without taking the focus from the owner, where it was last
  // time or beside the owner.
  bool Open(HINSTANCE instance, HWND owner, int dpi);
  // The model may have changed: compose again and paint when the queue is
  // idle.
  void Refresh();

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void OnPaint();
  void OnContextMenu(POINT at);
  void CopyPicture();
  void RememberPlace();
  int Dpi() const;

  // preview_input.cpp: the zoom and pan by mouse, keys and scroll bars.
  bool OnInput(UINT msg, WPARAM wp, LPARAM lp);
  void OnScroll(int bar, int request);
  void EndDrag();
  // Composes the scene if the model may have changed.
  const PreviewScene& Scene();
  // Lays the zoom out for the client area and shows its result: the scroll
  // bars (which may change the client area), the title, the picture.
  void ShowZoom();

  Kaveta& k_;
  HWND hwnd_ = nullptr;
  PreviewScene scene_;
  bool stale_ = true;  // the model changed since scene_ was composed
  PreviewZoom zoom_;
  bool showing_ = false;  // inside ShowZoom: its own scroll bars resize the window
  bool dragging_ = false;
  POINT dragFrom_{};
  std::wstring shownTitle_;
};

}  // namespace kaveta::view
