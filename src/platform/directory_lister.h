#pragma once

#include <cstdint>
#include <string>

namespace dirsweep {

// The flag sets of the two listing passes (the list box's DDL_* values).
namespace listing {
inline constexpr unsigned subdirectoryPass = 0x8010; // DDL_EXCLUSIVE | DDL_DIRECTORY
inline constexpr unsigned filePass = 0x8027;         // DDL_EXCLUSIVE | DDL_ARCHIVE | DDL_SYSTEM
                                                     // | DDL_HIDDEN | DDL_READONLY
inline constexpr unsigned directoryFlag = 0x0010;    // DDL_DIRECTORY
inline constexpr unsigned exclusiveFlag = 0x8000;    // DDL_EXCLUSIVE
inline constexpr const char* everyName = "*.*";
} // namespace listing

// Opaque handle of the scratch list that listings are filled into.
using ListBoxHandle = std::uintptr_t;

// Lists a directory into a scratch list of texts, the way a list box lists
// one with LB_DIR: a reset empties the list, a fill appends the entries that
// a pattern (directory, separator, "*.*") and a flag set select. The
// subdirectory pass yields "[name]" for each subdirectory and never a file;
// the file pass yields bare names of entries that are not directories. A
// directory that cannot be listed yields nothing.
class DirectoryLister {
public:
    virtual ~DirectoryLister() = default;

    // The byte that separates the parts of a path on this platform.
    virtual char separator() const noexcept = 0;

    // Whether the path's last character is the separator. Judged by
    // characters of the ANSI code page, not by the last byte: in a
    // double-byte code page the second byte of a character can equal the
    // separator, and taking it for one would list the parent instead.
    virtual bool endsWithSeparator(const std::string& path) const = 0;

    virtual ListBoxHandle listBoxHandle() = 0;
    virtual void resetListBox(ListBoxHandle box) = 0;
    virtual void fillListBox(ListBoxHandle box, const std::string& pattern, unsigned flags) = 0;
    virtual int listBoxItemCount() = 0;
    // Positions are 0-based; one out of range reads as the empty text.
    virtual std::string listBoxItemText(int position) = 0;

    // True when the path names a link to a directory elsewhere (a junction,
    // a directory symbolic link or a mount point; a symbolic link on POSIX).
    // The walk never enters one: it would lead out of the tree.
    virtual bool isDirectoryLink(const std::string& path) = 0;
};

} // namespace dirsweep
