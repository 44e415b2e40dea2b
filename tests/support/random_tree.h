#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace dirsweep::testing {

// The shape of a generated tree. The same seed and shape give the same tree
// on every platform.
struct TreeShape {
    std::uint32_t seed = 1;
    int directories = 50;
    int files = 100;
    int maxDepth = 6;
    int maxWidth = 8;
    std::string prefix = "tmp";
    double prefixShare = 0.15;   // directories named after the prefix
    double nearMissShare = 0.25; // a different case, the prefix inside, a dot first...
    double hiddenShare = 0.05;
    double readOnlyShare = 0.03;
};

struct TreeEntry {
    std::string path; // relative to the root, '/' between the parts
    bool directory = false;
    bool hidden = false;
    bool readOnly = false;
};

// Directories come before anything inside them.
std::vector<TreeEntry> generateTree(const TreeShape& shape);

struct FileMarks {
    std::function<void(const std::filesystem::path&)> makeHidden;
    std::function<void(const std::filesystem::path&)> makeReadOnly;
};

// Writes the tree under root (which must exist).
void materializeTree(const std::vector<TreeEntry>& entries, const std::filesystem::path& root,
                     const FileMarks& marks);

} // namespace dirsweep::testing
