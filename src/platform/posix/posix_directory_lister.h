#pragma once

#include <string>
#include <vector>

#include "platform/directory_lister.h"

namespace dirsweep {

// The list box's directory listing, rebuilt on POSIX. A pass lists the
// directory that the pattern names (the pattern must end in "*.*", which
// selects every name) and appends, sorted by name byte for byte:
// - with the directory flag: "[name]" for each subdirectory, a symbolic
//   link to a directory included; "." and ".." are left out;
// - with the exclusive flag and none of the four file-attribute flags:
//   nothing else; otherwise the bare name of every entry that is not a
//   directory (regular files, links to files, dangling links, fifos...).
// A path that is missing, names a file or cannot be read lists nothing.
class PosixDirectoryLister final : public DirectoryLister {
public:
    char separator() const noexcept override { return '/'; }
    bool endsWithSeparator(const std::string& path) const override
    {
        return !path.empty() && path.back() == '/';
    }

    ListBoxHandle listBoxHandle() override;
    void resetListBox(ListBoxHandle box) override;
    void fillListBox(ListBoxHandle box, const std::string& pattern, unsigned flags) override;
    int listBoxItemCount() override;
    std::string listBoxItemText(int position) override;
    bool isDirectoryLink(const std::string& path) override;

    // What the last fills left in the list, for inspection.
    const std::vector<std::string>& items() const noexcept { return items_; }

private:
    std::vector<std::string> items_;
};

} // namespace dirsweep
