// The Win32 view of the window model: creates the real controls from the
// control table, forwards every event to the model's handler and then
// brings the real controls up to date from the model.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/win32/control_table.h"
#include "app/win32/preview_window.h"
#include "ui/kaveta.h"

namespace kaveta::view {

inline constexpr wchar_t kWindowClass[] = L"KavetaMainWindow";

// SS_LEFT, SS_CENTER or SS_RIGHT.
DWORD LabelAlignmentStyle(Alignment a);

// Fonts at the window's DPI, made once per DPI.
class FontSet {
 public:
  ~FontSet() { Clear(); }
  HFONT Get(const std::string& name, double points, int dpi);
  void Clear();

 private:
  std::map<std::pair<std::string, int>, HFONT> fonts_;  // (name, size*100)
  int dpi_ = 0;
};

// A left swatch pressed and perhaps being dragged.
struct SwatchPress {
  int index = 0;  // 0: none
  POINT start{};
  bool dragging = false;
  bool automaticDrag = false;
};

class MainWindow {
 public:
  explicit MainWindow(Kaveta& k) : k_(k), controls_(BuildControlTable(k.ui)) {}
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window hidden, with its menu bar.
  bool Create(HINSTANCE instance);
  // Makes the controls from the model as the load left it, at the DPI of
  // the monitor the window will open on; those of the settings panel only
  // when it shows from the start.
  void Build();
  // Makes what the first sight of the window does not need, once it is on
  // the screen: the settings panel's controls (a third of the start-up
  // went into them; hidden until the panel is asked for) and the tips.
  // Input waits in the queue until they are made.
  void FinishBuild();
  HWND hwnd() const { return hwnd_; }
  // Sizes and places the window for the mode, then shows it in front.
  void Show();
  // Runs a model handler and mirrors the model; closes when it says so.
  void Run(const std::function<void()>& handler);
  // Brings every real control up to date from the model.
  void Sync();
  bool closed() const { return k_.closed; }
  // Until the load has ended (its messages answered) no click, key or menu
  // command reaches the window: input that came earlier is dropped, as if
  // the window had not been there yet. Call once the load's messages are
  // answered.
  void EndLoad();
  // Memory ran out in a handler: the message was shown and the window closed.
  bool outOfMemory() const { return outOfMemory_; }

  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

 private:
  friend struct SwatchInput;
  friend struct EditorInput;

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  // Switchboard cases.
  void OnCreate();
  void OnCommand(int id, int code, HWND control);
  LRESULT OnCtlColor(HDC dc, HWND control);
  void OnDpiChanged(int dpi, const RECT* suggested);
  LRESULT OnNotify(NMHDR* header);
  void OnDestroy();

  void CreateControls(bool panel);
  void CreateTips();
  // The caption and the menu bar.
  void SyncFrame();
  void CreateMenuBar();
  void SyncControl(ViewControl& v);
  // Opens or closes the preview as its menu check says, and repaints it.
  void SyncPreview();
  void PlaceControl(ViewControl& v);
  RECT PlaceFor(const ViewControl& v) const;
  void InitialState(ViewControl& v);
  HFONT FontFor(const Control& m);
  void MoveToHostMonitor();
  void ApplyFonts();
  void SizeWindow(bool keepPosition);
  void FitRoleCombo(ViewControl& v);
  ViewControl* FindById(int id);
  ViewControl* FindByHwnd(HWND hwnd);
  HWND ParentOf(const ViewControl& v) const;
  int Px(int twips) const;
  void FocusEditor(ViewControl& editor);
  // Copies what the user changed in a real control into the model.
  void ReadText(ViewControl& v);
  void Learn(ViewControl& v, const std::string& text);
  void ReadCheck(ViewControl& v);

  void OnOutOfMemory();

  Kaveta& k_;
  std::vector<ViewControl> controls_;
  HWND hwnd_ = nullptr;
  HWND panel_ = nullptr;
  bool panelBuilt_ = false;
  HWND tooltip_ = nullptr;
  HINSTANCE instance_ = nullptr;
  int dpi_ = 96;
  bool syncing_ = false;
  bool running_ = false;  // a handler is running; nested events wait
  bool loadEnded_ = false;
  bool outOfMemory_ = false;
  HHOOK inputGate_ = nullptr;
  std::deque<std::function<void()>> pending_;
  FontSet fonts_;
  std::map<COLORREF, HBRUSH> brushes_;
  SwatchPress press_;
  std::string shownCaption_;
  int shownWidth_ = 0;  // the model's width the window was last sized to (0: not yet)
  std::vector<MenuItem> shownMenus_;  // as last applied, in menu-table order
  std::unique_ptr<PreviewWindow> preview_;  // made only when first asked for
};

}  // namespace kaveta::view
