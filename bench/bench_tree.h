#pragma once

#include "random_tree.h"

namespace dirsweep::bench {

// The benchmark's trees: wide and deep enough that most of the work is
// walking, with a share of matching directories whose subtrees go.
inline testing::TreeShape benchShape(int files, std::uint32_t seed)
{
    testing::TreeShape shape;
    shape.seed = seed;
    shape.files = files;
    shape.directories = files / 8;
    shape.maxDepth = 10;
    shape.maxWidth = 24;
    shape.prefix = "tmp";
    shape.prefixShare = 0.04;
    shape.nearMissShare = 0.2;
    shape.hiddenShare = 0.05;
    shape.readOnlyShare = 0.02;
    return shape;
}

} // namespace dirsweep::bench
