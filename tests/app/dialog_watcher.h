#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace dirsweep::testing {

// Waits on a thread of its own for a dialog that the watched thread opens
// (a message box, the folder browser), records what it shows and in which
// state it finds the main window, then closes it with the given command.
class DialogWatcher {
public:
    struct Seen {
        bool found = false;
        std::wstring caption;
        std::vector<std::wstring> texts; // the dialog's child windows' texts
        bool mainWindowEnabled = true;
        LONG_PTR style = 0;
    };

    DialogWatcher(HWND mainWindow, int closingCommand)
        : mainWindow_(mainWindow), ownerThread_(GetCurrentThreadId()), closingCommand_(closingCommand),
          thread_([this] { watch(); })
    {
    }
    ~DialogWatcher()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
    }
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    Seen seen()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        return seen_;
    }

private:
    static BOOL CALLBACK findDialog(HWND window, LPARAM found)
    {
        wchar_t className[32] = {};
        GetClassNameW(window, className, 32);
        if (std::wstring(className) == L"#32770" && IsWindowVisible(window)) {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }

    static BOOL CALLBACK collectText(HWND child, LPARAM texts)
    {
        wchar_t text[512] = {};
        GetWindowTextW(child, text, 512);
        reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(text);
        return TRUE;
    }

    void watch()
    {
        for (int tries = 0; tries < 500 && !stop_; ++tries) {
            HWND dialog = nullptr;
            EnumThreadWindows(ownerThread_, findDialog, reinterpret_cast<LPARAM>(&dialog));
            if (dialog) {
                Sleep(100); // let it finish showing itself
                record(dialog);
                PostMessageW(dialog, WM_COMMAND, closingCommand_, 0);
                return;
            }
            Sleep(20);
        }
    }

    void record(HWND dialog)
    {
        seen_.found = true;
        wchar_t caption[256] = {};
        GetWindowTextW(dialog, caption, 256);
        seen_.caption = caption;
        EnumChildWindows(dialog, collectText, reinterpret_cast<LPARAM>(&seen_.texts));
        seen_.mainWindowEnabled = IsWindowEnabled(mainWindow_) != FALSE;
        seen_.style = GetWindowLongPtrW(dialog, GWL_STYLE);
    }

    HWND mainWindow_;
    DWORD ownerThread_;
    int closingCommand_;
    std::atomic<bool> stop_{false};
    Seen seen_;
    std::thread thread_;
};

} // namespace dirsweep::testing
