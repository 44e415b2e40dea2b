// The native side of the benchmark, one step per call so that each is timed
// and measured (peak memory) in a process of its own:
//   native_bench generate DIR FILES SEED   writes a tree under DIR
//   native_bench sweep DIR PREFIX          the Delete command on DIR
// The sweep prints: seconds, peak resident kilobytes, result lines, CPU
// seconds (user and system).
#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_tree.h"
#include "platform/headless_window_services.h"
#include "platform/posix/posix_directory_lister.h"
#include "platform/posix/posix_tree_remover.h"
#include "sweep/delete_command.h"

namespace fs = std::filesystem;
using namespace dirsweep;

namespace {

int generate(const fs::path& root, int files, std::uint32_t seed)
{
    fs::create_directories(root);
    const auto entries = testing::generateTree(bench::benchShape(files, seed));
    testing::materializeTree(entries, root,
                             {nullptr, [](const fs::path& file) {
                                  fs::permissions(file, fs::perms::owner_write | fs::perms::group_write
                                                            | fs::perms::others_write,
                                                  fs::perm_options::remove);
                              }});
    std::printf("%zu entries\n", entries.size());
    return 0;
}

int sweep(const std::string& root, const std::string& prefix)
{
    PosixDirectoryLister lister;
    PosixTreeRemover remover;
    HeadlessWindowServices window;
    window.root = root;
    window.prefix = prefix;
    SweepState state;
    SweepContext context{lister, remover, window, state};
    const auto start = std::chrono::steady_clock::now();
    deleteCommand(context);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
                       + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf("%.3f %ld %zu %.3f\n", elapsed.count(), usage.ru_maxrss, window.results.size(), cpu);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string step = argc > 1 ? argv[1] : "";
    if (step == "generate" && argc == 5)
        return generate(argv[2], std::stoi(argv[3]), static_cast<std::uint32_t>(std::stoul(argv[4])));
    if (step == "sweep" && argc == 4)
        return sweep(argv[2], argv[3]);
    std::fprintf(stderr, "usage: native_bench generate DIR FILES SEED | sweep DIR PREFIX\n");
    return 2;
}
