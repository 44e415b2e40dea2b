#pragma once

#include <windows.h>

namespace dirsweep {

// The labels paint themselves: their text, left-aligned and vertically
// centred, in black over the button face colour.
bool registerLabelClass(HINSTANCE instance);

} // namespace dirsweep
