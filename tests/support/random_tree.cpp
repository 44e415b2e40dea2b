#include "random_tree.h"

#include <fstream>
#include <random>
#include <set>

namespace dirsweep::testing {
namespace {

namespace fs = std::filesystem;

// A small generator of its own, so that a seed means the same tree with
// every standard library.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
    std::uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint32_t>(bound)); }
    bool chance(double share) { return (next() % 10000) < share * 10000; }

private:
    std::uint32_t state_;
};

std::string directoryName(Random& random, const TreeShape& shape)
{
    const std::string& p = shape.prefix;
    if (random.chance(shape.prefixShare)) {
        const std::string matching[] = {p, p + "1", p + ".old", p + " copy", p + "[2]"};
        return matching[random.below(5)];
    }
    if (random.chance(shape.nearMissShare)) {
        std::string upper = p;
        upper[0] = static_cast<char>(upper[0] ^ 0x20);
        const std::string nearMisses[] = {upper + "1", "a" + p, p.substr(0, p.size() - 1), "." + p,
                                          "[" + p + "]", " " + p, "x" + p + "y"};
        return nearMisses[random.below(7)];
    }
    const std::string plain[] = {"src", "lib", "build", "a b", "x.y", "[x]", ".git", "docs", "data"};
    return plain[random.below(9)];
}

std::string fileName(Random& random)
{
    const std::string names[] = {"f.txt", "README", ".env", "[x].dat", "a.b.c", "notes", "tmp.log"};
    return names[random.below(7)];
}

std::string lowerCase(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// Makes a name unique among its siblings, ignoring case as Windows does:
// Tmp1 beside tmp1 would be one directory there.
std::string unique(std::set<std::string>& taken, const std::string& parent, std::string name)
{
    std::string candidate = name;
    for (int n = 2; taken.contains(lowerCase(parent + '/' + candidate)); ++n)
        candidate = name + "_" + std::to_string(n);
    taken.insert(lowerCase(parent + '/' + candidate));
    return candidate;
}

} // namespace

std::vector<TreeEntry> generateTree(const TreeShape& shape)
{
    Random random(shape.seed);
    struct Directory {
        std::string path;
        int depth;
        int children;
    };
    std::vector<Directory> directories{{"", 0, 0}};
    std::vector<TreeEntry> entries;
    std::set<std::string> taken;

    const auto pickParent = [&](bool forDirectory) -> Directory& {
        for (int tries = 0; tries < 100; ++tries) {
            Directory& candidate = directories[static_cast<std::size_t>(random.below(static_cast<int>(directories.size())))];
            if (candidate.children < shape.maxWidth && (!forDirectory || candidate.depth < shape.maxDepth))
                return candidate;
        }
        return directories.front();
    };

    for (int i = 0; i < shape.directories; ++i) {
        Directory& parent = pickParent(true);
        ++parent.children;
        const std::string name = unique(taken, parent.path, directoryName(random, shape));
        const std::string path = parent.path.empty() ? name : parent.path + '/' + name;
        const int depth = parent.depth + 1;
        entries.push_back({path, true, false, false});
        directories.push_back({path, depth, 0});
    }
    for (int i = 0; i < shape.files; ++i) {
        Directory& parent = pickParent(false);
        const std::string name = unique(taken, parent.path, fileName(random));
        const std::string path = parent.path.empty() ? name : parent.path + '/' + name;
        entries.push_back({path, false, random.chance(shape.hiddenShare), random.chance(shape.readOnlyShare)});
    }
    return entries;
}

void materializeTree(const std::vector<TreeEntry>& entries, const fs::path& root, const FileMarks& marks)
{
    for (const TreeEntry& entry : entries) {
        const fs::path path = root / fs::path(entry.path);
        if (entry.directory) {
            fs::create_directory(path);
            continue;
        }
        std::ofstream(path, std::ios::binary) << entry.path;
        if (entry.hidden && marks.makeHidden)
            marks.makeHidden(path);
        if (entry.readOnly && marks.makeReadOnly)
            marks.makeReadOnly(path);
    }
}

} // namespace dirsweep::testing
