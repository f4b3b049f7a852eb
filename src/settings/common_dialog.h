// The open-file, save-file and colour dialogs on behalf of the main window.
// An object serves one command: make it, set what the dialog needs, show it
// once, read FileName, let it go.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "ui/kaveta.h"

namespace kaveta {

class cCommonDlg {
 public:
  // InitDir starts as the current folder at the time the object is made.
  explicit cCommonDlg(std::string currentFolder = {}) : initDir_(std::move(currentFolder)) {}

  // "Name|pattern|Name|pattern"; the dialog gets it NUL-separated.
  void Filter(const std::string& strNewFilter);

  void flags(std::int32_t lngNewFlags) { flags_ = lngNewFlags; }
  void DialogTitle(const std::string& strNewDialogTitle) { dialogTitle_ = strNewDialogTitle; }

  // After a cancel with CancelError set, FileName is empty; with it cleared,
  // FileName keeps what it held. A chosen name is the full path.
  void ShowOpen() { ShowFile(kOpen); }
  void ShowSave() { ShowFile(kSave); }

  const std::string& FileName() const { return fileName_; }
  void FileName(const std::string& strNewFileName) { fileName_ = strNewFileName; }
  // Added (with a dot) to a chosen name that has no extension.
  void DefaultExt(const std::string& strNewDefaultExt) { defaultExt_ = strNewDefaultExt; }

  // The owning window; no dialog is shown without one.
  void Form(Kaveta* NewForm) { form_ = NewForm; }

  void CancelError(bool blnNewCancelErr) { cancelError_ = blnNewCancelErr; }

 private:
  static constexpr int kOpen = 1;
  static constexpr int kSave = 2;
  void ShowFile(int kind);

  Kaveta* form_ = nullptr;
  bool cancelError_ = false;
  std::string platformFilter_ = std::string("All Files (*.*)\0*.*\0", 20);
  std::string dialogTitle_ = "Open File";
  std::string initDir_;
  std::string fileName_;
  std::int32_t flags_ = 0;
  std::string defaultExt_ = std::string(1, '\0');
};

}  // namespace kaveta
