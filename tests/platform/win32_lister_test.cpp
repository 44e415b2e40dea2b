#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/control_ids.h"
#include "platform/win32/win32_directory_lister.h"

namespace dirsweep {
namespace {

TEST(Win32Lister, ReadsAnItemLongerThanMaxPathWhole)
{
    const HWND host = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
    const HWND box = CreateWindowExA(0, "LISTBOX", "", WS_CHILD, 0, 0, 10, 10, host,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(listBoxId)),
                                     GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(box, nullptr);
    std::string longItem(1000, 'x');
    longItem.front() = '[';
    longItem.back() = ']';
    SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(longItem.c_str()));

    Win32DirectoryLister lister(host);
    EXPECT_EQ(lister.listBoxHandle(), reinterpret_cast<ListBoxHandle>(box));
    EXPECT_EQ(lister.listBoxItemCount(), 1);
    EXPECT_EQ(lister.listBoxItemText(0), longItem);
    lister.resetListBox(lister.listBoxHandle());
    EXPECT_EQ(lister.listBoxItemCount(), 0);
    DestroyWindow(host);
}

} // namespace
} // namespace dirsweep
