#pragma once

#include <string>

namespace dirsweep {

// Removes a directory with everything inside it. Entries whose names begin
// with a full stop stay with their contents, read-only files stay, and so
// does every directory above what stays. A link is removed as a link: what
// it points to is never touched. Empty paths and drive roots are refused.
class TreeRemover {
public:
    virtual ~TreeRemover() = default;

    // True when the directory itself is gone.
    virtual bool removeDirectoryTree(const std::string& path) = 0;
};

} // namespace dirsweep
