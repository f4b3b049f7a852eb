// The OK command's save of Kaveta.INI and koumoku.INI when the files or the
// disk are not as they should be: nothing the user had is lost, nothing is
// dropped without a word, and the pair never parts.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>
#include <vector>

#include "output/ok_command.h"
#include "output/output_fixture.h"
#include "settings/catalogue.h"
#include "settings/settings_file.h"

namespace kaveta {
namespace {

using testing::Harness;

const char* const kIni = "/app/Kaveta.INI";
const char* const kRows = "/app/koumoku.INI";
const std::string kOldIni = "[kihon]\r\nKeta=2\r\n[User]\r\nmine=1\r\n";
const std::string kOldRows = "[koumokusuu]\r\nkoumokusuu=1\r\n";

const char* const kUnreadIni =
    "設定ファイル（Kaveta.INI）を読み込めなかったため、設定を保存しませんでした。";
const char* const kUnreadRows =
    "設定ファイル（koumoku.INI）を読み込めなかったため、設定を保存しませんでした。";
const char* const kUnreadBoth =
    "設定ファイル（Kaveta.INI、koumoku.INI）を読み込めなかったため、設定を保存しませんでした。";
const char* const kFailedIni =
    "設定を保存できませんでした（Kaveta.INI）。ディスクの空きと書き込みの権限を確かめてください。";
const char* const kFailedRows =
    "設定を保存できませんでした（koumoku.INI）。ディスクの空きと書き込みの権限を確かめてください。";
const char* const kFailedBoth =
    "設定を保存できませんでした（Kaveta.INI、koumoku.INI）。"
    "ディスクの空きと書き込みの権限を確かめてください。";

struct OkRun {
  Harness h;
  Kaveta k;
  explicit OkRun(RunMode mode) : k(h.Make(mode)) {
    testing::PointZFileAt(h);
    testing::SetPanel(k);
    testing::WorkedExampleRows(k);
    k.state.exchangeRead = true;
    h.files.files[kIni] = kOldIni;
    h.files.files[kRows] = kOldRows;
  }
};

struct FaultCase {
  const char* name;
  std::function<void(OkRun&)> fault;
  const char* message;  // the one message before the hand-off; null: none
  bool saved;           // both files replaced; otherwise both as they were
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

const FaultCase kCases[] = {
    {"no_fault", [](OkRun&) {}, nullptr, true},
    {"absent_files_are_created",
     [](OkRun& r) {
       r.h.files.files.erase(kIni);
       r.h.files.files.erase(kRows);
     },
     nullptr, true},
    {"settings_unreadable", [](OkRun& r) { r.h.files.unreadable.insert(kIni); }, kUnreadIni, false},
    {"rows_unreadable", [](OkRun& r) { r.h.files.unreadable.insert(kRows); }, kUnreadRows, false},
    {"both_unreadable",
     [](OkRun& r) {
       r.h.files.unreadable.insert(kIni);
       r.h.files.unreadable.insert(kRows);
     },
     kUnreadBoth, false},
    // Unreadable when the run started, readable by OK: the window holds none
    // of the user's settings, so they are still not written over.
    {"settings_unreadable_at_start",
     [](OkRun& r) {
       r.h.files.unreadable.insert(kIni);
       loadINI(r.k, kIni);
       r.h.files.unreadable.clear();
     },
     kUnreadIni, false},
    {"rows_unreadable_at_start",
     [](OkRun& r) {
       r.h.files.unreadable.insert(kRows);
       loadKoumoku(r.k, kRows);
       r.h.files.unreadable.clear();
     },
     kUnreadRows, false},
    // Refused when put in place (read-only, no permission): the other file
    // of the pair, though it could be written, stays as it was.
    {"settings_refused", [](OkRun& r) { r.h.files.refuseWrites = {kIni}; }, kFailedIni, false},
    {"rows_refused", [](OkRun& r) { r.h.files.refuseWrites = {kRows}; }, kFailedRows, false},
    {"both_refused", [](OkRun& r) { r.h.files.refuseWrites = {kIni, kRows}; }, kFailedBoth, false},
};

class StoredFilesFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(StoredFilesFault, OutputWrittenSettingsSavedBothOrNeitherAndSaid) {
  const FaultCase& c = GetParam();
  for (RunMode mode : {RunMode::AreaNewTable, RunMode::LayerNamingExternal}) {
    OkRun r(mode);
    c.fault(r);
    EXPECT_EQ(RunOkCommand(r.k), OkOutcome::Written);
    EXPECT_TRUE(r.h.files.files.count(testing::kZTemp)) << "the output stays written";
    EXPECT_TRUE(r.k.closed);
    EXPECT_EQ(r.h.host.calls, 1) << "the hand-off follows as always";
    if (c.message) {
      ASSERT_EQ(r.h.dialogs.Texts(), std::vector<std::string>{c.message});
    } else {
      EXPECT_TRUE(r.h.dialogs.messages.empty());
    }
    const bool iniOld = r.h.files.files.count(kIni) && r.h.files.files.at(kIni) == kOldIni;
    const bool rowsOld = r.h.files.files.count(kRows) && r.h.files.files.at(kRows) == kOldRows;
    if (c.saved) {
      EXPECT_FALSE(iniOld);
      EXPECT_FALSE(rowsOld);
      EXPECT_TRUE(r.h.files.files.count(kIni) && r.h.files.files.count(kRows));
    } else if (!r.h.files.unreadable.count(kIni) && !r.h.files.unreadable.count(kRows)) {
      const bool iniWasThere = std::string(c.name) != "absent_files_are_created";
      EXPECT_EQ(iniOld, iniWasThere);
      EXPECT_EQ(rowsOld, iniWasThere);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Faults, StoredFilesFault, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FaultCase>& info) {
                           return std::string(info.param.name);
                         });

// Out of memory while reading unwinds to the front end; nothing is saved.
TEST(StoredFiles, OutOfMemoryWhileSavingReplacesNothing) {
  OkRun r(RunMode::AreaNewTable);
  r.h.files.outOfMemory.insert(kRows);
  EXPECT_THROW(RunOkCommand(r.k), std::bad_alloc);
  EXPECT_EQ(r.h.files.files.at(kIni), kOldIni);
  EXPECT_EQ(r.h.files.files.at(kRows), kOldRows);
}

}  // namespace
}  // namespace kaveta
