#pragma once

namespace dirsweep {

// The child IDs of the main window's controls, named after their form names.
enum ControlId : int {
    browseButtonId = 100, // 按钮1, "浏览..."
    rootEditId = 110,     // 编辑框1
    rootLabelId = 120,    // 标签1
    deleteButtonId = 130, // 按钮3, "删除..."
    prefixEditId = 140,   // 编辑框2
    prefixLabelId = 150,  // 标签2
    listBoxId = 160,      // 列表框1, the hidden lister
    resultListId = 170,   // 超级列表框1, the hidden result list
};

} // namespace dirsweep
