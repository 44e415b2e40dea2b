#include "platform/posix/posix_directory_lister.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <string_view>

#include "platform/posix/unique_fd.h"

namespace dirsweep {
namespace {

constexpr unsigned fileAttributeFlags = 0x0027; // read-only, hidden, system, archive

bool wantsDirectories(unsigned flags)
{
    return (flags & listing::directoryFlag) != 0;
}

bool wantsFiles(unsigned flags)
{
    return (flags & listing::exclusiveFlag) == 0 || (flags & fileAttributeFlags) != 0;
}

// Follows links, as the list box does: a link to a directory lists as one.
bool isDirectoryEntry(int dirFd, const dirent& entry)
{
    if (entry.d_type == DT_DIR)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat info {};
    return fstatat(dirFd, entry.d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

struct Listing {
    std::vector<std::string> directories;
    std::vector<std::string> files;
};

Listing readDirectory(const std::string& path)
{
    Listing listing;
    UniqueDir dir(opendir(path.empty() ? "." : path.c_str()));
    if (!dir)
        return listing;
    const int fd = dirfd(dir.get());
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        (isDirectoryEntry(fd, *entry) ? listing.directories : listing.files).emplace_back(name);
    }
    std::sort(listing.directories.begin(), listing.directories.end());
    std::sort(listing.files.begin(), listing.files.end());
    return listing;
}

} // namespace

ListBoxHandle PosixDirectoryLister::listBoxHandle()
{
    return reinterpret_cast<ListBoxHandle>(this);
}

void PosixDirectoryLister::resetListBox(ListBoxHandle)
{
    items_.clear();
}

void PosixDirectoryLister::fillListBox(ListBoxHandle, const std::string& pattern, unsigned flags)
{
    const std::string_view mask = listing::everyName;
    if (!std::string_view(pattern).ends_with(mask))
        return;
    const Listing listing = readDirectory(pattern.substr(0, pattern.size() - mask.size()));
    if (wantsDirectories(flags)) {
        for (const std::string& name : listing.directories)
            items_.push_back('[' + name + ']');
    }
    if (wantsFiles(flags))
        items_.insert(items_.end(), listing.files.begin(), listing.files.end());
}

int PosixDirectoryLister::listBoxItemCount()
{
    return static_cast<int>(items_.size());
}

std::string PosixDirectoryLister::listBoxItemText(int position)
{
    if (position < 0 || position >= listBoxItemCount())
        return {};
    return items_[static_cast<std::size_t>(position)];
}

bool PosixDirectoryLister::isDirectoryLink(const std::string& path)
{
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

} // namespace dirsweep
