#include "platform/win32/win32_tree_remover.h"

#include <windows.h>

#include <vector>

#include "platform/removal_guard.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_directory_lister.h"

namespace dirsweep {
namespace {

enum class EntryKind { directory, directoryLink, file };

struct Entry {
    std::string path;
    EntryKind kind;
};

EntryKind kindOf(DWORD attributes)
{
    if (isDirectoryLinkAttributes(attributes))
        return EntryKind::directoryLink;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::directory : EntryKind::file;
}

// The level is enumerated completely, and its enumeration closed, before any
// of its entries is deleted. Names beginning with a full stop are passed
// over, with everything inside them.
std::vector<Entry> collectEntries(const std::string& directory)
{
    std::vector<Entry> entries;
    WIN32_FIND_DATAA found{};
    UniqueFindHandle search(FindFirstFileA((directory + "\\*.*").c_str(), &found));
    if (!search)
        return entries;
    do {
        if (found.cFileName[0] == '.')
            continue;
        entries.push_back({directory + '\\' + found.cFileName, kindOf(found.dwFileAttributes)});
    } while (FindNextFileA(search.get(), &found));
    return entries;
}

// Every failure is passed over: what the system refuses stays, with every
// directory above it.
void emptyDirectory(const std::string& directory)
{
    for (const Entry& entry : collectEntries(directory)) {
        switch (entry.kind) {
        case EntryKind::directory:
            emptyDirectory(entry.path);
            RemoveDirectoryA(entry.path.c_str());
            break;
        case EntryKind::directoryLink:
            // Removes the link alone; its target is never enumerated.
            RemoveDirectoryA(entry.path.c_str());
            break;
        case EntryKind::file:
            DeleteFileA(entry.path.c_str());
            break;
        }
    }
}

} // namespace

bool Win32TreeRemover::removeDirectoryTree(const std::string& rawPath)
{
    const std::string path(skipLeadingSpaces(rawPath));
    if (path.empty() || isRootPath(path))
        return false;
    if (!isDirectoryLinkAttributes(GetFileAttributesA(path.c_str())))
        emptyDirectory(path);
    return RemoveDirectoryA(path.c_str()) != FALSE;
}

} // namespace dirsweep
