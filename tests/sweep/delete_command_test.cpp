#include "sweep/delete_command.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fake_file_system.h"
#include "platform/headless_window_services.h"

namespace dirsweep {
namespace {

using testing::FakeFileSystem;
using Log = std::vector<std::string>;

class DeleteCommandTest : public ::testing::Test {
protected:
    void run(const std::string& root, const std::string& prefix)
    {
        window.root = root;
        window.prefix = prefix;
        deleteCommand(context);
    }

    Log removals() const
    {
        Log result;
        for (const std::string& line : disk.log) {
            if (line.starts_with("remove "))
                result.push_back(line.substr(7));
        }
        return result;
    }

    FakeFileSystem disk;
    HeadlessWindowServices window;
    SweepState state;
    SweepContext context{disk, disk, window, state};
};

TEST_F(DeleteCommandTest, AnEmptyPrefixIsRefusedWithAWarningAndTouchesNothing)
{
    disk.makeDirectory("D:\\data\\tmp");
    state.namePrefix = "old";
    for (const char* root : {"D:\\data", ""}) {
        SCOPED_TRACE(root);
        window.messages.clear();
        run(root, "");
        ASSERT_EQ(window.messages.size(), 1u);
        EXPECT_EQ(window.messages[0].text, "请输入字段啊...干！");
        EXPECT_EQ(window.messages[0].title, "激情提示");
    }
    EXPECT_TRUE(disk.log.empty());
    EXPECT_TRUE(window.results.empty());
    EXPECT_EQ(state.namePrefix, "old");
}

TEST_F(DeleteCommandTest, AnEmptyRootIsRefusedRatherThanSweepingTheCurrentDrive)
{
    state.namePrefix = "old";
    for (const char* root : {"", "   "}) {
        SCOPED_TRACE(std::string("root '") + root + "'");
        window.messages.clear();
        run(root, "tmp");
        ASSERT_EQ(window.messages.size(), 1u);
        EXPECT_EQ(window.messages[0].text, "请输入目录啊...");
        EXPECT_EQ(window.messages[0].title, "激情提示");
    }
    EXPECT_TRUE(disk.log.empty());
    EXPECT_EQ(window.pumpCount, 0);
    EXPECT_EQ(state.namePrefix, "old");
}

TEST_F(DeleteCommandTest, RemovesExactlyTheSubdirectoriesWhoseOwnNamesBeginWithThePrefix)
{
    struct Case {
        const char* name;
        bool removed;
    };
    const Case cases[] = {
        {"tmp", true},   {"tmp1", true}, {"tmp.old", true}, {"Tmp1", false},
        {"atmp", false}, {"tm", false},  {"src", false},
    };
    for (const Case& c : cases)
        disk.makeDirectory(std::string("D:\\data\\") + c.name);
    disk.makeDirectory("D:\\data\\src\\tmpdeep");
    disk.makeDirectory("D:\\data\\tm\\x");

    run("D:\\data", "tmp");

    for (const Case& c : cases)
        EXPECT_EQ(disk.exists(std::string("D:\\data\\") + c.name), !c.removed) << c.name;
    EXPECT_FALSE(disk.exists("D:\\data\\src\\tmpdeep"));
    EXPECT_TRUE(disk.exists("D:\\data\\tm\\x"));
    EXPECT_EQ(state.namePrefix, "tmp");
}

TEST_F(DeleteCommandTest, NeverRemovesTheRootEvenWhenItsNameMatches)
{
    disk.makeDirectory("D:\\tmpRoot");
    disk.makeDirectory("D:\\tmpRoot\\keep");
    run("D:\\tmpRoot", "tmp");
    EXPECT_TRUE(removals().empty());
    EXPECT_TRUE(disk.exists("D:\\tmpRoot\\keep"));
}

TEST_F(DeleteCommandTest, WalksDepthFirstInReverseListingOrderAndPumpsBetweenThePasses)
{
    disk.makeDirectory("D:\\r\\a");
    disk.makeDirectory("D:\\r\\a\\a1");
    disk.makeDirectory("D:\\r\\b");
    disk.makeFile("D:\\r\\f.txt");
    window.onPump = [&] { disk.log.push_back("pump"); };

    run("D:\\r", "zzz");

    const Log expected = {
        "list D:\\r\\*.* dirs",        "pump", "list D:\\r\\*.* files",
        "list D:\\r\\b\\*.* dirs",     "pump", "list D:\\r\\b\\*.* files",
        "list D:\\r\\a\\*.* dirs",     "pump", "list D:\\r\\a\\*.* files",
        "list D:\\r\\a\\a1\\*.* dirs", "pump", "list D:\\r\\a\\a1\\*.* files",
    };
    EXPECT_EQ(disk.log, expected);
    EXPECT_EQ(window.results, Log{"D:\\r\\f.txt"});
}

TEST_F(DeleteCommandTest, PumpsAfterTheSubdirectoryPassAndBeforeTheFilePass)
{
    disk.makeDirectory("D:\\r\\tmp");
    std::vector<std::size_t> logSizeAtPump;
    window.onPump = [&] { logSizeAtPump.push_back(disk.log.size()); };
    run("D:\\r", "tmp");
    // Root: its subdirectory listing and the removal, then the pump. The
    // removed directory: its listing only.
    EXPECT_EQ(logSizeAtPump, (std::vector<std::size_t>{2, 4}));
    EXPECT_EQ(disk.log[1], "remove D:\\r\\tmp");
}

TEST_F(DeleteCommandTest, AddsOneSeparatorToARootUnlessItEndsInOne)
{
    struct Case {
        const char* root;
        const char* firstListing;
    };
    const Case cases[] = {
        {"D:\\data", "list D:\\data\\*.* dirs"},
        {"D:\\data\\", "list D:\\data\\*.* dirs"},
        {"D:\\data\\\\", "list D:\\data\\\\*.* dirs"},
        // 0x81 0x5C is one double-byte character whose second byte is a
        // backslash byte; it is no separator, so one is added.
        {"D:\\\x81\x5c", "list D:\\\x81\x5c\\*.* dirs"},
        {"D:\\\x81\x5c\\", "list D:\\\x81\x5c\\*.* dirs"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.root);
        disk.log.clear();
        run(c.root, "tmp");
        ASSERT_FALSE(disk.log.empty());
        EXPECT_EQ(disk.log.front(), c.firstListing);
    }
}

TEST_F(DeleteCommandTest, ReportsFilesAsTheDirectoryFollowedByTheListedName)
{
    disk.makeFile("D:\\data\\a.txt");
    disk.makeDirectory("D:\\data\\sub");
    disk.makeFile("D:\\data\\sub\\README");
    for (const char* root : {"D:\\data", "D:\\data\\"}) {
        window.results.clear();
        run(root, "tmp");
        EXPECT_EQ(window.results, (Log{"D:\\data\\a.txt", "D:\\data\\sub\\README"})) << root;
    }
}

TEST_F(DeleteCommandTest, NeverReportsTheFilesOfARemovedDirectory)
{
    disk.makeDirectory("D:\\data\\tmpA");
    disk.makeFile("D:\\data\\tmpA\\inside.txt");
    disk.makeFile("D:\\data\\kept.txt");
    run("D:\\data", "tmp");
    EXPECT_EQ(window.results, Log{"D:\\data\\kept.txt"});
}

TEST_F(DeleteCommandTest, WalksADirectoryWhoseRemovalWasRefused)
{
    disk.makeDirectory("D:\\data\\tmpLocked");
    disk.makeFile("D:\\data\\tmpLocked\\open.txt");
    disk.makeDirectory("D:\\data\\tmpLocked\\tmpInner");
    disk.refuseRemoval("D:\\data\\tmpLocked");
    run("D:\\data", "tmp");
    EXPECT_TRUE(disk.exists("D:\\data\\tmpLocked\\open.txt"));
    EXPECT_FALSE(disk.exists("D:\\data\\tmpLocked\\tmpInner"));
    EXPECT_EQ(window.results, Log{"D:\\data\\tmpLocked\\open.txt"});
}

TEST_F(DeleteCommandTest, TwoCommandsAppendToTheSameResultList)
{
    disk.makeFile("D:\\one\\a");
    disk.makeFile("D:\\two\\b");
    run("D:\\one", "tmp");
    run("D:\\two", "tmp");
    EXPECT_EQ(window.results, (Log{"D:\\one\\a", "D:\\two\\b"}));
}

TEST_F(DeleteCommandTest, ANestedCommandChangesThePrefixForTheRestOfTheOuterSweep)
{
    disk.makeDirectory("D:\\outer\\x");
    disk.makeDirectory("D:\\outer\\x\\new1");
    disk.makeDirectory("D:\\outer\\x\\old1");
    disk.makeFile("D:\\inner\\f");
    bool nested = false;
    window.onPump = [&] {
        if (std::exchange(nested, true))
            return;
        window.root = "D:\\inner";
        window.prefix = "new";
        deleteCommand(context);
    };
    run("D:\\outer", "old");
    EXPECT_EQ(state.namePrefix, "new");
    EXPECT_FALSE(disk.exists("D:\\outer\\x\\new1"));
    EXPECT_TRUE(disk.exists("D:\\outer\\x\\old1"));
    EXPECT_EQ(window.results, Log{"D:\\inner\\f"});
    EXPECT_EQ(state.currentName, "old1");
}

TEST_F(DeleteCommandTest, EndsRightAfterThePumpWhenTheWindowWasClosed)
{
    disk.makeDirectory("D:\\data\\later");
    disk.makeDirectory("D:\\data\\later\\tmp");
    disk.makeFile("D:\\data\\f");
    window.onPump = [&] { window.windowOpen = false; };
    run("D:\\data", "tmp");
    EXPECT_EQ(window.pumpCount, 1);
    EXPECT_EQ(disk.log, Log{"list D:\\data\\*.* dirs"});
    EXPECT_TRUE(window.results.empty());
    EXPECT_TRUE(disk.exists("D:\\data\\later\\tmp"));
}

TEST_F(DeleteCommandTest, NeverEntersADirectoryLinkButRemovesAMatchingOneAsALink)
{
    disk.makeDirectoryLink("D:\\data\\tmpLink");
    disk.makeDirectoryLink("D:\\data\\other");
    run("D:\\data", "tmp");
    EXPECT_EQ(removals(), Log{"D:\\data\\tmpLink"});
    EXPECT_TRUE(disk.exists("D:\\data\\other"));
    for (const std::string& line : disk.log)
        EXPECT_EQ(line.find("other\\"), std::string::npos) << line;
    EXPECT_EQ(window.pumpCount, 1);
}

TEST_F(DeleteCommandTest, PassesOverTheDotEntriesAndRecordsEachExaminedName)
{
    disk.makeDirectory("D:\\data\\b");
    disk.makeDirectory("D:\\data\\a");
    run("D:\\data", ".");
    EXPECT_TRUE(removals().empty());
    EXPECT_EQ(state.currentName, "a");
}

} // namespace
} // namespace dirsweep
