// The Windows side of the benchmark, run under Wine:
//   win32_bench sweep DIR PREFIX   the Delete command of the real main window
//   win32_bench floor DIR PREFIX   a minimal walk of the same tree: each
//                                  directory enumerated once with
//                                  FindFirstFileA, the same subtrees removed
//                                  with the same file calls
//   win32_bench listview N         N appends to the hidden result list
// Each prints: seconds, peak working set in kilobytes, a count.
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_window.h"

using namespace dirsweep;

namespace {

using Clock = std::chrono::steady_clock;

long peakKilobytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
}

void report(Clock::time_point start, std::size_t count)
{
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    std::printf("%.3f %ld %zu\n", elapsed.count(), peakKilobytes(), count);
}

int sweep(const std::string& root, const std::string& prefix)
{
    SweepState state;
    MainWindow window(state);
    if (!window.openMainWindow(GetModuleHandleW(nullptr)))
        return 1;
    window.services().writeContent(EditBox::root, root);
    window.services().writeContent(EditBox::prefix, prefix);
    const auto start = Clock::now();
    window.deleteCommand();
    report(start, 0);
    DestroyWindow(window.handle());
    return 0;
}

// The floor's removal: the same calls and rules as the program's, written
// plainly.
void removeFloorTree(const std::string& directory)
{
    std::vector<std::pair<std::string, bool>> entries;
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA((directory + "\\*.*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (found.cFileName[0] != '.')
                entries.emplace_back(directory + '\\' + found.cFileName,
                                     (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    for (const auto& [path, isDirectory] : entries) {
        if (isDirectory)
            removeFloorTree(path);
        isDirectory ? RemoveDirectoryA(path.c_str()) : DeleteFileA(path.c_str());
    }
    RemoveDirectoryA(directory.c_str());
}

int floor(const std::string& root, const std::string& prefix)
{
    const auto start = Clock::now();
    std::vector<std::string> pending{root};
    std::size_t files = 0;
    while (!pending.empty()) {
        const std::string directory = std::move(pending.back());
        pending.pop_back();
        std::vector<std::string> matching;
        WIN32_FIND_DATAA found{};
        const HANDLE search = FindFirstFileA((directory + "\\*.*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            continue;
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                ++files;
                continue;
            }
            const std::string path = directory + '\\' + name;
            if (name.starts_with(prefix))
                matching.push_back(path);
            else
                pending.push_back(path);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        for (const std::string& path : matching)
            removeFloorTree(path);
    }
    report(start, files);
    return 0;
}

int listView(int count)
{
    SweepState state;
    MainWindow window(state);
    if (!window.openMainWindow(GetModuleHandleW(nullptr)))
        return 1;
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i)
        window.services().insertListItem("C:\\data\\some directory\\file " + std::to_string(i) + ".txt");
    report(start, static_cast<std::size_t>(count));
    DestroyWindow(window.handle());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string step = argc > 1 ? argv[1] : "";
    if (step == "sweep" && argc == 4)
        return sweep(argv[2], argv[3]);
    if (step == "floor" && argc == 4)
        return floor(argv[2], argv[3]);
    if (step == "listview" && argc == 3)
        return listView(std::stoi(argv[2]));
    std::fprintf(stderr, "usage: win32_bench sweep DIR PREFIX | floor DIR PREFIX | listview N\n");
    return 2;
}
