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
    std::error_code ignored;
    // Read-only entries left by a test must not keep the scratch tree alive.
    for (auto it = fs::recursive_directory_iterator(path_, ignored); it != fs::recursive_directory_iterator();
         it.increment(ignored)) {
        if (!it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(path_, ignored);
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
