// The real clipboard: the copied table as Unicode text and as Shift_JIS
// text, for spreadsheets that still read only the older format.
#pragma once

#include <windows.h>

#include <string>

#include "platform/seams.h"

namespace kaveta {

class Win32Clipboard : public Clipboard {
 public:
  // The window that owns the clipboard contents and the messages.
  void SetOwner(HWND mainWindow) { owner_ = mainWindow; }

  // Another program may hold the clipboard for a moment: a few short tries,
  // then a message. Either way the caller goes on (the drawing output
  // matters more than the copy).
  void SetText(const std::string& text) override;
  // A picture for pasting into a report; the clipboard takes the bitmap
  // over. False (after the message) when the clipboard could not be had.
  bool SetBitmap(HBITMAP bitmap);

 private:
  bool Open();

  HWND owner_ = nullptr;
};

}  // namespace kaveta
