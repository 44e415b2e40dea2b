#pragma once

#include <string_view>

namespace dirsweep {

// What follows the leading spaces (0x20 only) of a path to be removed.
constexpr std::string_view skipLeadingSpaces(std::string_view path) noexcept
{
    const auto first = path.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : path.substr(first);
}

// Two- and three-byte drive roots such as "C:" and "C:\". Any first byte
// counts; longer paths such as "C:\x" are not roots.
constexpr bool isDriveRoot(std::string_view path) noexcept
{
    if (path.size() < 2 || path[1] != ':')
        return false;
    return path.size() == 2 || (path.size() == 3 && path[2] == '\\');
}

// The other spellings of a file-system root: separators alone ("\", "/",
// "//") or a drive followed by separators alone ("C:/", "C:\\"). Removing
// any of them would empty a whole drive, so they are refused as well.
constexpr bool isRootPath(std::string_view path) noexcept
{
    constexpr std::string_view separators = "\\/";
    if (isDriveRoot(path))
        return true;
    const std::string_view rest = path.size() >= 2 && path[1] == ':' ? path.substr(2) : path;
    return !rest.empty() && rest.find_first_not_of(separators) == std::string_view::npos;
}

} // namespace dirsweep
