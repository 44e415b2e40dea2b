#pragma once

#include "platform/tree_remover.h"

namespace dirsweep {

// Removes a tree with FindFirstFileA, DeleteFileA and RemoveDirectoryA. It
// changes no attribute and retries nothing: whatever the system refuses to
// delete (a read-only file, a file open elsewhere) stays.
class Win32TreeRemover final : public TreeRemover {
public:
    bool removeDirectoryTree(const std::string& path) override;
};

} // namespace dirsweep
