#include "settings/table_files.h"

#include <string>

#include "settings/catalogue.h"
#include "settings/common_dialog.h"
#include "settings/ini_file.h"
#include "settings/settings_file.h"

namespace kaveta {
namespace {

constexpr const char* kTableFilter = "表ファイル (*.JHY)|*.JHY";
constexpr std::int32_t kCreatePromptHideReadOnly = 8196;  // 0x2000 | 0x4
constexpr std::int32_t kOverwritePrompt = 2;

}  // namespace

bool OpenTableFile(Kaveta& k) {
  std::string path;
  {
    cCommonDlg dlg(k.env.files->CurrentFolder());
    dlg.CancelError(true);
    dlg.flags(kCreatePromptHideReadOnly);
    dlg.Filter(kTableFilter);
    dlg.DialogTitle("表ファイルを開く");
    dlg.FileName("*.JHY");
    dlg.DefaultExt("JHY");
    dlg.Form(&k);
    dlg.ShowOpen();
    path = dlg.FileName();
  }
  if (path.empty()) return false;  // cancelled

  // The create prompt can hand back a name that is not there yet: that is
  // no table, and the window keeps what it shows. The title is not part of
  // a table file.
  const IniBatch file(k.env, path);
  if (!file.FileExisted()) return false;
  loadINI(k, file);
  loadKoumoku(k, file);
  return true;
}

bool SaveTableFile(Kaveta& k) {
  std::string path;
  {
    cCommonDlg dlg(k.env.files->CurrentFolder());
    dlg.CancelError(true);
    dlg.flags(kOverwritePrompt);
    dlg.Filter(kTableFilter);
    dlg.DialogTitle("表ファイルを保存");
    dlg.DefaultExt("JHY");
    dlg.Form(&k);
    dlg.ShowSave();
    path = dlg.FileName();
  }
  if (path.empty()) return false;

  // Settings and rows go into the file together: one read, one write.
  IniBatch file(k.env, path);
  saveINI(k, file);
  saveKoumoku(k, file);
  return file.Commit();
}

}  // namespace kaveta
