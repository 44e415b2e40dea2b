#include "platform/removal_guard.h"

#include <gtest/gtest.h>

namespace dirsweep {
namespace {

TEST(RemovalGuard, SkipsOnlyLeadingSpaces)
{
    EXPECT_EQ(skipLeadingSpaces("  D:\\a\\tmp"), "D:\\a\\tmp");
    EXPECT_EQ(skipLeadingSpaces("D:\\a b "), "D:\\a b ");
    EXPECT_EQ(skipLeadingSpaces("\tD:\\a"), "\tD:\\a");
    EXPECT_EQ(skipLeadingSpaces("   "), "");
    EXPECT_EQ(skipLeadingSpaces(""), "");
}

TEST(RemovalGuard, RefusesDriveAndFileSystemRootsOnly)
{
    struct Case {
        const char* path;
        bool driveRoot;
        bool refused;
    };
    const Case cases[] = {
        {"C:", true, true},       {"C:\\", true, true},     {"1:", true, true},
        {"?:\\", true, true},     {"C:/", false, true},     {"C:\\\\", false, true},
        {"\\", false, true},      {"/", false, true},       {"//", false, true},
        {"C:\\x", false, false},  {"C:x", false, false},    {"x", false, false},
        {"/tmp", false, false},   {"\\\\server\\share", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(isDriveRoot(c.path), c.driveRoot);
        EXPECT_EQ(isRootPath(c.path), c.refused);
    }
}

} // namespace
} // namespace dirsweep
