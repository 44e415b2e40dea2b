// Hostile cases that only POSIX can make: names Windows forbids, trees
// deeper than PATH_MAX, and another process changing the tree meanwhile.
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/posix/posix_directory_lister.h"
#include "platform/posix/posix_tree_remover.h"
#include "platform/posix/unique_fd.h"
#include "platform_harness.h"
#include "posix_deep_chain.h"

namespace dirsweep::testing {
namespace {

namespace fs = std::filesystem;

class PosixAdversarial : public ::testing::Test {
protected:
    void sweep(const fs::path& root, const std::string& prefix)
    {
        sweepOnDisk(lister, remover, root.string(), prefix);
    }

    PosixDirectoryLister lister;
    PosixTreeRemover remover;
    ScratchDirectory scratch;
    const fs::path root = scratch.path() / "root";
};

TEST_F(PosixAdversarial, NamesWindowsForbidsAreSweptLikeAnyOther)
{
    const std::string longName = "tmp" + std::string(252, 'x'); // 255 bytes, the longest a name can be
    for (const std::string name : {longName, std::string("tmp "), std::string("tmp."), std::string("tmp\\x"),
                                   std::string("tmp\n"), std::string("tmp\x81\x5c")}) {
        fs::create_directories(root / name / "sub");
        writeFile(root / name / "sub" / "f");
    }
    fs::create_directories(root / "keep\\tmp");
    sweep(root, "tmp");
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(root))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"keep\\tmp"});
}

TEST_F(PosixAdversarial, TreesDeeperThanThePathLimitNeitherCrashNorLoseWhatCannotBeReached)
{
    constexpr int depth = 2500; // 5000 bytes of "d/"
    static_assert(depth * 2 > PATH_MAX);
    ASSERT_TRUE(buildDeepChain(root / "tmpDeep", depth));
    const UniqueFd bottom = buildDeepChain(root / "keep", depth);
    ASSERT_TRUE(bottom);
    mkdirat(bottom.get(), "tmpUnreachable", 0755);
    sweep(root, "tmp");
    EXPECT_FALSE(fs::exists(root / "tmpDeep"));
    // The sweep reaches directories by path, so beyond PATH_MAX it sees
    // nothing: the deep matching directory stays, and so does its chain.
    UniqueFd current(open((root / "keep").c_str(), O_RDONLY | O_DIRECTORY));
    for (int i = 0; i < depth && current; ++i)
        current = UniqueFd(openat(current.get(), "d", O_RDONLY | O_DIRECTORY));
    ASSERT_TRUE(current);
    EXPECT_EQ(faccessat(current.get(), "tmpUnreachable", F_OK, 0), 0);
    EXPECT_TRUE(remover.removeDirectoryTree((root / "keep").string()));
}

TEST_F(PosixAdversarial, AnotherProcessChangingTheTreeMeanwhileRemovesNothingElse)
{
    for (int i = 0; i < 40; ++i) {
        fs::create_directories(root / ("tmp" + std::to_string(i)) / "a" / "b");
        fs::create_directories(root / ("keep" + std::to_string(i)) / "tmpInner" / "x");
        writeFile(root / ("keep" + std::to_string(i)) / "kept.txt", "kept");
    }
    std::atomic<bool> done{false};
    std::thread churn([&] {
        for (int round = 0; round < 20000 && !done; ++round) {
            std::error_code ignored;
            const fs::path busy = root / ("tmp" + std::to_string(round % 40)) / "a" / ("new" + std::to_string(round));
            fs::create_directories(busy, ignored);
            writeFile(busy / "f", "x");
            fs::remove_all(root / ("keep" + std::to_string(round % 40)) / "tmpInner" / "x", ignored);
            fs::create_directories(root / ("keep" + std::to_string(round % 40)) / "tmpInner" / "y", ignored);
        }
    });
    sweep(root, "tmp");
    done = true;
    churn.join();
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(readFile(root / ("keep" + std::to_string(i)) / "kept.txt"), "kept") << i;
}

} // namespace
} // namespace dirsweep::testing
