#pragma once

#include <windows.h>

#include "platform/window_services.h"

namespace dirsweep {

// Hands one retrieved message on exactly as the main loop does: the main
// window's keyboard handling first, then translation and dispatch.
class MessageDispatcher {
public:
    virtual ~MessageDispatcher() = default;
    virtual void dispatch(MSG& message) = 0;
};

// The window services on the real main window and its controls.
class Win32WindowServices final : public WindowServices {
public:
    Win32WindowServices(HWND mainWindow, MessageDispatcher& dispatcher) noexcept
        : mainWindow_(mainWindow), dispatcher_(dispatcher)
    {
    }

    std::string readContent(EditBox box) override;
    void writeContent(EditBox box, const std::string& text) override;
    std::string browseForFolder(const std::string& title, bool includeFiles) override;
    void showMessageBox(const std::string& message, const std::string& title) override;
    void insertListItem(const std::string& label) override;
    PumpResult pumpPendingMessages() override;

private:
    HWND control(int id) const noexcept { return GetDlgItem(mainWindow_, id); }
    HWND editBox(EditBox box) const noexcept;

    HWND mainWindow_;
    MessageDispatcher& dispatcher_;
};

} // namespace dirsweep
