#include "platform/posix/posix_directory_lister.h"
#include "platform/posix/posix_tree_remover.h"
#include "platform_harness.h"

namespace dirsweep::testing {
namespace {

namespace fs = std::filesystem;

class PosixHarness final : public PlatformHarness {
public:
    DirectoryLister& lister() override { return lister_; }
    TreeRemover& remover() override { return remover_; }
    std::string textOf(const fs::path& path) override { return path.string(); }
    void makeHiddenAndSystem(const fs::path&) override {}
    void makeReadOnly(const fs::path& file) override
    {
        fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }
    void makeDirectoryLink(const fs::path& link, const fs::path& target) override
    {
        fs::create_directory_symlink(target, link);
    }
    void makeFileLink(const fs::path& link, const fs::path& target) override { fs::create_symlink(target, link); }
    std::string wineDifference(const char*) override { return {}; }

private:
    PosixDirectoryLister lister_;
    PosixTreeRemover remover_;
};

} // namespace

void removeScratchTree(const fs::path& path)
{
    std::error_code ignored;
    // Read-only entries left by a test must not keep the scratch tree alive;
    // the iterator does not follow links, and neither does remove_all.
    for (auto it = fs::recursive_directory_iterator(path, ignored); it != fs::recursive_directory_iterator();
         it.increment(ignored)) {
        if (!it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(path, ignored);
}

std::unique_ptr<PlatformHarness> makePlatformHarness()
{
    return std::make_unique<PosixHarness>();
}

} // namespace dirsweep::testing
