#include <windows.h>
#include <ole2.h>

#include "app/program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // The shell's folder browser needs OLE on this thread.
    OleInitialize(nullptr);
    dirsweep::enterProgramDirectory();
    const int exitCode = dirsweep::programMain(instance);
    dirsweep::runExitRoutines();
    OleUninitialize();
    return exitCode;
}
