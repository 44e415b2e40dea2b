#include "platform/win32/win32_window_services.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

#include "platform/win32/control_ids.h"
#include "platform/win32/text_encoding.h"
#include "platform/win32/unique_handle.h"

namespace dirsweep {
namespace {

// The shell's item lists are released through the shell's allocator; when
// it cannot be had, the list is left alone.
struct ItemIdListTraits {
    using Handle = PIDLIST_ABSOLUTE;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle list) noexcept
    {
        IMalloc* allocator = nullptr;
        if (FAILED(SHGetMalloc(&allocator)))
            return;
        UniqueCom<IMalloc> owner(allocator);
        owner.get()->Free(list);
    }
};
using UniqueItemIdList = UniqueHandle<ItemIdListTraits>;

HWND confirmedWindow(HWND window) noexcept
{
    return window && IsWindow(window) ? window : nullptr;
}

// Makes the folder browser modal to the whole program: disables the
// program's top-level windows and, when it ends, gives back their enabled
// states and the earlier foreground and active windows.
class ProgramModality {
public:
    explicit ProgramModality(HWND mainWindow)
        : active_(confirmedWindow(GetActiveWindow())), foreground_(GetForegroundWindow())
    {
        if (!IsWindow(mainWindow) || GetParent(mainWindow))
            return;
        disabled_.push_back({mainWindow, IsWindowEnabled(mainWindow) != FALSE});
        EnableWindow(mainWindow, FALSE);
    }
    ProgramModality(const ProgramModality&) = delete;
    ProgramModality& operator=(const ProgramModality&) = delete;

    ~ProgramModality()
    {
        for (const DisabledWindow& window : disabled_)
            EnableWindow(window.handle, window.wasEnabled);
        if (confirmedWindow(foreground_))
            SetForegroundWindow(foreground_);
        if (confirmedWindow(active_))
            SetActiveWindow(active_);
    }

    HWND active() const noexcept { return active_; }

private:
    struct DisabledWindow {
        HWND handle;
        bool wasEnabled;
    };

    HWND active_;
    HWND foreground_;
    std::vector<DisabledWindow> disabled_;
};

PIDLIST_ABSOLUTE browse(HWND mainWindow, const std::wstring& title, bool includeFiles, wchar_t* displayName)
{
    const ProgramModality modality(mainWindow);
    BROWSEINFOW request{};
    request.hwndOwner = modality.active();
    request.pidlRoot = nullptr;
    request.pszDisplayName = displayName;
    request.lpszTitle = title.c_str();
    request.ulFlags = BIF_EDITBOX | (includeFiles ? BIF_BROWSEINCLUDEFILES : 0);
    return SHBrowseForFolderW(&request);
}

} // namespace

HWND Win32WindowServices::editBox(EditBox box) const noexcept
{
    return control(box == EditBox::root ? rootEditId : prefixEditId);
}

std::string Win32WindowServices::readContent(EditBox box)
{
    const HWND edit = editBox(box);
    const int length = GetWindowTextLengthA(edit);
    if (length <= 0)
        return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(edit, text.data(), length + 1);
    text.resize(std::strlen(text.c_str()));
    return text;
}

void Win32WindowServices::writeContent(EditBox box, const std::string& text)
{
    SetWindowTextA(editBox(box), text.c_str());
}

std::string Win32WindowServices::browseForFolder(const std::string& title, bool includeFiles)
{
    wchar_t path[MAX_PATH] = {};
    const UniqueItemIdList chosen(browse(mainWindow_, wideFromUtf8(title), includeFiles, path));
    if (!chosen)
        return {};
    path[0] = L'\0';
    if (!SHGetPathFromIDListW(chosen.get(), path))
        return {};
    return ansiFromWide(path);
}

void Win32WindowServices::showMessageBox(const std::string& message, const std::string& title)
{
    MessageBoxW(nullptr, wideFromUtf8(message).c_str(), wideFromUtf8(title).c_str(), MB_OK | MB_TASKMODAL);
}

void Win32WindowServices::insertListItem(const std::string& label)
{
    const HWND list = control(resultListId);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE | LVIF_INDENT;
    item.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<char*>(label.c_str());
    item.iImage = -1;
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

PumpResult Win32WindowServices::pumpPendingMessages()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // The quit message belongs to the main loop: queue it again.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0)
            break;
        dispatcher_.dispatch(message);
    }
    return IsWindow(mainWindow_) ? PumpResult::windowOpen : PumpResult::windowClosed;
}

} // namespace dirsweep
