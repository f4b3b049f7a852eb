// Runs the console program in temporary program folders, one per run mode,
// and compares the files it writes with expected files checked by hand.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/encoding.h"
#include "text/lines.h"

namespace kaveta {
namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(KAVETA_TEST_DATA) / "e2e" / "data";
const fs::path kExpected = fs::path(KAVETA_TEST_DATA) / "e2e" / "expected";

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// A readable first difference of two Shift_JIS files.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  const std::string e = Cp932ToUtf8(expected), a = Cp932ToUtf8(actual);
  const auto el = SplitLines(e), al = SplitLines(a);
  for (std::size_t i = 0; i < std::max(el.size(), al.size()); ++i) {
    const std::string_view x = i < el.size() ? el[i] : "<none>";
    const std::string_view y = i < al.size() ? al[i] : "<none>";
    if (x != y)
      return "line " + std::to_string(i + 1) + ": expected [" + std::string(x) + "] got [" +
             std::string(y) + "]";
  }
  return "same lines, different bytes (line ends?)";
}

struct ProgramRun {
  fs::path folder;   // the program folder
  fs::path zfolder;  // the host's coordinate-file folder
  int status = -1;
  std::string messages;  // standard error
};

// Copies the program and the case's files into a fresh folder and runs it
// from another current folder, so only the program's own folder counts.
ProgramRun RunCase(const std::string& dataCase, const std::string& words,
                   bool hostFolderExists = true,
                   const std::function<void(const ProgramRun&)>& before = nullptr) {
  ProgramRun run;
  run.folder =
      fs::temp_directory_path() / ("kaveta-e2e-" + std::to_string(::getpid()) + "-" + dataCase);
  fs::remove_all(run.folder);
  fs::create_directories(run.folder);
  run.zfolder = run.folder / "jww";
  if (hostFolderExists) fs::create_directory(run.zfolder);

  fs::copy_file(KAVETA_EXE, run.folder / "kaveta");
  fs::copy_file(kData / "kaveta.lst", run.folder / "kaveta.lst");
  for (const auto& entry : fs::directory_iterator(kData / dataCase))
    fs::copy_file(entry.path(), run.folder / entry.path().filename());
  std::string registry = ReadBytes(kData / "registry.ini");
  registry.replace(registry.find("@ZFILE@"), 7, run.zfolder.string());
  WriteBytes(run.folder / "registry.ini", registry);

  if (before) before(run);

  const fs::path err = run.folder / "stderr.txt";
  const std::string command =
      "cd / && '" + (run.folder / "kaveta").string() + "' " + words + " 2>'" + err.string() + "'";
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.messages = ReadBytes(err);  // the console prints UTF-8
  return run;
}

void ExpectFile(const fs::path& actual, const fs::path& expected) {
  ASSERT_TRUE(fs::exists(actual)) << actual;
  const std::string want = ReadBytes(expected), got = ReadBytes(actual);
  EXPECT_TRUE(want == got) << actual.filename() << ": " << FirstDifference(want, got);
}

void ExpectUnchanged(const ProgramRun& run, const std::string& dataCase, const std::string& name) {
  ExpectFile(run.folder / name, kData / dataCase / name);
}

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

struct ModeCase {
  const char* dataCase;
  const char* words;
  const char* output;  // file name; ZTEMP.TXT goes to the host folder
  bool saves;          // Kaveta.INI and koumoku.INI are saved
};

void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.dataCase << " [" << c.words << "]"; }

class ConsoleRun : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ConsoleRun, WritesTheExpectedFiles) {
  const ModeCase& c = GetParam();
  const ProgramRun run = RunCase(c.dataCase, c.words);
  EXPECT_EQ(run.status, 0) << run.messages;
  const bool ztemp = std::string(c.output) == "ZTEMP.TXT";
  ExpectFile((ztemp ? run.zfolder : run.folder) / c.output, kExpected / c.dataCase / c.output);
  // Never the other place.
  EXPECT_FALSE(fs::exists(run.folder / "ZTEMP.TXT"));
  EXPECT_FALSE(fs::exists(run.zfolder / "JWC_TEMP.TXT"));
  if (ztemp) {
    EXPECT_FALSE(fs::exists(run.folder / "JWC_TEMP.TXT"));
  }
  // The hand-off finds no host here and says so; the regrouping modes
  // have no hand-off.
  EXPECT_EQ(run.messages.find("jwwを起動してください") != std::string::npos, ztemp) << run.messages;

  if (c.saves) {
    ExpectFile(run.folder / "Kaveta.INI", kExpected / c.dataCase / "Kaveta.INI");
    ExpectFile(run.folder / "koumoku.INI", kExpected / c.dataCase / "koumoku.INI");
  } else {
    ExpectUnchanged(run, c.dataCase, "Kaveta.INI");
    EXPECT_FALSE(fs::exists(run.folder / "koumoku.INI"));
  }
  // Nothing else is left behind, temporary files of the writes included.
  std::set<std::string> expectedNames = {"kaveta",     "kaveta.lst", "registry.ini",
                                         "stderr.txt", "jww",        "Kaveta.INI"};
  for (const auto& entry : fs::directory_iterator(kData / c.dataCase))
    expectedNames.insert(entry.path().filename().string());
  if (c.saves) expectedNames.insert("koumoku.INI");
  if (!ztemp) expectedNames.insert(c.output);
  EXPECT_EQ(Names(run.folder), expectedNames);
  EXPECT_EQ(Names(run.zfolder), ztemp ? std::set<std::string>{c.output} : std::set<std::string>{});
  fs::remove_all(run.folder);
}

INSTANTIATE_TEST_SUITE_P(Modes, ConsoleRun,
                         ::testing::Values(ModeCase{"area_new", "C2", "ZTEMP.TXT", true},
                                           // 切り捨て and the totals row from Kaveta.INI
                                           ModeCase{"area_new_cut_total", "C2", "ZTEMP.TXT", true},
                                           // the triangle breakdown with its total
                                           ModeCase{"area_new_breakdown", "C2", "ZTEMP.TXT", true},
                                           ModeCase{"area_previous", "/C1", "ZTEMP.TXT", true},
                                           // roles in the row file, the summary from Kaveta.INI
                                           ModeCase{"area_previous_summary", "C1", "ZTEMP.TXT",
                                                    true},
                                           ModeCase{"table_design", "M6", "ZTEMP.TXT", true},
                                           ModeCase{"colour_change", "M3", "JWC_TEMP.TXT", false},
                                           ModeCase{"layer_sort", "M4", "JWC_TEMP.TXT", false},
                                           ModeCase{"overlap_order", "M5", "JWC_TEMP.TXT", false},
                                           ModeCase{"layer_naming_ext", "M7", "ZTEMP.TXT", true},
                                           ModeCase{"layer_naming", "", "ZTEMP.TXT", false}),
                         [](const ::testing::TestParamInfo<ModeCase>& info) {
                           return std::string(info.param.dataCase);
                         });

TEST(ConsoleRunFailure, MissingHostFolderWritesAndSavesNothing) {
  const ProgramRun run = RunCase("area_new", "C2", /*hostFolderExists=*/false);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.messages.find("ZTEMP.TXT」を作成できませんでした"), std::string::npos)
      << run.messages;
  EXPECT_FALSE(fs::exists(run.zfolder));
  ExpectUnchanged(run, "area_new", "Kaveta.INI");
  ExpectUnchanged(run, "area_new", "koumoku.INI");
  fs::remove_all(run.folder);
}

TEST(ConsoleRunFailure, RegroupingWithoutInputWritesNothing) {
  const ProgramRun run = RunCase("regroup_no_input", "M3");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.messages.find("TEMP.TXTが無がありません、jwwの外変から起動してください"),
            std::string::npos);
  EXPECT_NE(run.messages.find("TEMP.TXTを読み込んでいないため"), std::string::npos);
  EXPECT_FALSE(fs::exists(run.folder / "JWC_TEMP.TXT"));
  ExpectUnchanged(run, "regroup_no_input", "Kaveta.INI");
  fs::remove_all(run.folder);
}

TEST(ConsoleRunFailure, UnusableTableSettingsWriteAndSaveNothing) {
  const ProgramRun run = RunCase("bad_table_settings", "M6");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.messages.find("「ソリッドの幅 , 文字と枠の隙間高 ,〃幅,レイヤ」"),
            std::string::npos)
      << run.messages;
  EXPECT_FALSE(fs::exists(run.zfolder / "ZTEMP.TXT"));
  EXPECT_FALSE(fs::exists(run.folder / "koumoku.INI"));
  ExpectUnchanged(run, "bad_table_settings", "Kaveta.INI");
  fs::remove_all(run.folder);
}

// Faults of the files around a run: what the run writes and what it leaves.
struct FileFault {
  const char* name;
  std::function<void(const ProgramRun&)> fault;
  int status;
  const char* message;  // on standard error; "" for none beyond the hand-off's
  bool outputWritten;
  bool pairSaved;  // Kaveta.INI and koumoku.INI as expected; else unchanged
};

void PrintTo(const FileFault& c, std::ostream* os) { *os << c.name; }

void MakeReadOnly(const fs::path& path) {
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read,
                  fs::perm_options::replace);
}

const FileFault kFileFaults[] = {
    // Left by interrupted runs: removed, and the run as usual.
    {"leftover_temporary_files",
     [](const ProgramRun& r) {
       for (const fs::path& p : {r.folder / "Kaveta.INI.kaveta-tmp",
                                 r.folder / "koumoku.INI.kaveta-tmp",
                                 r.zfolder / "ZTEMP.TXT.kaveta-tmp"})
         WriteBytes(p, std::string(3000, 'x'));
     },
     0, "", true, true},
    // A folder under the settings file's name cannot be read by anyone.
    {"settings_file_unreadable",
     [](const ProgramRun& r) {
       fs::remove(r.folder / "Kaveta.INI");
       fs::create_directory(r.folder / "Kaveta.INI");
     },
     0, "KAVETA: 設定ファイル（Kaveta.INI）を読み込めなかったため、設定を保存しませんでした。",
     true, false},
    {"row_file_read_only", [](const ProgramRun& r) { MakeReadOnly(r.folder / "koumoku.INI"); }, 0,
     "KAVETA: 設定を保存できませんでした（koumoku.INI）。"
     "ディスクの空きと書き込みの権限を確かめてください。",
     true, false},
    {"output_read_only",
     [](const ProgramRun& r) {
       WriteBytes(r.zfolder / "ZTEMP.TXT", "earlier");
       MakeReadOnly(r.zfolder / "ZTEMP.TXT");
     },
     1, "ZTEMP.TXT」を作成できませんでした", false, false},
    {"empty_host_folder",
     [](const ProgramRun& r) {
       std::string registry = ReadBytes(r.folder / "registry.ini");
       const std::string zfile = "ZFILE=" + r.zfolder.string();
       registry.replace(registry.find(zfile), zfile.size(), "ZFILE=");
       WriteBytes(r.folder / "registry.ini", registry);
     },
     1, "KAVETA: 出力ファイル「/ZTEMP.TXT」を作成できませんでした。", false, false},
};

class ConsoleFileFault : public ::testing::TestWithParam<FileFault> {};

TEST_P(ConsoleFileFault, NothingLostNothingSilent) {
  const FileFault& c = GetParam();
  const bool rootHadOutput = fs::exists("/ZTEMP.TXT");
  std::string settingsBefore;
  const ProgramRun run = RunCase("area_new", "C2", true, [&](const ProgramRun& r) {
    c.fault(r);
    if (fs::is_regular_file(r.folder / "Kaveta.INI")) settingsBefore = ReadBytes(r.folder / "Kaveta.INI");
  });
  EXPECT_EQ(run.status, c.status) << run.messages;
  EXPECT_NE(run.messages.find(c.message), std::string::npos) << run.messages;
  if (std::string(c.name) == "settings_file_unreadable") {
    EXPECT_TRUE(fs::is_directory(run.folder / "Kaveta.INI"));
  }
  if (c.outputWritten) {
    // Without its settings file the run draws with the built-in settings.
    if (!settingsBefore.empty())
      ExpectFile(run.zfolder / "ZTEMP.TXT", kExpected / "area_new" / "ZTEMP.TXT");
    EXPECT_TRUE(fs::exists(run.zfolder / "ZTEMP.TXT"));
  } else if (fs::exists(run.zfolder / "ZTEMP.TXT")) {
    EXPECT_EQ(ReadBytes(run.zfolder / "ZTEMP.TXT"), "earlier");
  }
  if (c.pairSaved) {
    ExpectFile(run.folder / "Kaveta.INI", kExpected / "area_new" / "Kaveta.INI");
    ExpectFile(run.folder / "koumoku.INI", kExpected / "area_new" / "koumoku.INI");
  } else {
    if (!settingsBefore.empty()) {
      EXPECT_EQ(ReadBytes(run.folder / "Kaveta.INI"), settingsBefore);
    }
    ExpectUnchanged(run, "area_new", "koumoku.INI");
  }
  // Never the root of the drive; no temporary file anywhere.
  EXPECT_EQ(fs::exists("/ZTEMP.TXT"), rootHadOutput);
  for (const fs::path& folder : {run.folder, run.zfolder})
    for (const std::string& name : Names(folder))
      EXPECT_EQ(name.find(".kaveta-tmp"), std::string::npos) << name;
  fs::remove_all(run.folder);
}

INSTANTIATE_TEST_SUITE_P(Faults, ConsoleFileFault, ::testing::ValuesIn(kFileFaults),
                         [](const ::testing::TestParamInfo<FileFault>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace kaveta
