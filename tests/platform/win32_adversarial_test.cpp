// Hostile cases of Windows itself: files held open without delete sharing,
// paths beyond MAX_PATH, and double-byte names whose second byte is a
// backslash byte.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/unique_handle.h"
#include "platform_harness.h"
#include "win32_test_support.h"

namespace dirsweep::testing {
namespace {

namespace fs = std::filesystem;

class Win32Adversarial : public ::testing::Test {
protected:
    void sweep(const std::string& root, const std::string& prefix)
    {
        sweepOnDisk(platform->lister(), platform->remover(), root, prefix);
    }

    std::unique_ptr<PlatformHarness> platform = makePlatformHarness();
    ScratchDirectory scratch;
    const fs::path root = scratch.path() / "root";
};

TEST_F(Win32Adversarial, AFileHeldOpenWithoutDeleteSharingStaysWithItsParents)
{
    fs::create_directories(root / "tmpHeld" / "sub");
    fs::create_directories(root / "tmpFree" / "sub");
    writeFile(root / "tmpHeld" / "sub" / "held.txt");
    writeFile(root / "tmpHeld" / "other.txt");
    writeFile(root / "tmpFree" / "sub" / "free.txt");
    const UniqueFile held(CreateFileW((root / "tmpHeld" / "sub" / "held.txt").c_str(), GENERIC_READ, 0,
                                      nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);

    sweep(platform->textOf(root), "tmp");

    EXPECT_TRUE(fs::exists(root / "tmpHeld" / "sub" / "held.txt"));
    EXPECT_FALSE(fs::exists(root / "tmpHeld" / "other.txt"));
    EXPECT_FALSE(fs::exists(root / "tmpFree"));
}

TEST_F(Win32Adversarial, PathsBeyondMaxPathStayWithoutACrash)
{
    if (!runningUnderWine())
        GTEST_SKIP() << "the chain is built with the Unix mkdir, which only Wine can run";
    std::string chain;
    std::wstring windowsChain;
    for (int i = 0; i < 150; ++i) {
        chain += "/dd";
        windowsChain += L"\\dd";
    }
    fs::create_directories(root);
    const std::string deep = unixPathOf(root) + "/tmpDeep" + chain;
    const std::string unreachable = unixPathOf(root) + "/keep" + chain + "/tmpUnreachable";
    // mkdir makes the unreachable chain last: wait for its deepest directory,
    // named with the long-path prefix, since it lies beyond MAX_PATH.
    const fs::path last = L"\\\\?\\" + (root / "keep").wstring() + windowsChain + L"\\tmpUnreachable";
    runUnixCommandFor("Z:\\bin\\mkdir -p " + deep + " " + unreachable, last);

    sweep(platform->textOf(root), "tmp");

    // Beyond MAX_PATH nothing can be listed or removed: the deep part of the
    // matching chain stays, and so does the unreachable matching directory.
    EXPECT_TRUE(fs::exists(root / "tmpDeep"));
    EXPECT_TRUE(fs::exists(root / "keep"));
}

TEST_F(Win32Adversarial, ADoubleByteNameEndingInABackslashByteIsSweptInside)
{
    if (GetACP() != 936)
        GTEST_SKIP() << "needs the Chinese code page 936 (run with LC_ALL=zh_CN.UTF-8 under Wine)";
    // 0x95 0x5C is one character of code page 936 whose second byte is '\'.
    const std::string rootText = platform->textOf(root);
    const std::string named = rootText + "\\data\x95\x5c";
    fs::create_directories(root);
    ASSERT_TRUE(CreateDirectoryA(named.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((named + "\\tmpInside").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((named + "\\keep").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((rootText + "\\tmp\x95\x5c").c_str(), nullptr));

    sweep(rootText, "tmp");

    EXPECT_EQ(GetFileAttributesA((named + "\\tmpInside").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA((named + "\\keep").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA((rootText + "\\tmp\x95\x5c").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Win32Adversarial, TheLastCharacterDecidesWhetherAPathEndsInASeparator)
{
    const DirectoryLister& lister = platform->lister();
    EXPECT_TRUE(lister.endsWithSeparator("C:\\a\\"));
    EXPECT_FALSE(lister.endsWithSeparator("C:\\a"));
    EXPECT_FALSE(lister.endsWithSeparator(""));
    if (GetACP() != 936)
        GTEST_SKIP() << "the double-byte case needs code page 936";
    EXPECT_FALSE(lister.endsWithSeparator("C:\\a\x95\x5c"));
    EXPECT_TRUE(lister.endsWithSeparator("C:\\a\x95\x5c\\"));
}

} // namespace
} // namespace dirsweep::testing
