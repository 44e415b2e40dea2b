#include "win32_test_support.h"

#include <windows.h>

#include <memory>
#include <stdexcept>

namespace dirsweep::testing {

bool runningUnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

std::string unixPathOf(const std::filesystem::path& path)
{
    using Converter = char*(CDECL*)(const wchar_t*);
    const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    const auto convert = reinterpret_cast<Converter>(
        reinterpret_cast<void*>(GetProcAddress(kernel32, "wine_get_unix_file_name")));
    if (!convert)
        return {};
    char* const unixPath = convert(path.wstring().c_str());
    if (!unixPath)
        return {};
    std::string result(unixPath);
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

bool startUnixCommand(std::string commandLine)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void runUnixCommandFor(const std::string& commandLine, const std::filesystem::path& result)
{
    if (!startUnixCommand(commandLine))
        throw std::runtime_error("cannot run " + commandLine);
    for (int tries = 0; tries < 250 && GetFileAttributesW(result.c_str()) == INVALID_FILE_ATTRIBUTES; ++tries)
        Sleep(20);
    if (GetFileAttributesW(result.c_str()) == INVALID_FILE_ATTRIBUTES)
        throw std::runtime_error("nothing made by: " + commandLine);
}

namespace {

void createLink(const std::filesystem::path& link, const std::filesystem::path& target, DWORD flags)
{
    if (runningUnderWine()) {
        // Wine hands the command line to the Unix program split at spaces,
        // quotes and all: the test paths hold no space.
        runUnixCommandFor("Z:\\bin\\ln -s " + unixPathOf(target) + ' ' + unixPathOf(link), link);
        return;
    }
    constexpr DWORD allowUnprivileged = 0x2; // SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE
    if (!CreateSymbolicLinkW(link.c_str(), target.c_str(), flags | allowUnprivileged))
        throw std::runtime_error("cannot create a symbolic link");
}

} // namespace

void createDirectoryLink(const std::filesystem::path& link, const std::filesystem::path& target)
{
    createLink(link, target, SYMBOLIC_LINK_FLAG_DIRECTORY);
}

void createFileLink(const std::filesystem::path& link, const std::filesystem::path& target)
{
    createLink(link, target, 0);
}

} // namespace dirsweep::testing
