// The main window in-process, under Wine in Xvfb (or on Windows): how it is
// built, how it takes the keyboard, and the window services of the commands.
#include "app/main_window.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "app/window_layout.h"
#include "dialog_watcher.h"
#include "platform/win32/control_ids.h"

namespace dirsweep {
namespace {

namespace fs = std::filesystem;

// Runs every pending message through the window as the main loop would.
void pump(MainWindow& window)
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        window.dispatch(message);
    }
}

void settle(MainWindow& window)
{
    for (int i = 0; i < 5; ++i) {
        pump(window);
        Sleep(20);
    }
}

void pressKeys(std::initializer_list<WORD> downs)
{
    std::vector<INPUT> inputs;
    for (const WORD key : downs) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = downs.end(); key != downs.begin();) {
        --key;
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::wstring classOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring textOf(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

RECT clientPlaceOf(HWND control)
{
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

bool quitIsQueued()
{
    MSG message{};
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

void dropQuit()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(window.openMainWindow(GetModuleHandleW(nullptr)));
        SetForegroundWindow(window.handle());
        settle(window);
    }

    void TearDown() override
    {
        if (window.handle())
            DestroyWindow(window.handle());
        dropQuit();
    }

    HWND control(int id) const { return GetDlgItem(window.handle(), id); }

    void setText(int id, const std::string& text) { SetWindowTextA(control(id), text.c_str()); }

    SweepState state;
    MainWindow window{state};
};

TEST_F(MainWindowTest, TheFrameIsTheFixedCentredWindowWithItsCaption)
{
    const HWND main = window.handle();
    EXPECT_EQ(classOf(main), L"WTWindow");
    EXPECT_EQ(GetClassLongPtrW(main, GCL_STYLE), static_cast<ULONG_PTR>(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(GetClassLongPtrW(main, GCLP_HBRBACKGROUND), 0u);
    const LONG_PTR style = GetWindowLongPtrW(main, GWL_STYLE);
    constexpr LONG_PTR expected =
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
    EXPECT_EQ(style & expected, expected);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ(GetWindowLongPtrW(main, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW), 0);
    EXPECT_EQ(GetParent(main), nullptr);
    EXPECT_EQ(GetMenu(main), nullptr);
    EXPECT_EQ(textOf(main), L"Tesvar文件");

    RECT frame{};
    GetWindowRect(main, &frame);
    EXPECT_EQ(frame.right - frame.left, 383);
    EXPECT_EQ(frame.bottom - frame.top, 167);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 383) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 167) / 2);
    EXPECT_NE(SendMessageW(main, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(main, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(SendMessageW(main, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
}

TEST_F(MainWindowTest, TheControlsStandAsLaidOut)
{
    struct Expected {
        int id;
        const wchar_t* className;
        RECT place;
        LONG_PTR style;
        const wchar_t* text;
        bool visible;
    };
    constexpr LONG_PTR child = WS_CHILD | WS_CLIPSIBLINGS;
    constexpr LONG_PTR button = child | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
    constexpr LONG_PTR edit = child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
    const Expected controls[] = {
        {100, L"Button", {303, 32, 359, 56}, button, L"浏览...", true},
        {110, L"Edit", {56, 28, 288, 57}, edit, L"C:\\Users\\Administrator\\Desktop\\03", true},
        {120, L"DirsweepLabel", {6, 22, 46, 70}, child, L"目录：", true},
        {130, L"Button", {303, 83, 359, 107}, button, L"删除...", true},
        {140, L"Edit", {56, 81, 288, 110}, edit, L"", true},
        {150, L"DirsweepLabel", {6, 69, 46, 117}, child, L"字段：", true},
        // The list box drops WS_VSCROLL by itself while it has nothing to scroll.
        {160, L"ListBox", {56, 120, 104, 144},
         child | WS_TABSTOP | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT, L"", false},
        {170, L"SysListView32", {128, 120, 168, 144},
         child | WS_CLIPCHILDREN | WS_TABSTOP | LVS_ICON | LVS_AUTOARRANGE | LVS_SINGLESEL, L"", false},
    };
    for (const Expected& e : controls) {
        SCOPED_TRACE(e.id);
        const HWND c = control(e.id);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(_wcsicmp(classOf(c).c_str(), e.className), 0);
        const RECT place = clientPlaceOf(c);
        EXPECT_EQ(place.left, e.place.left);
        EXPECT_EQ(place.top, e.place.top);
        EXPECT_EQ(place.right, e.place.right);
        EXPECT_EQ(place.bottom, e.place.bottom);
        const LONG_PTR style = GetWindowLongPtrW(c, GWL_STYLE);
        EXPECT_EQ(style & e.style, e.style);
        EXPECT_EQ((style & WS_VISIBLE) != 0, e.visible);
        EXPECT_EQ(textOf(c), e.text);
        EXPECT_TRUE(IsWindowEnabled(c));
        const bool sunken = e.id == 110 || e.id == 140 || e.id >= 160;
        EXPECT_EQ((GetWindowLongPtrW(c, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0, sunken);
        EXPECT_EQ(SendMessageW(c, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
    }
    EXPECT_EQ(GetWindowLongPtrW(control(130), GWL_STYLE) & BS_DEFPUSHBUTTON, 0);
    EXPECT_EQ(SendMessageW(control(110), EM_GETLIMITTEXT, 0, 0) >= 0x7FFFFFFE, true);
}

TEST_F(MainWindowTest, TheZOrderIsTheReverseOfTheCreationOrder)
{
    std::vector<int> order;
    for (HWND c = GetWindow(window.handle(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        order.push_back(GetDlgCtrlID(c));
    EXPECT_EQ(order, (std::vector<int>{170, 160, 150, 140, 130, 120, 110, 100}));
}

TEST_F(MainWindowTest, TheBrowseButtonHasTheFocusAtStart)
{
    EXPECT_EQ(GetFocus(), control(browseButtonId));
}

TEST_F(MainWindowTest, TabAndShiftTabRunTheCycleBothWays)
{
    const std::vector<int> forward = {rootEditId, deleteButtonId, prefixEditId, browseButtonId};
    for (const int id : forward) {
        pressKeys({VK_TAB});
        settle(window);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), id);
    }
    const std::vector<int> backward = {prefixEditId, deleteButtonId, rootEditId, browseButtonId};
    for (const int id : backward) {
        pressKeys({VK_SHIFT, VK_TAB});
        settle(window);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), id);
    }
}

TEST_F(MainWindowTest, EscClosesTheWindowAlsoFromAnEditBoxAndQueuesQuitWithZero)
{
    SetFocus(control(prefixEditId));
    pressKeys({VK_ESCAPE});
    settle(window);
    EXPECT_EQ(window.handle(), nullptr);
    MSG quit{};
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
}

class ScratchTree {
public:
    ScratchTree() : root_(fs::temp_directory_path() / ("dirsweep-window-" + std::to_string(GetTickCount())))
    {
        fs::create_directories(root_ / "tmpA");
        fs::create_directories(root_ / "a" / "tmpDeep");
        std::ofstream(root_ / "kept.txt") << "x";
    }
    ~ScratchTree()
    {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    const fs::path& root() const { return root_; }

private:
    fs::path root_;
};

TEST_F(MainWindowTest, EnterClicksNothingAndSpaceClicksTheFocusedDeleteButton)
{
    const ScratchTree tree;
    setText(rootEditId, tree.root().string());
    setText(prefixEditId, "tmp");
    SetFocus(control(deleteButtonId));
    pressKeys({VK_RETURN});
    settle(window);
    EXPECT_TRUE(fs::exists(tree.root() / "tmpA"));
    EXPECT_EQ(GetFocus(), control(deleteButtonId));

    pressKeys({VK_SPACE});
    settle(window);
    EXPECT_FALSE(fs::exists(tree.root() / "tmpA"));
    EXPECT_TRUE(fs::exists(tree.root() / "kept.txt"));
    EXPECT_EQ(state.namePrefix, "tmp");
}

TEST_F(MainWindowTest, ClosingTheWindowDuringASweepEndsTheSweepAfterThatPump)
{
    const ScratchTree tree;
    setText(rootEditId, tree.root().string());
    setText(prefixEditId, "tmp");
    PostMessageW(window.handle(), WM_CLOSE, 0, 0);
    window.deleteCommand();
    EXPECT_EQ(window.handle(), nullptr);
    // The root's subdirectory pass ran before the first pump; nothing after it.
    EXPECT_FALSE(fs::exists(tree.root() / "tmpA"));
    EXPECT_TRUE(fs::exists(tree.root() / "a" / "tmpDeep"));
    EXPECT_TRUE(quitIsQueued());
}

TEST_F(MainWindowTest, ManyClicksDuringASweepRunNestedSweepsThatRemoveNothingMore)
{
    const ScratchTree tree;
    for (int i = 0; i < 10; ++i) {
        fs::create_directories(tree.root() / ("d" + std::to_string(i)) / ("tmp" + std::to_string(i)) / "x");
        fs::create_directories(tree.root() / ("d" + std::to_string(i)) / "keep" / "y");
    }
    setText(rootEditId, tree.root().string());
    setText(prefixEditId, "tmp");
    const LPARAM button = reinterpret_cast<LPARAM>(control(deleteButtonId));
    for (int i = 0; i < 5; ++i)
        PostMessageW(window.handle(), WM_COMMAND, MAKEWPARAM(deleteButtonId, BN_CLICKED), button);
    window.deleteCommand();
    settle(window);
    for (int i = 0; i < 10; ++i) {
        const fs::path d = tree.root() / ("d" + std::to_string(i));
        EXPECT_FALSE(fs::exists(d / ("tmp" + std::to_string(i))));
        EXPECT_TRUE(fs::exists(d / "keep" / "y"));
    }
    EXPECT_TRUE(fs::exists(tree.root() / "kept.txt"));
    EXPECT_TRUE(fs::exists(tree.root() / "a"));
    EXPECT_NE(window.handle(), nullptr);
}

TEST_F(MainWindowTest, TheEmptyPrefixWarningIsATaskModalBoxWithItsTextAndTitle)
{
    setText(prefixEditId, "");
    testing::DialogWatcher watcher(window.handle(), IDOK);
    window.deleteCommand();
    const auto seen = watcher.seen();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, L"激情提示");
    EXPECT_NE(std::find(seen.texts.begin(), seen.texts.end(), L"请输入字段啊...干！"), seen.texts.end());
    EXPECT_FALSE(seen.mainWindowEnabled);
    EXPECT_TRUE(IsWindowEnabled(window.handle()));
}

TEST_F(MainWindowTest, CancellingTheFolderBrowserEmptiesTheRootBoxAndEnablesTheWindowAgain)
{
    testing::DialogWatcher watcher(window.handle(), IDCANCEL);
    window.browseCommand();
    const auto seen = watcher.seen();
    ASSERT_TRUE(seen.found);
    EXPECT_FALSE(seen.mainWindowEnabled);
    EXPECT_NE(std::find(seen.texts.begin(), seen.texts.end(), L"选择目录："), seen.texts.end());
    EXPECT_EQ(textOf(control(rootEditId)), L"");
    EXPECT_TRUE(IsWindowEnabled(window.handle()));
}

TEST_F(MainWindowTest, ChoosingAFolderPutsItsPathIntoTheRootBox)
{
    // OK on the browser's own first selection: a folder of the file system
    // (the desktop's), whose path then stands in the root box.
    testing::DialogWatcher watcher(window.handle(), IDOK);
    window.browseCommand();
    ASSERT_TRUE(watcher.seen().found);
    const std::wstring chosen = textOf(control(rootEditId));
    ASSERT_FALSE(chosen.empty());
    EXPECT_NE(chosen.back(), L'\\');
    EXPECT_TRUE(fs::is_directory(chosen));
    EXPECT_TRUE(IsWindowEnabled(window.handle()));
}

TEST_F(MainWindowTest, InsertListItemAppendsAfterTheLastItem)
{
    WindowServices& services = window.services();
    for (const char* label : {"C:\\a", "C:\\b", "C:\\c"})
        services.insertListItem(label);
    services.insertListItem("C:\\d\\fourth.txt");
    const HWND list = control(resultListId);
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 4);
    char text[64] = {};
    LVITEMA item{};
    item.iItem = 3;
    item.mask = LVIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, "C:\\d\\fourth.txt");
    EXPECT_FALSE(IsWindowVisible(list));
    // Never shown, it is kept in report view: appends to an icon view grow
    // ever dearer.
    EXPECT_EQ(SendMessageW(list, LVM_GETVIEW, 0, 0), LV_VIEW_DETAILS);
}

// Counts the messages that reach it.
LRESULT CALLBACK countingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER)
        ++*reinterpret_cast<int*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(MainWindowTest, ThePumpDispatchesWhatIsPendingAndLeavesAQuitQueued)
{
    WindowServices& services = window.services();
    EXPECT_EQ(services.pumpPendingMessages(), PumpResult::windowOpen);

    WNDCLASSW counting{};
    counting.lpfnWndProc = countingProc;
    counting.hInstance = GetModuleHandleW(nullptr);
    counting.lpszClassName = L"DirsweepCounting";
    RegisterClassW(&counting);
    int received = 0;
    const HWND counter = CreateWindowExW(0, L"DirsweepCounting", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                         GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(counter, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&received));
    PostMessageW(counter, WM_USER, 0, 0);
    PostMessageW(counter, WM_USER, 0, 0);
    PostQuitMessage(0);

    EXPECT_EQ(services.pumpPendingMessages(), PumpResult::windowOpen);
    EXPECT_EQ(received, 2);
    EXPECT_TRUE(quitIsQueued());
    DestroyWindow(counter);
}

TEST_F(MainWindowTest, ThePumpReportsAWindowClosedInsideIt)
{
    PostMessageW(window.handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(window.services().pumpPendingMessages(), PumpResult::windowClosed);
    EXPECT_TRUE(quitIsQueued());
}

TEST_F(MainWindowTest, ReadAndWriteContentOfTheEditBoxes)
{
    WindowServices& services = window.services();
    EXPECT_EQ(services.readContent(EditBox::root), "C:\\Users\\Administrator\\Desktop\\03");
    EXPECT_EQ(services.readContent(EditBox::prefix), "");
    services.writeContent(EditBox::prefix, "tmp");
    EXPECT_EQ(textOf(control(prefixEditId)), L"tmp");
    services.writeContent(EditBox::root, "");
    EXPECT_EQ(services.readContent(EditBox::root), "");
}

} // namespace
} // namespace dirsweep
