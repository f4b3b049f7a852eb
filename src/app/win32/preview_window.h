// The table preview: a resizable window owned by the main window that paints
// what OK would write for the table, on white paper, fitted to its size.
// It reads the model at every paint and never changes what OK writes.
#pragma once

#include <windows.h>

#include "app/win32/control_table.h"
#include "output/preview_scene.h"
#include "ui/kaveta.h"

namespace kaveta::view {

inline constexpr wchar_t kPreviewClass[] = L"KavetaPreview";
inline constexpr int kCmdCopyPicture = 3032;  // its context menu's 画像をコピー

// The whole picture of a scene in a width x height area of `dc`.
void PaintScene(HDC dc, const PreviewScene& scene, int width, int height, int dpi);

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
  // The model may have changed: paint again when the queue is idle.
  void Refresh();

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void OnPaint();
  void CopyPicture();
  void RememberPlace();
  int Dpi() const;

  Kaveta& k_;
  HWND hwnd_ = nullptr;
};

}  // namespace kaveta::view
