#include <fstream>
#include <random>
#include <sstream>

#include "platform_harness.h"

namespace dirsweep::testing {

namespace fs = std::filesystem;

ScratchDirectory::ScratchDirectory()
{
    std::random_device seed;
    path_ = fs::temp_directory_path() / ("dirsweep-test-" + std::to_string(seed()));
    fs::create_directories(path_);
}

ScratchDirectory::~ScratchDirectory()
{
    removeScratchTree(path_);
}

void writeFile(const fs::path& file, const std::string& content)
{
    std::ofstream(file, std::ios::binary) << content;
}

std::string readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace dirsweep::testing
