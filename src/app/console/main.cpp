#include <cstdio>
#include <string>

#include "app/common/console_front_end.h"
#include "platform/system.h"

int main(int argc, char** argv) {
  // The words as the host passed them; the splitter of the start-up splits
  // them again, so joining with single blanks loses nothing it looks at.
  std::string raw;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) raw += ' ';
    raw += argv[i];
  }
  kaveta::RemoveTempFilesOnSignals();
  const std::string folder = kaveta::ExecutableFolder(argv[0]);
  kaveta::ChangeCurrentFolder(folder);
  auto files = kaveta::MakeSystemFileSystem();
  auto registry = kaveta::MakeSystemRegistry(*files, folder);
  const auto print = [](const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
  };
  return kaveta::RunConsoleFrontEnd(raw, folder, kaveta::PathSeparator(), *files, *registry, print);
}
