#include "app/main_window.h"

#include <commctrl.h>

#include <iterator>
#include <utility>

#include "app/label_control.h"
#include "app/window_layout.h"
#include "sweep/delete_command.h"

namespace dirsweep {
namespace {

constexpr DWORD listViewStyle = layout::childStyle | WS_CLIPCHILDREN | WS_TABSTOP | LVS_ICON
                                | LVS_AUTOARRANGE | LVS_SINGLESEL;
constexpr DWORD listViewExtendedStyle = LVS_EX_INFOTIP | LVS_EX_SUBITEMIMAGES;
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF white = RGB(255, 255, 255);

HFONT guiFont()
{
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void setFont(HWND window)
{
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), FALSE);
}

bool registerWindowClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, layout::windowClass, &existing))
        return true;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = layout::windowClass;
    return RegisterClassExW(&windowClass) != 0;
}

POINT centredOrigin()
{
    return {(GetSystemMetrics(SM_CXSCREEN) - layout::windowWidth) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - layout::windowHeight) / 2};
}

void setIcons(HWND window, HINSTANCE instance)
{
    const auto load = [instance](int widthMetric, int heightMetric) {
        return LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(widthMetric),
                          GetSystemMetrics(heightMetric), LR_SHARED);
    };
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(load(SM_CXICON, SM_CYICON)));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(load(SM_CXSMICON, SM_CYSMICON)));
}

const wchar_t* classOf(layout::Kind kind)
{
    switch (kind) {
    case layout::Kind::button:
        return L"BUTTON";
    case layout::Kind::edit:
        return L"EDIT";
    case layout::Kind::label:
        return layout::labelClass;
    case layout::Kind::listBox:
        return L"LISTBOX";
    case layout::Kind::listView:
        return WC_LISTVIEWW;
    }
    return L"";
}

DWORD styleOf(layout::Kind kind)
{
    switch (kind) {
    case layout::Kind::button:
        return layout::buttonStyle;
    case layout::Kind::edit:
        return layout::editStyle;
    case layout::Kind::label:
        return layout::labelStyle;
    case layout::Kind::listBox:
        return layout::listBoxStyle;
    case layout::Kind::listView:
        return listViewStyle;
    }
    return layout::childStyle;
}

void addClientEdge(HWND control)
{
    SetWindowLongPtrW(control, GWL_EXSTYLE, GetWindowLongPtrW(control, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    SetWindowPos(control, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A single-line box lower than its font needs is made that high.
void ensureEditHeight(HWND edit, const layout::Control& entry)
{
    HDC dc = GetDC(edit);
    const HGDIOBJ previous = SelectObject(dc, guiFont());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(edit, dc);
    const int needed = metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE);
    if (entry.height < needed)
        SetWindowPos(edit, nullptr, 0, 0, entry.width, needed, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void setUpEdit(HWND edit, const layout::Control& entry)
{
    addClientEdge(edit);
    SendMessageW(edit, EM_LIMITTEXT, 0, 0);
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    ensureEditHeight(edit, entry);
}

void setUpListBox(HWND listBox)
{
    addClientEdge(listBox);
    SendMessageW(listBox, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    const LRESULT itemHeight = SendMessageW(listBox, LB_GETITEMHEIGHT, 0, 0);
    SendMessageW(listBox, LB_SETITEMHEIGHT, 0, MAKELPARAM(itemHeight + 1, 0));
    // Never shown: without redraw, a listing does not update the scroll bar
    // and invalidate the box once per item it adds.
    SendMessageW(listBox, WM_SETREDRAW, FALSE, 0);
}

void setUpListView(HWND listView)
{
    addClientEdge(listView);
    SendMessageW(listView, LVM_SETEXTENDEDLISTVIEWSTYLE, listViewExtendedStyle, listViewExtendedStyle);
    SendMessageW(listView, LVM_DELETEALLITEMS, 0, 0);
    SendMessageW(listView, LVM_SETTEXTCOLOR, 0, black);
    SendMessageW(listView, LVM_SETTEXTBKCOLOR, 0, white);
    SendMessageW(listView, LVM_SETBKCOLOR, 0, white);
    // The result list is never shown, and an icon view places every item it
    // gets: under Wine each append then costs more than the one before, in
    // time and memory, redraw or not (100,000 appends: 17 s and 1.8 GB). In
    // report view the same items in the same order cost about the same each
    // (4.7 s and 0.3 GB).
    SendMessageW(listView, WM_SETREDRAW, FALSE, 0);
    SendMessageW(listView, LVM_SETVIEW, LV_VIEW_DETAILS, 0);
}

void setUp(HWND control, const layout::Control& entry)
{
    switch (entry.kind) {
    case layout::Kind::edit:
        setUpEdit(control, entry);
        break;
    case layout::Kind::listBox:
        setUpListBox(control);
        break;
    case layout::Kind::listView:
        setUpListView(control);
        break;
    case layout::Kind::button:
    case layout::Kind::label:
        break;
    }
}

bool isFocusable(HWND control)
{
    return control && IsWindowVisible(control) && IsWindowEnabled(control)
           && (GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP);
}

bool isShiftDown()
{
    return GetKeyState(VK_SHIFT) < 0;
}

bool isCtrlOrAltDown()
{
    return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

// A control that asks for every key (a multi-line, writable edit box, for
// one) keeps it from the window's keyboard handling.
bool focusedControlClaims(const MSG& message)
{
    const HWND focus = GetFocus();
    if (!focus)
        return false;
    const LRESULT code =
        SendMessageW(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))
        return true;
    return message.wParam == VK_TAB && (code & DLGC_WANTTAB);
}

} // namespace

bool MainWindow::openMainWindow(HINSTANCE instance)
{
    INITCOMMONCONTROLSEX commonControls{};
    commonControls.dwSize = sizeof commonControls;
    commonControls.dwICC = ICC_LISTVIEW_CLASSES;
    InitCommonControlsEx(&commonControls);
    if (!registerWindowClass(instance, &MainWindow::windowProc) || !registerLabelClass(instance) || !createFrame(instance))
        return false;
    createControls(instance);
    arrangeZOrder();
    showControls();
    ShowWindow(window_, SW_SHOW);
    return true;
}

bool MainWindow::createFrame(HINSTANCE instance)
{
    const POINT origin = centredOrigin();
    CreateWindowExW(0, layout::windowClass, layout::caption, layout::windowStyle, origin.x, origin.y,
                    layout::windowWidth, layout::windowHeight, nullptr, nullptr, instance, this);
    if (!window_)
        return false;
    RECT frame{};
    GetWindowRect(window_, &frame);
    if (frame.right - frame.left != layout::windowWidth || frame.bottom - frame.top != layout::windowHeight)
        MoveWindow(window_, origin.x, origin.y, layout::windowWidth, layout::windowHeight, FALSE);
    setIcons(window_, instance);
    setFont(window_);
    lister_.emplace(window_);
    services_.emplace(window_, *this);
    return true;
}

void MainWindow::createControls(HINSTANCE instance)
{
    for (const layout::Control& entry : layout::controls) {
        const HWND control =
            CreateWindowExW(0, classOf(entry.kind), entry.text, styleOf(entry.kind), entry.left, entry.top,
                            entry.width, entry.height, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), instance, nullptr);
        if (!control)
            continue;
        setFont(control);
        setUp(control, entry);
    }
}

void MainWindow::arrangeZOrder()
{
    constexpr UINT flags = SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE;
    HWND above = HWND_TOP;
    for (auto entry = std::rbegin(layout::controls); entry != std::rend(layout::controls); ++entry) {
        const HWND control = GetDlgItem(window_, entry->id);
        if (!control)
            continue;
        SetWindowPos(control, above, 0, 0, 0, 0, flags);
        above = control;
    }
}

void MainWindow::showControls()
{
    for (const layout::Control& entry : layout::controls)
        ShowWindow(GetDlgItem(window_, entry.id), entry.visible ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::dispatch(MSG& message)
{
    if (handleKeyboard(message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

bool MainWindow::handleKeyboard(const MSG& message)
{
    if (message.message != WM_KEYDOWN || !window_)
        return false;
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd))
        return false;
    if (focusedControlClaims(message))
        return false;
    switch (message.wParam) {
    case VK_TAB:
        if (isCtrlOrAltDown())
            return false;
        moveFocus(isShiftDown() ? -1 : 1);
        return true;
    case VK_ESCAPE:
        if (isShiftDown() || isCtrlOrAltDown())
            return false;
        SendMessageW(window_, WM_CLOSE, 0, 0);
        return true;
    default:
        return false;
    }
}

void MainWindow::moveFocus(int step)
{
    constexpr int size = static_cast<int>(std::size(layout::tabCycle));
    const HWND focus = GetFocus();
    int position = -1;
    for (int i = 0; i < size; ++i) {
        if (GetDlgItem(window_, layout::tabCycle[i]) == focus)
            position = i;
    }
    if (position < 0)
        position = step > 0 ? -1 : size;
    for (int tried = 0; tried < size; ++tried) {
        position = (position + step + size) % size;
        const HWND candidate = GetDlgItem(window_, layout::tabCycle[position]);
        if (isFocusable(candidate)) {
            SetFocus(candidate);
            return;
        }
    }
}

void MainWindow::browseCommand()
{
    WindowServices& window = services();
    window.writeContent(EditBox::root, window.browseForFolder(layout::browseTitle, false));
}

void MainWindow::deleteCommand()
{
    SweepContext context{*lister_, remover_, services(), state_};
    dirsweep::deleteCommand(context);
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        // The object comes with the creation; from here on it gets every message.
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || self->window_ != window)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->onMessage(message, wParam, lParam);
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_ACTIVATE:
        onActivate(LOWORD(wParam) != WA_INACTIVE);
        break;
    case WM_SETFOCUS:
        onSetFocus();
        return 0;
    case WM_ERASEBKGND:
        return onEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return onEditOrListColor(reinterpret_cast<HDC>(wParam));
    case WM_NCDESTROY: {
        const HWND window = window_;
        onNcDestroy();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::onCommand(int id, int code)
{
    if (code != BN_CLICKED)
        return;
    if (id == browseButtonId)
        browseCommand();
    else if (id == deleteButtonId)
        deleteCommand();
}

void MainWindow::onActivate(bool active)
{
    if (active)
        return;
    const HWND focus = GetFocus();
    if (focus && IsChild(window_, focus))
        focusWhenDeactivated_ = focus;
}

void MainWindow::onSetFocus()
{
    if (focusWhenDeactivated_ && IsWindow(focusWhenDeactivated_) && IsChild(window_, focusWhenDeactivated_)) {
        SetFocus(std::exchange(focusWhenDeactivated_, nullptr));
        return;
    }
    for (const ControlId id : layout::tabCycle) {
        const HWND candidate = GetDlgItem(window_, id);
        if (isFocusable(candidate)) {
            SetFocus(candidate);
            return;
        }
    }
}

// The window is gone: the loop ends with the quit message. The sweep that
// may still be running learns it from the pump.
void MainWindow::onNcDestroy()
{
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    window_ = nullptr;
    PostQuitMessage(0);
}

bool MainWindow::onEraseBackground(HDC dc)
{
    RECT client{};
    GetClientRect(window_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    return true;
}

LRESULT MainWindow::onEditOrListColor(HDC dc)
{
    SetTextColor(dc, black);
    SetBkColor(dc, white);
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

} // namespace dirsweep
