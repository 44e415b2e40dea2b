#pragma once

#include <string>
#include <string_view>

namespace dirsweep {

// The program's own texts are UTF-8; the window shows them through the
// wide functions, so they read correctly whatever the ANSI code page is.
std::wstring wideFromUtf8(std::string_view text);

// Converts to the ANSI code page. Empty when a character has no ANSI form:
// such a path could not be reached through the ANSI file functions anyway.
std::string ansiFromWide(std::wstring_view text);

} // namespace dirsweep
