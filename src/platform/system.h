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
// A console run ended by SIGINT, SIGTERM or SIGHUP first removes the
// temporary files of the saves in progress; a file-size limit makes a write
// fail instead of ending the run. Nothing to do on Windows.
void RemoveTempFilesOnSignals();
// Makes the folder the current directory (the common dialogs start there).
bool ChangeCurrentFolder(const std::string& folder);

}  // namespace kaveta
