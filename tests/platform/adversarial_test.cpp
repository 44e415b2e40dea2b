// Small hostile fixtures for the whole sweep on real directories: links that
// lead out of the tree or back into it, and odd names.
#include <gtest/gtest.h>

#include <map>

#include "platform_harness.h"

namespace dirsweep::testing {
namespace {

namespace fs = std::filesystem;

// Every entry under a directory, links not followed, with each file's bytes.
std::map<std::string, std::string> snapshot(const fs::path& directory)
{
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(directory)) {
        const std::string name = fs::relative(entry.path(), directory).generic_string();
        entries[name] = entry.is_regular_file() && !entry.is_symlink() ? readFile(entry.path()) : "<dir or link>";
    }
    return entries;
}

bool present(const fs::path& path)
{
    return fs::exists(fs::symlink_status(path));
}

class Adversarial : public ::testing::Test {
protected:
    void sweep(const fs::path& root, const std::string& prefix)
    {
        sweepOnDisk(platform->lister(), platform->remover(), platform->textOf(root), prefix);
    }

    std::unique_ptr<PlatformHarness> platform = makePlatformHarness();
    ScratchDirectory scratch;
    ScratchDirectory outsideScratch;
    const fs::path root = scratch.path() / "root";
    const fs::path outside = outsideScratch.path() / "outside";
};

TEST_F(Adversarial, LinksOutOfTheTreeOrBackIntoItAreNeverFollowed)
{
    fs::create_directories(outside / "tmpInner");
    writeFile(outside / "precious.txt", "precious");
    writeFile(outside / "tmpInner" / "deep.txt", "deep");
    fs::create_directories(root / "sub");
    fs::create_directories(root / "tmpDir");
    platform->makeDirectoryLink(root / "tmpOut", outside);             // matching, leads out
    platform->makeDirectoryLink(root / "plainOut", outside);           // not matching, leads out
    platform->makeDirectoryLink(root / "sub" / "loop", root / "sub");  // a loop onto itself
    platform->makeDirectoryLink(root / "tmpRoot", root);               // matching, onto the root
    platform->makeDirectoryLink(root / "tmpDir" / "inner", outside);   // inside a removed directory
    platform->makeFileLink(root / "fileLink", outside / "precious.txt");
    const auto before = snapshot(outside);

    sweep(root, "tmp");

    EXPECT_EQ(snapshot(outside), before);
    EXPECT_TRUE(present(root / "plainOut"));
    EXPECT_TRUE(present(root / "sub" / "loop"));
    EXPECT_TRUE(present(root / "fileLink"));
    EXPECT_TRUE(fs::is_directory(root / "sub"));
    if (const auto why = platform->wineDifference("its RemoveDirectoryA follows a directory symbolic "
                                                  "link, where Windows removes the link itself");
        !why.empty())
        GTEST_SKIP() << why;
    EXPECT_FALSE(present(root / "tmpOut"));
    EXPECT_FALSE(present(root / "tmpRoot"));
    EXPECT_FALSE(present(root / "tmpDir"));
}

TEST_F(Adversarial, ALinkToAnEmptyDirectoryOutsideLeavesThatDirectory)
{
    fs::create_directories(outside);
    fs::create_directories(root);
    platform->makeDirectoryLink(root / "tmpEmpty", outside);
    if (const auto why = platform->wineDifference("Wine 8's RemoveDirectoryA on a link to an empty "
                                                  "directory removes that directory, where Windows "
                                                  "removes the link");
        !why.empty())
        GTEST_SKIP() << why;
    sweep(root, "tmp");
    EXPECT_TRUE(fs::is_directory(outside));
    EXPECT_FALSE(present(root / "tmpEmpty"));
}

TEST_F(Adversarial, NamesThatArePrefixLikeOrUnusual)
{
    struct Case {
        std::string name;
        bool removed;
    };
    const Case cases[] = {
        {"tmp", true},           {"tmp with spaces", true}, {"tmp[1]", true}, {"tmp.d", true},
        {std::string(" tmp"), false}, {"[tmp]", false},      {".tmp", false}, {"Tmp1", false},
    };
    for (const Case& c : cases) {
        fs::create_directories(root / c.name / "inside");
        writeFile(root / c.name / "inside" / "f.txt");
    }
    sweep(root, "tmp");
    for (const Case& c : cases)
        EXPECT_EQ(fs::exists(root / c.name), !c.removed) << '\'' << c.name << '\'';
}

} // namespace
} // namespace dirsweep::testing
