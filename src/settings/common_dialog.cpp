#include "settings/common_dialog.h"

#include <optional>

#include "text/lines.h"

namespace kaveta {
namespace {

// The file buffer holds 255 characters: 254 of name and a NUL.
constexpr std::size_t kFileNameChars = 254;

bool HasExtension(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
  return path.find('.', name) != std::string::npos;
}

// The extension text up to its first NUL (the built-in one is only a NUL).
std::string ExtensionText(const std::string& ext) { return ext.substr(0, ext.find('\0')); }

}  // namespace

void cCommonDlg::Filter(const std::string& strNewFilter) {
  platformFilter_ = strNewFilter;
  for (char& c : platformFilter_)
    if (c == '|') c = '\0';
  if (platformFilter_.empty() || platformFilter_.back() != '\0') platformFilter_ += '\0';
}

void cCommonDlg::ShowFile(int kind) {
  if (!form_ || !form_->env.dialogs) return;  // nothing to show it on: quietly nothing

  FileDialogArgs args;
  args.save = kind == kSave;
  args.title = dialogTitle_;
  args.fileName = FirstChars(fileName_, kFileNameChars);
  args.filter = platformFilter_;
  args.defaultExt = defaultExt_;
  args.initDir = initDir_;
  args.flags = static_cast<std::uint32_t>(flags_);

  std::optional<std::string> chosen = form_->env.dialogs->ChooseFile(args);
  if (!chosen) {
    if (cancelError_) fileName_.clear();
    return;
  }
  std::string path = chosen->substr(0, chosen->find(std::string(2, '\0')));
  const std::string ext = ExtensionText(defaultExt_);
  if (!path.empty() && !ext.empty() && !HasExtension(path)) path += "." + ext;
  fileName_ = path;
}

}  // namespace kaveta
