#include "platform/win32/text_encoding.h"

#include <windows.h>

namespace dirsweep {

std::wstring wideFromUtf8(std::string_view text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string ansiFromWide(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    BOOL lossy = FALSE;
    // A UTF-8 code page represents everything and takes no lossy flag.
    BOOL* const lossyFlag = GetACP() == CP_UTF8 ? nullptr : &lossy;
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, lossyFlag);
    if (length <= 0 || lossy)
        return {};
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), size, ansi.data(), length, nullptr, nullptr);
    return ansi;
}

} // namespace dirsweep
