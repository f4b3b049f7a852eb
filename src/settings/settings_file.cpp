#include "settings/settings_file.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "settings/catalogue.h"
#include "settings/check_effects.h"
#include "number/number_text.h"
#include "settings/ini_file.h"
#include "text/ascii.h"

namespace kaveta {
namespace {

static_assert(std::is_same_v<decltype(Kaveta::itemAlignment), int> &&
                  std::is_same_v<decltype(Kaveta::tableStyle), int>,
              "the number entries share one slot type");

enum class Kind {
  Check,  // check box value, "0" or "1"
  Text,   // control text as it is, possibly empty
  Int16,  // program value read through a 16-bit conversion
  Flag,   // "True" / "False"
  // Options added later: written only when not at their default and
  // deleted when back at it, so files of default settings keep their bytes;
  // absent, empty or unknown values read as the default (0 unless the
  // entry names another).
  OptionNumber,  // program value 0..highest
  OptionCheck,   // check box, "1" when ticked
  OptionText,    // control text, written only when not empty
};

// Where an entry lives: exactly one member is set, matching the kind.
struct Slot {
  Control* control = nullptr;
  int* number = nullptr;
  bool* flag = nullptr;
};

struct Entry {
  const char* section;
  const char* key;
  Kind kind;
  Slot (*slot)(Kaveta&);
  void (*onChange)(Kaveta&) = nullptr;  // what a click on the box would do
  int highest = 1;                        // OptionNumber
  int fallback = 0;                       // OptionNumber: its default
};

// The one description of the settings file: loading, saving and the order of
// a new file all come from this table, so the format can only round-trip.
const std::array<Entry, 31> kEntries = {{
    {"Grid", "Sotowaku", Kind::Check, [](Kaveta& k) { return Slot{.control = &k.ui.ckKeisen[0]}; },
     [](Kaveta& k) { ApplyKeisenEnabled(k, 0); }},
    {"Grid", "Soto_lc", Kind::Text, [](Kaveta& k) { return Slot{.control = &k.ui.Combo1[1]}; }},
    {"Grid", "Soto_lt", Kind::Text, [](Kaveta& k) { return Slot{.control = &k.ui.Combo1[9]}; }},
    {"Grid", "Soto_ly", Kind::Text, [](Kaveta& k) { return Slot{.control = &k.ui.Combo1[5]}; }},
    {"Grid", "Tatesen", Kind::Check, [](Kaveta& k) { return Slot{.control = &k.ui.ckKeisen[1]}; },
     [](Kaveta& k) { ApplyKeisenEnabled(k, 1); }},
    {"Grid", "Tate_lc", Kind::Text, [](Kaveta& k) { return Slot{.control = &k.ui.Combo1[2]}; }},
    {"Grid", "Tate_lt", Kind::Text, [](Kaveta& k) { return Slot{.control = &k.ui.Combo1[10]}; }},
    {"Grid", "Tate_ly", Kind::Text, [](Kaveta& k) { return Slot{.control = &k.ui.Combo1[6]}; }},
    {"Grid", "Yokosen", Kind::Check, [](Kaveta& k) { return Slot{.control = &k.ui.ckKeisen[2]}; },
     [](Kaveta& k) { ApplyKeisenEnabled(k, 2); }},
    {"Grid", "Yoko_lc", Kind::Text, [](Kaveta& k) { return Slot{.control = &k.ui.Combo1[7]}; }},
    {"Grid", "Yoko_lt", Kind::Text, [](Kaveta& k) { return Slot{.control = &k.ui.Combo1[11]}; }},
    {"Grid", "Yoko_ly", Kind::Text, [](Kaveta& k) { return Slot{.control = &k.ui.Combo1[8]}; }},
    {"Moji", "Mojishu", Kind::Text, [](Kaveta& k) { return Slot{.control = &k.ui.Combo1[3]}; }},
    {"Moji", "Moji_ly", Kind::Text, [](Kaveta& k) { return Slot{.control = &k.ui.Combo1[4]}; }},
    {"kihon", "Tani", Kind::Text, [](Kaveta& k) { return Slot{.control = &k.ui.cbTaniD}; }},
    {"kihon", "Keta", Kind::Text, [](Kaveta& k) { return Slot{.control = &k.ui.Comboketa}; }},
    {"kihon", "Sonota", Kind::Text, [](Kaveta& k) { return Slot{.control = &k.ui.Text2}; }},
    {"kihon", "Utiwakemenseki", Kind::Check,
     [](Kaveta& k) { return Slot{.control = &k.ui.chkUTIWAKE[0]}; }},
    {"kihon", "Toosibango", Kind::Check,
     [](Kaveta& k) { return Slot{.control = &k.ui.chkUTIWAKE[1]}; }},
    {"kihon", "tensoType", Kind::Int16, [](Kaveta& k) { return Slot{.number = &k.tableStyle}; }},
    {"kihon", "blKoumokuwrt", Kind::Flag,
     [](Kaveta& k) { return Slot{.flag = &k.writeItemCatalogue}; }},
    {"kihon", "intYose", Kind::Int16, [](Kaveta& k) { return Slot{.number = &k.itemAlignment}; }},
    {"kihon", "mZtext", Kind::Check, [](Kaveta& k) { return Slot{.control = &k.ui.chkM}; }},
    {"kihon", "chkC", Kind::Check, [](Kaveta& k) { return Slot{.control = &k.ui.chkC}; },
     [](Kaveta& k) { ApplyNameCase(k); }},
    {"kihon", "Hasuu", Kind::OptionNumber, [](Kaveta& k) { return Slot{.number = &k.roundingMode}; },
     [](Kaveta& k) { ApplyRoundingMode(k, k.roundingMode); }, 2},
    {"kihon", "Goukei", Kind::OptionCheck,
     [](Kaveta& k) { return Slot{.control = &k.ui.chkGoukei}; }},
    {"kihon", "Sansha", Kind::OptionCheck,
     [](Kaveta& k) { return Slot{.control = &k.ui.chkSansha}; }},
    {"kihon", "Gaiyou", Kind::OptionCheck,
     [](Kaveta& k) { return Slot{.control = &k.ui.chkGaiyou}; },
     [](Kaveta& k) { ApplySummaryColumn(k); }},
    {"kihon", "Kenpei", Kind::OptionText,
     [](Kaveta& k) { return Slot{.control = &k.ui.txtKenpei}; }},
    {"kihon", "Youseki", Kind::OptionText,
     [](Kaveta& k) { return Slot{.control = &k.ui.txtYouseki}; }},
    {"kihon", "HiritsuHasuu", Kind::OptionNumber,
     [](Kaveta& k) { return Slot{.number = &k.ratioRounding}; },
     [](Kaveta& k) { ApplyRatioRounding(k, k.ratioRounding); }, 2, 2},
}};

// "True" / "False" in any case, or a number (0 is false).
bool ParseFlag(const std::string& text, bool& out) {
  double number = 0;
  if (EqualsNoCase(text, "true")) {
    out = true;
    return true;
  }
  if (EqualsNoCase(text, "false")) {
    out = false;
    return true;
  }
  if (!ParseDouble(text, number)) return false;
  out = number != 0;
  return true;
}

// Assigns one stored value; a value that does not convert leaves the slot as
// it was.
void LoadEntry(Kaveta& k, const Entry& e, const std::string& text) {
  const Slot slot = e.slot(k);
  std::int32_t number = 0;
  switch (e.kind) {
    case Kind::Text: slot.control->text = text; return;
    case Kind::Check:
      // A check box takes only cleared or ticked.
      if (!StoredWholeNumber(text, -32768, 32767, number) || number < 0 || number > 1) return;
      if (slot.control->value == number) return;
      slot.control->value = number;
      if (e.onChange) e.onChange(k);
      return;
    case Kind::Int16:
      if (StoredWholeNumber(text, -32768, 32767, number)) *slot.number = number;
      return;
    case Kind::Flag: ParseFlag(text, *slot.flag); return;
    case Kind::OptionText: slot.control->text = text; return;
    case Kind::OptionNumber:
    case Kind::OptionCheck: {
      if (!StoredWholeNumber(text, 0, e.highest, number)) number = e.fallback;
      int& value = e.kind == Kind::OptionNumber ? *slot.number : slot.control->value;
      value = number;
      if (e.onChange) e.onChange(k);
      return;
    }
  }
}

std::string SavedText(Kaveta& k, const Entry& e) {
  const Slot slot = e.slot(k);
  switch (e.kind) {
    case Kind::Text: return slot.control->text;
    case Kind::Check: return std::to_string(slot.control->value);
    case Kind::Int16: return std::to_string(*slot.number);
    case Kind::Flag: return *slot.flag ? "True" : "False";
    case Kind::OptionNumber: return std::to_string(*slot.number);
    case Kind::OptionCheck: return std::to_string(slot.control->value);
    case Kind::OptionText: return slot.control->text;
  }
  return std::string();
}

bool AtDefault(Kaveta& k, const Entry& e) {
  const Slot slot = e.slot(k);
  if (e.kind == Kind::OptionNumber) return *slot.number == e.fallback;
  if (e.kind == Kind::OptionText) return slot.control->text.empty();
  if (e.kind == Kind::OptionCheck) return slot.control->value == 0;
  return false;
}

// The preview's place belongs to this program's own settings file, not to
// table files; it is written only by a run that showed the preview, so a
// file of a run that never did keeps its bytes.
constexpr const char* kPreviewSection = "Preview";
constexpr const char* kPreviewKeys[4] = {"Left", "Top", "Width", "Height"};

void LoadPreviewPlace(Kaveta& k, const IniBatch& file) {
  std::int32_t v[4] = {};
  for (int i = 0; i < 4; ++i)
    if (!StoredWholeNumber(file.Read(kPreviewSection, kPreviewKeys[i]), -32768, 32767, v[i])) return;
  if (v[2] <= 0 || v[3] <= 0) return;
  k.preview.stored = true;
  k.preview.left = v[0];
  k.preview.top = v[1];
  k.preview.width = v[2];
  k.preview.height = v[3];
}

void SavePreviewPlace(const Kaveta& k, IniBatch& file) {
  if (!k.preview.opened) return;
  const int v[4] = {k.preview.left, k.preview.top, k.preview.width, k.preview.height};
  for (int i = 0; i < 4; ++i) file.Write(kPreviewSection, kPreviewKeys[i], std::to_string(v[i]));
}

}  // namespace

void loadINI(Kaveta& k, const IniBatch& file) {
  // A file that is not there is no settings file at all: keep the window as
  // it is rather than emptying every text box.
  if (!file.FileExisted()) return;
  for (const Entry& e : kEntries) LoadEntry(k, e, file.Read(e.section, e.key));
}

void saveINI(Kaveta& k, IniBatch& file) {
  for (const Entry& e : kEntries) {
    if (AtDefault(k, e))
      file.Delete(e.section, e.key);
    else
      file.Write(e.section, e.key, SavedText(k, e));
  }
}

void loadINI(Kaveta& k, const std::string& iniFileName) {
  const IniBatch file(k.env, iniFileName);
  if (file.Unreadable()) k.settingsUnread = true;
  loadINI(k, file);
  if (file.FileExisted()) LoadPreviewPlace(k, file);
}

bool saveINI(Kaveta& k, const std::string& iniFileName) {
  IniBatch file(k.env, iniFileName);
  saveINI(k, file);
  SavePreviewPlace(k, file);
  return file.Commit();
}

}  // namespace kaveta

namespace kaveta {
namespace {

constexpr const char* kSettingsName = "Kaveta.INI";
constexpr const char* kRowsName = "koumoku.INI";

std::string Named(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& n : names) text += (text.empty() ? "" : "、") + n;
  return text;
}

// Writes and prepares one file of the pair; nothing is put in place yet.
std::unique_ptr<FileWriter> Stage(FileSystem& files, const IniBatch& file) {
  std::unique_ptr<FileWriter> writer = files.BeginReplace(file.Path());
  if (writer && writer->Write(file.Bytes()) && writer->Prepare()) return writer;
  return nullptr;
}

}  // namespace

bool SaveSettingsAndRows(Kaveta& k) {
  IniBatch settings(k.env, k.env.InProgramFolder(kSettingsName));
  IniBatch rows(k.env, k.env.InProgramFolder(kRowsName));
  std::vector<std::string> unread;
  if (k.settingsUnread || settings.Unreadable()) unread.push_back(kSettingsName);
  if (k.rowsUnread || rows.Unreadable()) unread.push_back(kRowsName);
  if (!unread.empty()) {
    k.Message("設定ファイル（" + Named(unread) + "）を読み込めなかったため、設定を保存しませんでした。",
              MsgIcon::Exclamation);
    return false;
  }

  saveINI(k, settings);
  SavePreviewPlace(k, settings);
  saveKoumoku(k, rows);
  // Both temporary files are complete before either replaces its target:
  // a pair that does not belong together is never left.
  std::vector<std::string> failed;
  std::unique_ptr<FileWriter> settingsFile, rowsFile;
  if (k.env.files) {
    settingsFile = Stage(*k.env.files, settings);
    rowsFile = Stage(*k.env.files, rows);
  }
  if (!settingsFile) failed.push_back(kSettingsName);
  if (!rowsFile) failed.push_back(kRowsName);
  if (failed.empty()) {
    if (!settingsFile->Commit()) failed.push_back(kSettingsName);
    if (!rowsFile->Commit()) failed.push_back(kRowsName);
  }
  if (failed.empty()) return true;
  k.Message("設定を保存できませんでした（" + Named(failed) +
                "）。ディスクの空きと書き込みの権限を確かめてください。",
            MsgIcon::Exclamation);
  return false;
}

}  // namespace kaveta
