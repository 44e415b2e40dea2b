#include "app/program.h"

#include <algorithm>
#include <vector>

#include "app/main_window.h"

namespace dirsweep {
namespace {

std::vector<ExitRoutine>& exitRoutines()
{
    static std::vector<ExitRoutine> routines;
    return routines;
}

} // namespace

void registerExitRoutine(ExitRoutine routine)
{
    auto& routines = exitRoutines();
    if (std::find(routines.begin(), routines.end(), routine) == routines.end())
        routines.push_back(routine);
}

void runExitRoutines()
{
    const std::vector<ExitRoutine> routines = std::move(exitRoutines());
    exitRoutines().clear();
    for (const ExitRoutine routine : routines)
        routine();
}

SweepState& programState()
{
    static SweepState state;
    return state;
}

void releaseSharedState()
{
    programState().release();
}

std::string directoryOfModulePath(const std::string& modulePath)
{
    const char* const start = modulePath.c_str();
    const char* lastBackslash = nullptr;
    for (const char* character = start; *character; character = CharNextA(character)) {
        if (*character == '\\')
            lastBackslash = character;
    }
    return lastBackslash ? std::string(start, lastBackslash) : std::string{};
}

void enterProgramDirectory()
{
    char modulePath[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, modulePath, MAX_PATH);
    SetCurrentDirectoryA(directoryOfModulePath(modulePath).c_str());
}

void runMessageLoop(MainWindow& window)
{
    if (!window.handle())
        return;
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        window.dispatch(message);
}

int programMain(HINSTANCE instance)
{
    registerExitRoutine(releaseSharedState);
    MainWindow window(programState());
    window.openMainWindow(instance);
    runMessageLoop(window);
    return 0;
}

} // namespace dirsweep
