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
    std::string wineDifference(const char* what) override
    {
        return runningUnderWine() ? std::string("Wine differs from Windows here: ") + what : std::string{};
    }

private:
    ListBoxHost host_;
    Win32DirectoryLister lister_{host_.window()};
    Win32TreeRemover remover_;
};

} // namespace

std::unique_ptr<PlatformHarness> makePlatformHarness()
{
    return std::make_unique<Win32Harness>();
}

} // namespace dirsweep::testing
