// The command line as the host passes it: the splitter and the run-mode
// choice.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "startup/run_mode.h"

namespace {

void Require(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kaveta;
  FuzzedDataProvider in(data, size);
  const int maxWords = in.ConsumeIntegralInRange<int>(0, 12);
  const std::string raw = in.ConsumeRemainingBytesAsString();

  const std::vector<std::string> words = SplitCommandLine(raw, maxWords);
  Require(!words.empty() && words[0].empty());
  Require(static_cast<int>(words.size()) - 1 <= maxWords);
  // The words are the blank-free runs of the line, in order.
  std::size_t at = 0;
  for (std::size_t i = 1; i < words.size(); ++i) {
    const std::string& w = words[i];
    Require(!w.empty() && w.find_first_of(" \t") == std::string::npos);
    at = raw.find(w, at);
    Require(at != std::string::npos);
    at += w.size();
  }

  const RunMode mode = ChooseRunMode(words);
  Require(static_cast<int>(mode) >= 0 && static_cast<int>(mode) <= 7);
  if (words.size() <= 1) Require(mode == RunMode::LayerNaming);
  if (words.size() > 1) {
    // Only the last two characters of the first word count.
    std::vector<std::string> shortened = {
        "", words[1].substr(words[1].size() - std::min<std::size_t>(2, words[1].size()))};
    Require(ChooseRunMode(shortened) == mode);
  }
  return 0;
}
