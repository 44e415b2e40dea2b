#pragma once

#include <string>

namespace dirsweep {

// The two edit boxes that the commands read and write.
enum class EditBox {
    root,   // 编辑框1: the directory to sweep
    prefix, // 编辑框2: the directory-name prefix
};

// Whether the main window still exists after a pump.
enum class PumpResult {
    windowOpen,
    windowClosed,
};

// What the commands ask of the main window. Paths and edit-box contents are
// byte strings in the system's ANSI code page; the program's own texts (the
// message box and the folder browser's title) are UTF-8, so that they show
// correctly whatever the code page is.
class WindowServices {
public:
    virtual ~WindowServices() = default;

    virtual std::string readContent(EditBox box) = 0;
    virtual void writeContent(EditBox box, const std::string& text) = 0;

    // The chosen folder's path, or the empty text when the user cancelled
    // or chose something without a file-system path.
    virtual std::string browseForFolder(const std::string& title, bool includeFiles) = 0;

    // A warning with a single OK button; returns when the user closed it.
    virtual void showMessageBox(const std::string& message, const std::string& title) = 0;

    // Appends a line to the hidden result list.
    virtual void insertListItem(const std::string& label) = 0;

    // Handles every pending window message, then returns; a quit message
    // stays queued for the main loop.
    virtual PumpResult pumpPendingMessages() = 0;
};

} // namespace dirsweep
