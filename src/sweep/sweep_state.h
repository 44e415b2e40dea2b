#pragma once

#include <string>

namespace dirsweep {

// The program-wide state of the Delete command, shared by every sweep,
// nested ones included: a command started inside another sweep's message
// pump replaces namePrefix for the rest of that outer sweep as well.
struct SweepState {
    std::string namePrefix;  // set by each accepted Delete command
    std::string currentName; // the subdirectory name examined last

    void release() noexcept
    {
        namePrefix = std::string{};
        currentName = std::string{};
    }
};

} // namespace dirsweep
