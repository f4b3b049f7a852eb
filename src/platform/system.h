// The real implementations of the seams for the system the program runs on.
#pragma once

#include <memory>
#include <string>

#include "platform/seams.h"

namespace kaveta {

std::unique_ptr<FileSystem> MakeSystemFileSystem();
// Windows: the registry itself; elsewhere registry.ini in the program folder.
std::unique_ptr<RegistryReader> MakeSystemRegistry(FileSystem& files,
                                                   const std::string& programFolder);
// The folder that holds the running executable, without a trailing separator.
std::string ExecutableFolder(const char* argv0);
char PathSeparator();
// Makes the folder the current directory (the common dialogs start there).
bool ChangeCurrentFolder(const std::string& folder);

}  // namespace kaveta
