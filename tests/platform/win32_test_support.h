#pragma once

#include <filesystem>
#include <string>

namespace dirsweep::testing {

bool runningUnderWine();

// Under Wine, the Unix path of a Windows path; empty elsewhere.
std::string unixPathOf(const std::filesystem::path& path);

// A directory symbolic link. Wine's CreateSymbolicLink makes nothing, so
// under Wine the link is a Unix one, made with ln, which Wine reports as a
// reparse point.
void createDirectoryLink(const std::filesystem::path& link, const std::filesystem::path& target);

void createFileLink(const std::filesystem::path& link, const std::filesystem::path& target);

// Starts a Unix command line from inside Wine; false when it cannot start.
// Wine hands out no handle to wait on for a Unix process.
bool startUnixCommand(std::string commandLine);

// Runs a Unix command line from inside Wine and waits until the given path
// exists (Wine hands out no handle to wait on for a Unix process).
void runUnixCommandFor(const std::string& commandLine, const std::filesystem::path& result);

} // namespace dirsweep::testing
