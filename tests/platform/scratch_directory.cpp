#include <fstream>
#include <random>
#include <sstream>

#include "platform_harness.h"
#include "sweep/delete_command.h"

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

HeadlessWindowServices sweepOnDisk(DirectoryLister& lister, TreeRemover& remover, const std::string& root,
                                   const std::string& prefix)
{
    HeadlessWindowServices window;
    window.root = root;
    window.prefix = prefix;
    SweepState state;
    SweepContext context{lister, remover, window, state};
    deleteCommand(context);
    return window;
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
