#include "app/program.h"

#include <gtest/gtest.h>

namespace dirsweep {
namespace {

int timesRun = 0;
void countRun()
{
    ++timesRun;
}

TEST(Program, ARoutineRegisteredTwiceRunsOnce)
{
    timesRun = 0;
    registerExitRoutine(countRun);
    registerExitRoutine(countRun);
    runExitRoutines();
    EXPECT_EQ(timesRun, 1);
    runExitRoutines();
    EXPECT_EQ(timesRun, 1);
}

TEST(Program, ReleasingTheSharedStateEmptiesBothTexts)
{
    programState().namePrefix = "tmp";
    programState().currentName = "tmp1";
    releaseSharedState();
    EXPECT_EQ(programState().namePrefix, "");
    EXPECT_EQ(programState().currentName, "");
}

TEST(Program, TheProgramDirectoryEndsBeforeTheLastBackslash)
{
    EXPECT_EQ(directoryOfModulePath("C:\\Program Files\\dirsweep\\dirsweep.exe"), "C:\\Program Files\\dirsweep");
    EXPECT_EQ(directoryOfModulePath("dirsweep.exe"), "");
}

TEST(Program, ADoubleByteCharacterEndingInABackslashByteIsNotASeparator)
{
    if (GetACP() != 936)
        GTEST_SKIP() << "needs the Chinese code page 936 (run with LC_ALL=zh_CN.UTF-8 under Wine)";
    // 0x81 0x5C is one character in code page 936.
    EXPECT_EQ(directoryOfModulePath("C:\\a\x81\x5c\\dirsweep.exe"), "C:\\a\x81\x5c");
    EXPECT_EQ(directoryOfModulePath("C:\\a\\\x81\x5c.exe"), "C:\\a");
}

} // namespace
} // namespace dirsweep
