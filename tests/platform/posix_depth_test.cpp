// Trees deeper than PATH_MAX: the POSIX remover works relative to directory
// descriptors, so such a tree is removed whole, and what stays deep down
// keeps every directory above it.
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/posix/posix_tree_remover.h"
#include "platform/posix/unique_fd.h"
#include "platform_harness.h"
#include "posix_deep_chain.h"

namespace dirsweep::testing {
namespace {

constexpr int depth = 3000; // "d/" each: 6000 bytes, beyond PATH_MAX

UniqueFd buildChain(const std::string& top)
{
    return buildDeepChain(top, depth);
}

TEST(PosixRemoverDepth, RemovesATreeDeeperThanThePathLimit)
{
    static_assert(depth * 2 > PATH_MAX);
    ScratchDirectory scratch;
    const std::string top = scratch.path().string() + "/top";
    {
        const UniqueFd bottom = buildChain(top);
        ASSERT_TRUE(bottom);
        const int file = openat(bottom.get(), "bottom.txt", O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(file, 0);
        close(file);
    }
    EXPECT_TRUE(PosixTreeRemover().removeDirectoryTree(top));
    EXPECT_NE(access(top.c_str(), F_OK), 0);
}

TEST(PosixRemoverDepth, AReadOnlyFileAtTheBottomKeepsTheWholeChain)
{
    ScratchDirectory scratch;
    const std::string top = scratch.path().string() + "/top";
    {
        const UniqueFd bottom = buildChain(top);
        ASSERT_TRUE(bottom);
        const int file = openat(bottom.get(), "locked", O_CREAT | O_WRONLY, 0444);
        ASSERT_GE(file, 0);
        close(file);
    }
    EXPECT_FALSE(PosixTreeRemover().removeDirectoryTree(top));
    UniqueFd current(open(top.c_str(), O_RDONLY | O_DIRECTORY));
    for (int i = 0; i < depth && current; ++i)
        current = UniqueFd(openat(current.get(), "d", O_RDONLY | O_DIRECTORY));
    ASSERT_TRUE(current);
    EXPECT_EQ(faccessat(current.get(), "locked", F_OK, 0), 0);
    // Leave nothing the scratch clean-up cannot reach: unwind from the bottom.
    unlinkat(current.get(), "locked", 0);
    EXPECT_TRUE(PosixTreeRemover().removeDirectoryTree(top));
}

} // namespace
} // namespace dirsweep::testing
