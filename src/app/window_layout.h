#pragma once

#include <windows.h>

#include "platform/win32/control_ids.h"

namespace dirsweep::layout {

inline constexpr const wchar_t* windowClass = L"WTWindow";
inline constexpr const wchar_t* labelClass = L"DirsweepLabel";
inline constexpr const wchar_t* caption = L"Tesvar文件";
inline constexpr int windowWidth = 383;
inline constexpr int windowHeight = 167;
inline constexpr DWORD windowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;

inline constexpr const wchar_t* defaultRoot = L"C:\\Users\\Administrator\\Desktop\\03";
inline constexpr const char* browseTitle = "选择目录：";

enum class Kind { button, edit, label, listBox, listView };

struct Control {
    ControlId id;
    Kind kind;
    int left, top, width, height;
    const wchar_t* text;
    bool visible;
};

// In the order of creation; the z-order is the reverse, the last on top.
inline constexpr Control controls[] = {
    {browseButtonId, Kind::button, 303, 32, 56, 24, L"浏览...", true},
    {rootEditId, Kind::edit, 56, 28, 232, 29, defaultRoot, true},
    {rootLabelId, Kind::label, 6, 22, 40, 48, L"目录：", true},
    {deleteButtonId, Kind::button, 303, 83, 56, 24, L"删除...", true},
    {prefixEditId, Kind::edit, 56, 81, 232, 29, L"", true},
    {prefixLabelId, Kind::label, 6, 69, 40, 48, L"字段：", true},
    {listBoxId, Kind::listBox, 56, 120, 48, 24, L"", false},
    {resultListId, Kind::listView, 128, 120, 40, 24, L"", false},
};

// The Tab cycle, before its visibility and tab-stop filters.
inline constexpr ControlId tabCycle[] = {browseButtonId, rootEditId, deleteButtonId, prefixEditId};

inline constexpr DWORD childStyle = WS_CHILD | WS_CLIPSIBLINGS;
inline constexpr DWORD editStyle = childStyle | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
inline constexpr DWORD buttonStyle =
    childStyle | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
inline constexpr DWORD labelStyle = childStyle;
inline constexpr DWORD listBoxStyle =
    childStyle | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT;

} // namespace dirsweep::layout
