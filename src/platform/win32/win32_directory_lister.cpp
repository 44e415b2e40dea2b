#include "platform/win32/win32_directory_lister.h"

#include <cstring>

#include "platform/win32/control_ids.h"
#include "platform/win32/unique_handle.h"

namespace dirsweep {
namespace {

using SendMessageProc = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);

// SendMessageA of "user32", looked up on the first send and kept for the
// run. The reset and the fill each go through one binding of their own.
class SendMessageBinding {
public:
    LRESULT send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (!resolved_)
            resolve();
        return entry_ ? entry_(window, message, wParam, lParam) : 0;
    }

private:
    void resolve()
    {
        resolved_ = true;
        user32_.reset(LoadLibraryA("user32"));
        if (user32_)
            entry_ = reinterpret_cast<SendMessageProc>(
                reinterpret_cast<void*>(GetProcAddress(user32_.get(), "SendMessageA")));
    }

    bool resolved_ = false;
    UniqueModule user32_;
    SendMessageProc entry_ = nullptr;
};

SendMessageBinding& resetBinding()
{
    static SendMessageBinding binding;
    return binding;
}

SendMessageBinding& fillBinding()
{
    static SendMessageBinding binding;
    return binding;
}

HWND toWindow(ListBoxHandle box) noexcept
{
    return reinterpret_cast<HWND>(box);
}

} // namespace

bool isDirectoryLinkAttributes(DWORD attributes) noexcept
{
    constexpr DWORD link = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & link) == link;
}

bool Win32DirectoryLister::endsWithSeparator(const std::string& path) const
{
    if (path.empty())
        return false;
    const char* const start = path.c_str();
    const char* const end = start + path.size();
    const char* const last = CharPrevA(start, end);
    return last == end - 1 && *last == '\\';
}

HWND Win32DirectoryLister::listBox() const noexcept
{
    return GetDlgItem(mainWindow_, listBoxId);
}

ListBoxHandle Win32DirectoryLister::listBoxHandle()
{
    return reinterpret_cast<ListBoxHandle>(listBox());
}

void Win32DirectoryLister::resetListBox(ListBoxHandle box)
{
    resetBinding().send(toWindow(box), LB_RESETCONTENT, 0, 0);
}

void Win32DirectoryLister::fillListBox(ListBoxHandle box, const std::string& pattern, unsigned flags)
{
    fillBinding().send(toWindow(box), LB_DIR, flags, reinterpret_cast<LPARAM>(pattern.c_str()));
}

int Win32DirectoryLister::listBoxItemCount()
{
    return static_cast<int>(SendMessageA(listBox(), LB_GETCOUNT, 0, 0));
}

std::string Win32DirectoryLister::listBoxItemText(int position)
{
    const HWND box = listBox();
    const LRESULT count = SendMessageA(box, LB_GETCOUNT, 0, 0);
    if (position < 0 || position >= count)
        return {};
    const LRESULT length = SendMessageA(box, LB_GETTEXTLEN, position, 0);
    if (length <= 0)
        return {};
    // The length is an upper bound for a double-byte text: cut at the NUL.
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(box, LB_GETTEXT, position, reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::strlen(text.c_str()));
    return text;
}

bool Win32DirectoryLister::isDirectoryLink(const std::string& path)
{
    return isDirectoryLinkAttributes(GetFileAttributesA(path.c_str()));
}

} // namespace dirsweep
