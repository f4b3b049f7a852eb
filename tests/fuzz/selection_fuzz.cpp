// The host's selection TEMP.TXT through the whole load sequence and the OK
// command; the first byte picks the run mode. In the regrouping modes the
// host deletes the selection when it reads the output, so every figure line
// of an input that was read must come back.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "fuzz/fuzz_host.h"
#include "output/ok_command.h"
#include "platform/encoding.h"
#include "startup/load_sequence.h"
#include "text/ascii.h"
#include "text/lines.h"

namespace kaveta {
namespace {

void Require(bool ok) {
  if (!ok) std::abort();
}

bool FigureLine(std::string_view line) {
  if (line.size() < 2 || AsciiLower(line[0]) != 's') return false;
  const char kind = AsciiLower(line[1]);
  return kind == 'l' || kind == 'c' || kind == 'e' || kind == 'o' || kind == 'g';
}

// A line as it reads after a trip through the program: bytes that are not
// Shift_JIS come back as the replacement character's stand-in.
std::string RoundTrip(std::string_view raw) { return Cp932ToUtf8(Utf8ToCp932(Cp932ToUtf8(raw))); }

void CheckEveryFigureComesBack(std::string_view input, const std::string& output) {
  std::map<std::string, long> missing;
  const std::vector<std::string_view> lines = SplitLines(input);
  for (std::size_t i = 1; i < lines.size(); ++i)  // the first line is never read
    if (FigureLine(lines[i])) ++missing[RoundTrip(lines[i])];
  if (missing.empty()) return;
  const std::string text = Cp932ToUtf8(output);
  for (std::string_view line : SplitLines(text)) {
    auto it = missing.find(std::string(line));
    if (it != missing.end() && --it->second == 0) missing.erase(it);
  }
  Require(missing.empty());
}

}  // namespace
}  // namespace kaveta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kaveta;
  if (size == 0) return 0;
  const RunMode mode = static_cast<RunMode>(data[0] % 8);
  const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);

  testing::Harness h;
  fuzz::SetUpHost(h);
  h.files.files["/app/TEMP.TXT"] = std::string(input);
  Kaveta k = h.Make(mode);
  if (RunLoadSequence(k) == LoadOutcome::ProcessEnded) return 0;
  const OkOutcome ok = RunOkCommand(k);
  if (!IsRegroupMode(mode)) return 0;

  Require(ok == OkOutcome::Written);
  const auto out = h.files.files.find("/app/JWC_TEMP.TXT");
  Require(out != h.files.files.end());
  CheckEveryFigureComesBack(input, out->second);
  return 0;
}
