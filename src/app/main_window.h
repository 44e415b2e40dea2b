#pragma once

#include <windows.h>

#include <optional>

#include "platform/win32/win32_directory_lister.h"
#include "platform/win32/win32_tree_remover.h"
#include "platform/win32/win32_window_services.h"
#include "sweep/sweep_state.h"

namespace dirsweep {

// The program's one window: the root and prefix boxes with their labels,
// the Browse and Delete buttons, and the two hidden working controls (the
// lister's list box and the result list).
class MainWindow final : public MessageDispatcher {
public:
    explicit MainWindow(SweepState& state) noexcept : state_(state) {}
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates, shows and focuses the window; false when it cannot be made.
    bool openMainWindow(HINSTANCE instance);

    // Null once the window has been destroyed.
    HWND handle() const noexcept { return window_; }

    // The main loop's treatment of one message, also used by the pump.
    void dispatch(MSG& message) override;

    // Tab, Shift+Tab and Esc for the window and its controls; true when the
    // key was consumed.
    bool handleKeyboard(const MSG& message);

    void browseCommand();
    void deleteCommand();

    WindowServices& services() { return *services_; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool createFrame(HINSTANCE instance);
    void createControls(HINSTANCE instance);
    void arrangeZOrder();
    void showControls();

    void onCommand(int id, int code);
    void onActivate(bool active);
    void onSetFocus();
    void onNcDestroy();
    bool onEraseBackground(HDC dc);
    LRESULT onEditOrListColor(HDC dc);

    void moveFocus(int step);

    SweepState& state_;
    HWND window_ = nullptr;
    HWND focusWhenDeactivated_ = nullptr;
    HFONT font_ = nullptr;
    std::optional<Win32DirectoryLister> lister_;
    Win32TreeRemover remover_;
    std::optional<Win32WindowServices> services_;
};

} // namespace dirsweep
