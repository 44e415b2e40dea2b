#pragma once

#include "platform/tree_remover.h"

namespace dirsweep {

// Removes a tree with the POSIX calls and the same rules as on Windows: a
// regular file with no write permission bit for anyone counts as read-only
// and stays. The walk works relative to directory descriptors and keeps its
// levels on the heap, so the depth it reaches is bounded by the tree alone,
// not by PATH_MAX or the stack.
class PosixTreeRemover final : public TreeRemover {
public:
    bool removeDirectoryTree(const std::string& path) override;
};

} // namespace dirsweep
