#include "platform/posix/posix_tree_remover.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "platform/posix/unique_fd.h"
#include "platform/removal_guard.h"

namespace dirsweep {
namespace {

enum class EntryKind { directory, link, readOnlyFile, other };

struct Entry {
    std::string name;
    EntryKind kind;
};

// One open level of the walk: the directory's identity, to check the way
// back up, and its entries, enumerated completely before any is deleted.
struct Level {
    dev_t device;
    ino_t inode;
    std::string nameInParent;
    std::vector<Entry> entries;
    std::size_t next = 0;
};

constexpr int openDirectoryFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

bool isReadOnlyFile(const struct stat& info)
{
    return S_ISREG(info.st_mode) && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

EntryKind kindOf(int dirFd, const dirent& entry)
{
    switch (entry.d_type) {
    case DT_DIR:
        return EntryKind::directory;
    case DT_LNK:
        return EntryKind::link;
    case DT_REG:
    case DT_UNKNOWN:
        break;
    default:
        return EntryKind::other;
    }
    struct stat info {};
    if (fstatat(dirFd, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return EntryKind::other;
    if (S_ISDIR(info.st_mode))
        return EntryKind::directory;
    if (S_ISLNK(info.st_mode))
        return EntryKind::link;
    return isReadOnlyFile(info) ? EntryKind::readOnlyFile : EntryKind::other;
}

// Every entry of the directory except those whose names begin with a full
// stop, which stay with everything inside them.
std::vector<Entry> collectEntries(int dirFd)
{
    std::vector<Entry> entries;
    const int streamFd = fcntl(dirFd, F_DUPFD_CLOEXEC, 0);
    if (streamFd < 0)
        return entries;
    UniqueDir dir(fdopendir(streamFd));
    if (!dir) {
        ::close(streamFd);
        return entries;
    }
    rewinddir(dir.get());
    while (const dirent* entry = readdir(dir.get())) {
        if (entry->d_name[0] == '.')
            continue;
        entries.push_back({entry->d_name, kindOf(dirFd, *entry)});
    }
    return entries;
}

bool openLevel(UniqueFd fd, std::string nameInParent, std::vector<Level>& levels, UniqueFd& current)
{
    struct stat info {};
    if (fstat(fd.get(), &info) != 0)
        return false;
    levels.push_back({info.st_dev, info.st_ino, std::move(nameInParent), collectEntries(fd.get())});
    current = std::move(fd);
    return true;
}

// Back to the parent through "..", which must be the directory the walk came
// from: if the tree was moved meanwhile, the walk stops rather than delete
// in a directory it never listed.
bool returnToParent(std::vector<Level>& levels, UniqueFd& current)
{
    UniqueFd parent(openat(current.get(), "..", openDirectoryFlags));
    const std::string name = std::move(levels.back().nameInParent);
    levels.pop_back();
    struct stat info {};
    if (!parent || fstat(parent.get(), &info) != 0 || info.st_dev != levels.back().device
        || info.st_ino != levels.back().inode)
        return false;
    current = std::move(parent);
    unlinkat(current.get(), name.c_str(), AT_REMOVEDIR);
    return true;
}

void processEntry(const Entry& entry, std::vector<Level>& levels, UniqueFd& current)
{
    switch (entry.kind) {
    case EntryKind::readOnlyFile:
        return;
    case EntryKind::link:
    case EntryKind::other:
        unlinkat(current.get(), entry.name.c_str(), 0);
        return;
    case EntryKind::directory:
        break;
    }
    UniqueFd child(openat(current.get(), entry.name.c_str(), openDirectoryFlags));
    // A directory that cannot be opened is still removed when it is empty.
    if (!child || !openLevel(std::move(child), entry.name, levels, current))
        unlinkat(current.get(), entry.name.c_str(), AT_REMOVEDIR);
}

void emptyDirectory(UniqueFd top)
{
    std::vector<Level> levels;
    UniqueFd current;
    if (!openLevel(std::move(top), {}, levels, current))
        return;
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next < level.entries.size()) {
            const Entry entry = std::move(level.entries[level.next++]);
            processEntry(entry, levels, current);
            continue;
        }
        if (levels.size() == 1 || !returnToParent(levels, current))
            return;
    }
}

} // namespace

bool PosixTreeRemover::removeDirectoryTree(const std::string& rawPath)
{
    const std::string path(skipLeadingSpaces(rawPath));
    if (path.empty() || isRootPath(path))
        return false;
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0)
        return false;
    if (S_ISLNK(info.st_mode)) {
        // A link to a directory goes as a link; its target is never entered.
        struct stat target {};
        return stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode) && unlink(path.c_str()) == 0;
    }
    if (!S_ISDIR(info.st_mode))
        return false;
    emptyDirectory(UniqueFd(open(path.c_str(), openDirectoryFlags)));
    return rmdir(path.c_str()) == 0;
}

} // namespace dirsweep
