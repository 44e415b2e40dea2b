#pragma once

#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/posix/unique_fd.h"

namespace dirsweep::testing {

// Builds top/d/d/.../d, depth levels below top, relative to descriptors so
// that it may go beyond PATH_MAX; returns a descriptor of the deepest one.
inline UniqueFd buildDeepChain(const std::filesystem::path& top, int depth)
{
    std::filesystem::create_directories(top);
    UniqueFd current(open(top.c_str(), O_RDONLY | O_DIRECTORY));
    for (int i = 0; i < depth && current; ++i) {
        mkdirat(current.get(), "d", 0755);
        current = UniqueFd(openat(current.get(), "d", O_RDONLY | O_DIRECTORY));
    }
    return current;
}

} // namespace dirsweep::testing
