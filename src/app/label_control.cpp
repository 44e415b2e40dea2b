#include "app/label_control.h"

#include <string>

#include "app/window_layout.h"

namespace dirsweep {
namespace {

std::wstring textOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The font that WM_SETFONT gave the label lives in its window extra bytes.
constexpr int fontSlot = 0;

HGDIOBJ fontOf(HWND label)
{
    const auto font = reinterpret_cast<HGDIOBJ>(GetWindowLongPtrW(label, fontSlot));
    return font ? font : GetStockObject(DEFAULT_GUI_FONT);
}

void paintLabel(HWND label)
{
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(label, &paint);
    RECT area{};
    GetClientRect(label, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ previousFont = SelectObject(dc, fontOf(label));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const std::wstring text = textOf(label);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
    SelectObject(dc, previousFont);
    EndPaint(label, &paint);
}

LRESULT CALLBACK labelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paintLabel(label);
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint fills the whole area
    case WM_SETFONT:
        SetWindowLongPtrW(label, fontSlot, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam))
            InvalidateRect(label, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrW(label, fontSlot);
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcW(label, message, wParam, lParam);
        InvalidateRect(label, nullptr, TRUE);
        return result;
    }
    default:
        return DefWindowProcW(label, message, wParam, lParam);
    }
}

} // namespace

bool registerLabelClass(HINSTANCE instance)
{
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, layout::labelClass, &existing))
        return true;
    WNDCLASSEXW labelClass{};
    labelClass.cbSize = sizeof labelClass;
    labelClass.lpfnWndProc = labelProc;
    labelClass.cbWndExtra = sizeof(HFONT);
    labelClass.hInstance = instance;
    labelClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    labelClass.lpszClassName = layout::labelClass;
    return RegisterClassExW(&labelClass) != 0;
}

} // namespace dirsweep
