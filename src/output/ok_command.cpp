#include "output/ok_command.h"

#include <optional>

#include "output/area_table.h"
#include "output/mode_outputs.h"
#include "output/output_writer.h"
#include "settings/catalogue.h"
#include "settings/settings_file.h"

namespace kaveta {
namespace {

// The regrouping outputs begin with "hd", which makes the host delete the
// selection; without the figures read back they would be lost.
constexpr const char* kNotReadMessage =
    "TEMP.TXTを読み込んでいないため、図形を書き出しません。\r\n"
    "選択した図形が消えないよう、jwwの外部変形からもう一度起動してください。";

std::string NotWrittenMessage(const std::string& path) {
  return "出力ファイル「" + path + "」を作成できませんでした。\r\n" +
         "フォルダがあるか、書き込みできるかを確かめてください。";
}

// The host reads JWC_TEMP.TXT after the tool ends, and its "hd" would
// replace the selection with an earlier run's figures: when this run writes
// none, no old file may stay behind.
void DropStaleRegroupOutput(Kaveta& k) {
  k.env.files->Remove(k.env.InProgramFolder("JWC_TEMP.TXT"));
}

void ClosingMessage(int rows, std::int64_t solids, OutputText& out) {
  out.Item("h# " + std::to_string(rows) + "色 " + std::to_string(solids) +
           "個のソリッド図形の面積を測定・作表しました。 ");
}

void ApplyCaptions(Kaveta& k, const LayerNamingChanges& changes) {
  for (std::size_t r = 1; r <= kRows; ++r) k.ui.txtname[r].text = changes.captions[r];
}

}  // namespace

int CountRowsInUse(const Kaveta& k) {
  int n = 0;
  for (std::size_t i = 1; i <= kRows; ++i)
    if (!k.ui.txtname[i].text.empty() || k.ui.Lblpic[i].backColour != k.state.backgroundColour) ++n;
  return n;
}

// The whole text is composed before anything is written, and the window
// and run state change only once the file is in place, so a refused write
// leaves everything as it was and OK can simply be pressed again.
OkOutcome RunOkCommand(Kaveta& k) {
  const std::int64_t solidCount = k.state.nextSolid > 1 ? k.state.nextSolid - 1 : 0;
  const RunMode mode = k.runMode;
  OutputText out;
  std::optional<LayerNamingChanges> renamed;
  std::optional<TableInputs> table;

  const auto readTable = [&]() {
    TableInputs in;
    std::string problem;
    if (!ReadTableInputs(k, in, problem)) {
      k.Message(problem, MsgIcon::Exclamation);
      return false;
    }
    table = in;
    return true;
  };

  if (IsRegroupMode(mode)) {
    if (!k.state.exchangeRead) {
      DropStaleRegroupOutput(k);
      k.Message(kNotReadMessage, MsgIcon::Exclamation);
      return OkOutcome::NotWritten;
    }
    if (mode == RunMode::ColourChange)
      ColourChange(k, out);
    else if (mode == RunMode::LayerSort)
      LayerSort(k, out);
    else
      OverlapOrder(k, out);
  } else if (mode == RunMode::LayerNaming) {
    renamed = LayerNaming(k, out);
  } else if (mode == RunMode::LayerNamingExternal) {
    if (!readTable()) return OkOutcome::NotWritten;
    renamed = LayerNamingExternal(k, out);
    TableContent content;
    content.names = renamed->captions;
    content.title = renamed->title;
    ComposeAreaTable(k, *table, content, solidCount, out);
    ClosingMessage(kRows, solidCount, out);
  } else {
    if (!readTable()) return OkOutcome::NotWritten;
    const TableContent content = TableContentFromWindow(k);
    ComposeAreaTable(k, *table, content, solidCount, out);
    ClosingMessage(TableRowsInUse(k, content), solidCount, out);
  }

  const std::string path = ExchangeOutputPath(k);
  if (!WriteExchangeOutput(k, path, out.text())) {
    if (IsRegroupMode(mode)) DropStaleRegroupOutput(k);
    k.Message(NotWrittenMessage(path), MsgIcon::Critical);
    return OkOutcome::NotWritten;
  }

  if (table && !k.ui.Combo1[3].text.empty()) k.state.currentTextKind = table->textKindText;
  if (renamed) {
    ApplyCaptions(k, *renamed);
    if (mode == RunMode::LayerNamingExternal) k.ui.txtHyoumei.text = renamed->title;
  }
  if (IsTableMode(mode) || mode == RunMode::LayerNamingExternal) {
    saveINI(k, k.env.InProgramFolder("Kaveta.INI"));
    saveKoumoku(k, k.env.InProgramFolder("koumoku.INI"));
  }
  if (!IsRegroupMode(mode)) k.env.host->Zkakikomi();
  k.closed = true;
  return OkOutcome::Written;
}

}  // namespace kaveta
