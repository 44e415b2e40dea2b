#include <windows.h>

#include <stdexcept>

#include "platform/win32/control_ids.h"
#include "platform/win32/text_encoding.h"
#include "platform/win32/win32_directory_lister.h"
#include "platform/win32/win32_tree_remover.h"
#include "platform_harness.h"
#include "win32_test_support.h"

namespace dirsweep::testing {
namespace {

namespace fs = std::filesystem;

// The lister works on the list box with the lister's ID inside a window, as
// in the program: a hidden stand-in for the main window holds one.
class ListBoxHost {
public:
    ListBoxHost()
    {
        window_ = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | LBS_NOTIFY, 0, 0, 50, 50, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(listBoxId)), GetModuleHandleW(nullptr),
                        nullptr);
    }
    ~ListBoxHost() { DestroyWindow(window_); }
    ListBoxHost(const ListBoxHost&) = delete;
    ListBoxHost& operator=(const ListBoxHost&) = delete;

    HWND window() const noexcept { return window_; }

private:
    HWND window_ = nullptr;
};

class Win32Harness final : public PlatformHarness {
public:
    DirectoryLister& lister() override { return lister_; }
    TreeRemover& remover() override { return remover_; }
    std::string textOf(const fs::path& path) override { return ansiFromWide(path.wstring()); }
    void makeHiddenAndSystem(const fs::path& file) override
    {
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    }
    void makeReadOnly(const fs::path& file) override
    {
        SetFileAttributesW(file.c_str(), GetFileAttributesW(file.c_str()) | FILE_ATTRIBUTE_READONLY);
    }
    void makeDirectoryLink(const fs::path& link, const fs::path& target) override
    {
        createDirectoryLink(link, target);
    }
    void makeFileLink(const fs::path& link, const fs::path& target) override { createFileLink(link, target); }
    std::string wineDifference(const char* what) override
    {
        return runningUnderWine() ? std::string("Wine differs from Windows here: ") + what : std::string{};
    }

private:
    ListBoxHost host_;
    Win32DirectoryLister lister_{host_.window()};
    Win32TreeRemover remover_;
};

// The standard library's walk does not know Windows links and would follow
// them, loops included: this one removes a link as a link.
void removeWindowsTree(const fs::path& directory)
{
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((directory / L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const fs::path path = directory / name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            const bool isDirectory = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
            if (isDirectory && !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                removeWindowsTree(path);
            if (isDirectory)
                RemoveDirectoryW(path.c_str());
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(directory.c_str());
}

} // namespace

void removeScratchTree(const fs::path& path)
{
    if (!runningUnderWine()) {
        removeWindowsTree(path);
        return;
    }
    // Wine's RemoveDirectory follows links: let the Unix rm, which does not,
    // do the work, and wait until it has.
    if (!startUnixCommand("Z:\\bin\\rm -rf " + unixPathOf(path)))
        return;
    for (int tries = 0; tries < 500 && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; ++tries)
        Sleep(10);
}

std::unique_ptr<PlatformHarness> makePlatformHarness()
{
    return std::make_unique<Win32Harness>();
}

} // namespace dirsweep::testing
