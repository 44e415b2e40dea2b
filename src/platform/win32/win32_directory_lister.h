#pragma once

#include <windows.h>

#include "platform/directory_lister.h"

namespace dirsweep {

// Lists directories through the main window's hidden list box (列表框1)
// and its own LB_DIR message.
class Win32DirectoryLister final : public DirectoryLister {
public:
    explicit Win32DirectoryLister(HWND mainWindow) noexcept : mainWindow_(mainWindow) {}

    char separator() const noexcept override { return '\\'; }
    bool endsWithSeparator(const std::string& path) const override;

    ListBoxHandle listBoxHandle() override;
    void resetListBox(ListBoxHandle box) override;
    void fillListBox(ListBoxHandle box, const std::string& pattern, unsigned flags) override;
    int listBoxItemCount() override;
    std::string listBoxItemText(int position) override;
    bool isDirectoryLink(const std::string& path) override;

private:
    HWND listBox() const noexcept;

    HWND mainWindow_;
};

// A directory that carries a reparse point (a junction, a directory symbolic
// link, a mount point, or a placeholder of some other file-system filter).
// It is removed as a link and never entered.
bool isDirectoryLinkAttributes(DWORD attributes) noexcept;

} // namespace dirsweep
