#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "platform/directory_lister.h"
#include "platform/headless_window_services.h"
#include "platform/tree_remover.h"

namespace dirsweep::testing {

// What the shared contract tests need of the platform under test. One
// implementation per platform; the tests themselves are the same for both.
class PlatformHarness {
public:
    virtual ~PlatformHarness() = default;

    virtual DirectoryLister& lister() = 0;
    virtual TreeRemover& remover() = 0;

    // The path as the platform's byte-string functions take it.
    virtual std::string textOf(const std::filesystem::path& path) = 0;

    // Marks a file hidden and system where the platform has such attributes.
    virtual void makeHiddenAndSystem(const std::filesystem::path& file) = 0;
    // Makes a file read-only as the platform's own delete sees it.
    virtual void makeReadOnly(const std::filesystem::path& file) = 0;
    virtual void makeDirectoryLink(const std::filesystem::path& link, const std::filesystem::path& target) = 0;
    virtual void makeFileLink(const std::filesystem::path& link, const std::filesystem::path& target) = 0;

    // Why a case that depends on a Windows behaviour that Wine lacks is
    // skipped; empty on Windows itself and on POSIX.
    virtual std::string wineDifference(const char* what) = 0;
};

std::unique_ptr<PlatformHarness> makePlatformHarness();

// The Delete command on real directories, with the given lister and remover
// and a headless window; returns the window, with its result list.
HeadlessWindowServices sweepOnDisk(DirectoryLister& lister, TreeRemover& remover, const std::string& root,
                                   const std::string& prefix);

// Removes a test's scratch tree without following the links in it.
void removeScratchTree(const std::filesystem::path& path);

// A fresh, empty directory for one test, removed with its contents after it.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const noexcept { return path_; }

private:
    std::filesystem::path path_;
};

void writeFile(const std::filesystem::path& file, const std::string& content = "content");
std::string readFile(const std::filesystem::path& file);

} // namespace dirsweep::testing
