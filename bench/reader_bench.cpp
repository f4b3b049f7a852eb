// Throughput of the exchange-input reader on a large selection, next to the
// floor of any reader: splitting the same bytes into lines and fields and
// converting every numeric field.
//
//   kaveta_bench                          both benchmarks (MB/s in bytes_per_second)
//   kaveta_bench --peak-memory            one read, then the peak resident memory
//   kaveta_bench --write-selection FILE   the selection as TEMP.TXT, for whole runs
//   kaveta_bench --floor FILE             the floor's work on a file, as a whole
//                                         process to time a whole run against
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "startup/read_input.h"
#include "platform/encoding.h"
#include "text/lines.h"
#include "ui/kaveta.h"

namespace {

using kaveta::Kaveta;
using kaveta::RunMode;

constexpr int kSolids = 200000;

// A fixed pseudo-random sequence, so every run reads the same bytes.
struct Sequence {
  std::uint64_t state = 0x2545F4914F6CDD1DULL;
  std::uint32_t Next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return static_cast<std::uint32_t>(state >> 16);
  }
};

// A coordinate as the host writes it: millimetres with three decimals.
void AppendCoordinate(std::string& out, Sequence& seq) {
  char buf[32];
  const std::uint32_t whole = seq.Next() % 100000;
  const std::uint32_t milli = seq.Next() % 1000;
  char* p = std::to_chars(buf, buf + sizeof buf, whole).ptr;
  *p++ = '.';
  *p++ = static_cast<char>('0' + milli / 100);
  *p++ = static_cast<char>('0' + milli / 10 % 10);
  *p++ = static_cast<char>('0' + milli % 10);
  out.append(buf, static_cast<std::size_t>(p - buf));
}

// About 20 MB of Shift_JIS: 200,000 solids of three and four corners in 16
// colours, with layer, line type and text kind lines, plain lines and a few
// Japanese texts between them.
std::string MakeSelection() {
  const std::string texts[] = {kaveta::Utf8ToCp932("ch 1000 2000 1 0 \"洋室（１）"),
                               kaveta::Utf8ToCp932("ch 1500 6000 1 0 \"和室ｱ"),
                               kaveta::Utf8ToCp932("ch 7000 6000 1 0 \"ＬＤＫ 収納")};
  std::string out;
  out.reserve(21u * 1000 * 1000);
  out +=
      "hq\r\nhs 100 100 50 50 100 1 1 1 1 50 50 1 50 50 50 1\r\n"
      "hcw 2 2.5 3 4 5 6 7 8 9 10\r\nhch 2 2.5 3 4 5 6 7 8 9 10\r\n";
  Sequence seq;
  for (int i = 0; i < kSolids; ++i) {
    if (i % 8 == 0) {
      out += "lc10 ";
      out += std::to_string(0x101010 * ((i / 8) % 16) + 0x0F);
      out += "\r\n";
    }
    if (i % 64 == 0) out += "ly3\r\nlt1\r\ncn2\r\n";
    if (i % 2 == 0) {
      for (int c = 0; c < 4; ++c) {
        if (c) out += ' ';
        AppendCoordinate(out, seq);
      }
      out += "\r\n";
    }
    if (i % 400 == 0) {
      out += texts[(i / 400) % 3];
      out += "\r\n";
    }
    const int corners = i % 3 == 0 ? 3 : 4;
    out += "sl";
    for (int c = 0; c < corners * 2; ++c) {
      out += ' ';
      AppendCoordinate(out, seq);
    }
    out += "\r\n";
  }
  return out;
}

const std::string& Selection() {
  static const std::string bytes = MakeSelection();
  return bytes;
}

Kaveta MakeWindow(const kaveta::Environment& env) {
  Kaveta k(env, RunMode::AreaNewTable);
  for (int n = 1; n <= 9; ++n) k.state.penColourTable[n] = n * 0x111111;
  return k;
}

// The reader never asks for anything but a message at the 16-colour limit.
class QuietDialogs : public kaveta::Dialogs {
 public:
  kaveta::MsgAnswer Message(const std::string&, kaveta::MsgIcon, kaveta::MsgButtons) override {
    return kaveta::MsgAnswer::Ok;
  }
  std::optional<std::string> ChooseFile(const kaveta::FileDialogArgs&) override { return {}; }
  std::optional<std::int32_t> ChooseColour(const kaveta::ColourDialogArgs&) override { return {}; }
};

void BM_Reader(benchmark::State& state) {
  const std::string& bytes = Selection();
  QuietDialogs dialogs;
  kaveta::Environment env;
  env.dialogs = &dialogs;
  for (auto _ : state) {
    Kaveta k = MakeWindow(env);
    const kaveta::ReadOutcome outcome = kaveta::ReadIntoWindow(k, bytes);
    benchmark::DoNotOptimize(outcome);
    if (k.state.nextSolid != kSolids + 1) state.SkipWithError("wrong solid count");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bytes.size()));
  state.counters["file_MB"] = static_cast<double>(bytes.size()) / 1e6;
}

// Lines, blank-separated fields and every field that starts like a number
// read with from_chars: what any reader of this format has to do at least.
double FloorWork(std::string_view bytes, std::size_t& fields) {
  double sum = 0;
  kaveta::LineCursor cursor(bytes);
  std::string_view line;
  while (cursor.Next(line)) {
    std::size_t start = 0;
    for (;;) {
      const std::size_t blank = line.find(' ', start);
      const std::string_view field = line.substr(
          start, blank == std::string_view::npos ? std::string_view::npos : blank - start);
      ++fields;
      double v = 0;
      std::from_chars(field.data(), field.data() + field.size(), v);
      sum += v;
      if (blank == std::string_view::npos) break;
      start = blank + 1;
    }
  }
  return sum;
}

void BM_Floor(benchmark::State& state) {
  const std::string& bytes = Selection();
  for (auto _ : state) {
    std::size_t fields = 0;
    const double sum = FloorWork(bytes, fields);
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(fields);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bytes.size()));
}

BENCHMARK(BM_Reader)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Floor)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Peak resident set of the process in kB (VmHWM), or -1 where it cannot be read.
long PeakKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

long CurrentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

int PeakMemory() {
  const long start = PeakKilobytes();
  const std::string& bytes = Selection();
  const long afterMaking = PeakKilobytes();
  QuietDialogs dialogs;
  kaveta::Environment env;
  env.dialogs = &dialogs;
  Kaveta k = MakeWindow(env);
  kaveta::ReadIntoWindow(k, bytes);
  const long afterReading = PeakKilobytes();
  const double fileKb = static_cast<double>(bytes.size()) / 1024;
  std::printf("file size            %10.0f kB (%zu bytes, %lld solids)\n", fileKb, bytes.size(),
              static_cast<long long>(k.state.nextSolid - 1));
  std::printf("peak RSS at start    %10ld kB\n", start);
  std::printf("peak RSS with file   %10ld kB\n", afterMaking);
  std::printf("peak RSS after read  %10ld kB  (%.2f x file size; %.2f x above the start)\n",
              afterReading, afterReading / fileKb, (afterReading - start) / fileKb);
  std::printf("RSS now              %10ld kB\n", CurrentKilobytes());
  return afterReading < 0 ? 1 : 0;
}

int WriteSelection(const char* path) {
  std::ofstream out(path, std::ios::binary);
  out << Selection();
  return out.good() ? 0 : 1;
}

// Reads the file the way a whole run does (one read into memory) and does
// the floor's work on it.
int FloorOfFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::size_t fields = 0;
  const double sum = FloorWork(bytes, fields);
  std::printf("%zu bytes, %zu fields, sum %.0f\n", bytes.size(), fields, sum);
  return bytes.empty() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--peak-memory") == 0) return PeakMemory();
  if (argc > 2 && std::strcmp(argv[1], "--write-selection") == 0) return WriteSelection(argv[2]);
  if (argc > 2 && std::strcmp(argv[1], "--floor") == 0) return FloorOfFile(argv[2]);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
