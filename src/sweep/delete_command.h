#pragma once

#include <string>

#include "platform/directory_lister.h"
#include "platform/tree_remover.h"
#include "platform/window_services.h"
#include "sweep/sweep_state.h"

namespace dirsweep {

// The program's own texts of the Delete command (UTF-8).
namespace deleteTexts {
inline constexpr const char* warningTitle = "激情提示";
inline constexpr const char* emptyPrefixMessage = "请输入字段啊...干！";
inline constexpr const char* emptyRootMessage = "请输入目录啊...";
} // namespace deleteTexts

// Everything a sweep works with: the platform and the program-wide state.
struct SweepContext {
    DirectoryLister& lister;
    TreeRemover& remover;
    WindowServices& window;
    SweepState& state;
};

// The click on 按钮3: checks the two edit boxes, records the prefix and
// sweeps the tree under the root.
void deleteCommand(SweepContext& context);

// Walks the tree under root depth first, removes every subdirectory whose
// own name begins with state.namePrefix and appends the path of every file
// it lists to the result list. The root itself is never removed.
void sweepTree(SweepContext& context, const std::string& root);

} // namespace dirsweep
