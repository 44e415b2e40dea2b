#pragma once

#include <windows.h>

#include <string>

#include "sweep/sweep_state.h"

namespace dirsweep {

class MainWindow;

using ExitRoutine = void (*)();

// Adds a routine to run at shutdown; a routine already listed is not added
// again, so it still runs once.
void registerExitRoutine(ExitRoutine routine);

// Runs every registered routine once, in the order of registration, and
// empties the list.
void runExitRoutines();

// The Delete command's program-wide texts.
SweepState& programState();

// The exit routine: releases the program-wide texts.
void releaseSharedState();

// The directory of a module path: the bytes before its last backslash,
// scanned by characters of the ANSI code page so that the second byte of a
// double-byte character is never taken for one. Empty without a backslash.
std::string directoryOfModulePath(const std::string& modulePath);

// Makes the program's own directory the current one, so that a relative
// root is taken under it.
void enterProgramDirectory();

// Retrieves and dispatches messages until the quit message; returns at once
// when the window no longer exists.
void runMessageLoop(MainWindow& window);

// Opens the main window and runs the loop; returns the exit code, 0.
int programMain(HINSTANCE instance);

} // namespace dirsweep
