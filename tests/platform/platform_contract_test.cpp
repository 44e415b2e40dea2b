// The contract that the directory lister and the tree remover meet on every
// platform, run on real directories: natively against the POSIX calls, and
// under Wine (or on Windows) against the Win32 ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform_harness.h"

namespace dirsweep::testing {
namespace {

namespace fs = std::filesystem;
using Items = std::vector<std::string>;

class PlatformContract : public ::testing::Test {
protected:
    std::string text(const fs::path& path) { return platform->textOf(path); }

    std::string pattern(const fs::path& directory)
    {
        return text(directory) + platform->lister().separator() + listing::everyName;
    }

    // One pass as the sweep makes it: reset, fill, count, then every item.
    Items list(const fs::path& directory, unsigned flags)
    {
        DirectoryLister& lister = platform->lister();
        const ListBoxHandle box = lister.listBoxHandle();
        lister.resetListBox(box);
        lister.fillListBox(box, pattern(directory), flags);
        Items items;
        const int count = lister.listBoxItemCount();
        for (int i = 0; i < count; ++i) {
            std::string item = lister.listBoxItemText(i);
            if (item != "[.]" && item != "[..]")
                items.push_back(std::move(item));
        }
        std::sort(items.begin(), items.end());
        return items;
    }

    bool remove(const fs::path& directory) { return platform->remover().removeDirectoryTree(text(directory)); }

    std::string wineDifference(const char* what) { return platform->wineDifference(what); }

    std::unique_ptr<PlatformHarness> platform = makePlatformHarness();
    ScratchDirectory scratch;
    const fs::path& root = scratch.path();
};

// --- listing ---------------------------------------------------------------

TEST_F(PlatformContract, TheSubdirectoryPassListsBracketedSubdirectoriesAndNoFile)
{
    fs::create_directory(root / "a");
    fs::create_directory(root / "b");
    fs::create_directory(root / "[x]");
    writeFile(root / "x.txt");
    writeFile(root / "README");
    EXPECT_EQ(list(root, listing::subdirectoryPass), (Items{"[[x]]", "[a]", "[b]"}));
}

TEST_F(PlatformContract, TheFilePassListsBareFileNamesWithOrWithoutADotAndNoDirectory)
{
    if (const auto why = wineDifference("its LB_DIR with DDL_EXCLUSIVE lists only files whose four "
                                        "attributes equal the flag set, where Windows lists files "
                                        "carrying at least one");
        !why.empty())
        GTEST_SKIP() << why;
    fs::create_directory(root / "a");
    writeFile(root / "x.txt");
    writeFile(root / "README");
    EXPECT_EQ(list(root, listing::filePass), (Items{"README", "x.txt"}));
}

TEST_F(PlatformContract, AMissingPathOrAFileListsNothingEvenAfterEarlierItems)
{
    fs::create_directory(root / "a");
    writeFile(root / "file.txt");
    for (const fs::path& path : {root / "missing", root / "file.txt"}) {
        for (const unsigned flags : {listing::subdirectoryPass, listing::filePass}) {
            SCOPED_TRACE(text(path) + (flags == listing::filePass ? " files" : " dirs"));
            ASSERT_FALSE(list(root, listing::subdirectoryPass).empty());
            EXPECT_TRUE(list(path, flags).empty());
        }
    }
}

TEST_F(PlatformContract, APositionOutOfRangeReadsAsTheEmptyText)
{
    fs::create_directory(root / "a");
    list(root, listing::subdirectoryPass);
    DirectoryLister& lister = platform->lister();
    const int count = lister.listBoxItemCount();
    ASSERT_GT(count, 0);
    EXPECT_EQ(lister.listBoxItemText(-1), "");
    EXPECT_EQ(lister.listBoxItemText(count), "");
    EXPECT_NE(lister.listBoxItemText(count - 1), "");
}

TEST_F(PlatformContract, RecognisesADirectoryLinkAndNothingElse)
{
    ScratchDirectory outside;
    fs::create_directory(root / "real");
    writeFile(root / "file");
    platform->makeDirectoryLink(root / "link", outside.path());
    DirectoryLister& lister = platform->lister();
    EXPECT_TRUE(lister.isDirectoryLink(text(root / "link")));
    EXPECT_FALSE(lister.isDirectoryLink(text(root / "real")));
    EXPECT_FALSE(lister.isDirectoryLink(text(root / "file")));
    EXPECT_FALSE(lister.isDirectoryLink(text(root / "missing")));
}

// --- removal ---------------------------------------------------------------

TEST_F(PlatformContract, RemovesAWholeTreeWithHiddenAndSystemFiles)
{
    const fs::path tree = root / "tree";
    fs::create_directories(tree / "a" / "b" / "c");
    writeFile(tree / "top.txt");
    writeFile(tree / "a" / "b" / "c" / "deep");
    writeFile(tree / "a" / "secret");
    platform->makeHiddenAndSystem(tree / "a" / "secret");
    EXPECT_TRUE(remove(tree));
    EXPECT_FALSE(fs::exists(tree));
}

TEST_F(PlatformContract, KeepsWhatTheRulesKeepWithEveryDirectoryAboveIt)
{
    struct Case {
        const char* name;
        fs::path kept;
        void (*make)(PlatformHarness&, const fs::path& tree, const fs::path& kept);
    };
    const Case cases[] = {
        {"a directory named .git", "sub/.git/objects/pack",
         [](PlatformHarness&, const fs::path&, const fs::path& kept) { fs::create_directories(kept); }},
        {"a file named .env", "sub/.env",
         [](PlatformHarness&, const fs::path&, const fs::path& kept) { writeFile(kept); }},
        {"a read-only file", "sub/locked.txt",
         [](PlatformHarness& platform, const fs::path&, const fs::path& kept) {
             writeFile(kept);
             platform.makeReadOnly(kept);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path tree = root / "tree";
        fs::create_directories(tree / "sub");
        fs::create_directories(tree / "gone" / "deeper");
        writeFile(tree / "gone.txt");
        writeFile(tree / "sub" / "gone.txt");
        c.make(*platform, tree, tree / c.kept);

        EXPECT_FALSE(remove(tree));
        EXPECT_TRUE(fs::exists(tree / c.kept));
        EXPECT_FALSE(fs::exists(tree / "gone"));
        EXPECT_FALSE(fs::exists(tree / "gone.txt"));
        EXPECT_FALSE(fs::exists(tree / "sub" / "gone.txt"));
        std::error_code ignored;
        fs::permissions(tree / c.kept, fs::perms::owner_write, fs::perm_options::add, ignored);
        fs::remove_all(tree);
    }
}

TEST_F(PlatformContract, RefusesAFileAMissingPathAndEmptyOrRootPaths)
{
    writeFile(root / "file.txt");
    EXPECT_FALSE(remove(root / "file.txt"));
    EXPECT_TRUE(fs::exists(root / "file.txt"));
    EXPECT_FALSE(remove(root / "missing"));
    for (const char* path : {"", "   ", "C:", "C:\\", "1:", "/", "  /"})
        EXPECT_FALSE(platform->remover().removeDirectoryTree(path)) << '\'' << path << '\'';
}

TEST_F(PlatformContract, SkipsLeadingSpacesOfThePath)
{
    fs::create_directories(root / "tmp" / "x");
    EXPECT_TRUE(platform->remover().removeDirectoryTree("  " + text(root / "tmp")));
    EXPECT_FALSE(fs::exists(root / "tmp"));
}

TEST_F(PlatformContract, ALinkIsRemovedAsALinkAndItsTargetStaysByteForByte)
{
    ScratchDirectory outside;
    fs::create_directory(outside.path() / "data");
    writeFile(outside.path() / "data" / "precious.txt", "keep me");
    const fs::path tree = root / "tree";
    fs::create_directories(tree / "sub");
    platform->makeDirectoryLink(tree / "sub" / "inside", outside.path() / "data");
    platform->makeDirectoryLink(root / "itself", outside.path() / "data");

    const bool treeRemoved = remove(tree);
    const bool linkRemoved = remove(root / "itself");
    EXPECT_EQ(readFile(outside.path() / "data" / "precious.txt"), "keep me");

    if (const auto why = wineDifference("its RemoveDirectoryA follows a directory symbolic link "
                                        "(error 145 for a target that is not empty), where Windows "
                                        "removes the link");
        !why.empty())
        GTEST_SKIP() << why;
    EXPECT_TRUE(treeRemoved);
    EXPECT_TRUE(linkRemoved);
    EXPECT_FALSE(fs::exists(tree));
    EXPECT_FALSE(fs::exists(fs::symlink_status(root / "itself")));
}

} // namespace
} // namespace dirsweep::testing
