#pragma once

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/directory_lister.h"
#include "platform/tree_remover.h"

namespace dirsweep::testing {

// An in-memory tree with Windows paths behind the lister and the remover.
// Entries list in the order they were made; every listing and removal is
// logged, so that tests can check what the sweep asked for and when.
class FakeFileSystem final : public DirectoryLister, public TreeRemover {
public:
    void makeDirectory(const std::string& path) { entries_.push_back({path, Kind::directory}); }
    void makeFile(const std::string& path) { entries_.push_back({path, Kind::file}); }
    void makeDirectoryLink(const std::string& path) { entries_.push_back({path, Kind::link}); }
    // A directory whose removal the platform refuses: it stays, whole.
    void refuseRemoval(const std::string& path) { refused_.insert(path); }

    bool exists(const std::string& path) const
    {
        return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.path == path; });
    }

    char separator() const noexcept override { return '\\'; }
    // Reads paths as code page 936 does: 0x81 to 0xFE lead a two-byte character.
    bool endsWithSeparator(const std::string& path) const override
    {
        bool lastIsSeparator = false;
        for (std::size_t i = 0; i < path.size(); ++i) {
            const auto byte = static_cast<unsigned char>(path[i]);
            const bool lead = byte >= 0x81 && byte <= 0xFE && i + 1 < path.size();
            lastIsSeparator = !lead && byte == '\\';
            if (lead)
                ++i;
        }
        return lastIsSeparator;
    }
    ListBoxHandle listBoxHandle() override { return 7; }
    void resetListBox(ListBoxHandle) override { items_.clear(); }

    void fillListBox(ListBoxHandle, const std::string& pattern, unsigned flags) override
    {
        log.push_back("list " + pattern + (flags == listing::subdirectoryPass ? " dirs" : " files"));
        const std::string mask = listing::everyName;
        if (!pattern.ends_with(mask))
            return;
        const std::string directory = normalised(pattern.substr(0, pattern.size() - mask.size()));
        // Like the list box, the subdirectory pass starts with the directory's
        // own entry and its parent's.
        if (flags == listing::subdirectoryPass) {
            items_.push_back("[.]");
            items_.push_back("[..]");
        }
        for (const Entry& entry : entries_) {
            if (parentOf(entry.path) != directory)
                continue;
            const std::string name = entry.path.substr(directory.size() + 1);
            const bool listsAsDirectory = entry.kind != Kind::file;
            if (flags == listing::subdirectoryPass && listsAsDirectory)
                items_.push_back('[' + name + ']');
            else if (flags == listing::filePass && !listsAsDirectory)
                items_.push_back(name);
        }
    }

    int listBoxItemCount() override { return static_cast<int>(items_.size()); }
    std::string listBoxItemText(int position) override
    {
        if (position < 0 || position >= listBoxItemCount())
            return {};
        return items_[static_cast<std::size_t>(position)];
    }

    bool isDirectoryLink(const std::string& rawPath) override
    {
        const std::string path = normalised(rawPath);
        return std::any_of(entries_.begin(), entries_.end(),
                           [&](const Entry& e) { return e.path == path && e.kind == Kind::link; });
    }

    bool removeDirectoryTree(const std::string& rawPath) override
    {
        log.push_back("remove " + rawPath);
        const std::string path = normalised(rawPath);
        if (refused_.contains(path))
            return false;
        const bool isLink = isDirectoryLink(path);
        std::erase_if(entries_, [&](const Entry& e) {
            return e.path == path || (!isLink && e.path.starts_with(path + '\\'));
        });
        return true;
    }

    std::vector<std::string> log;

private:
    enum class Kind { directory, file, link };
    struct Entry {
        std::string path;
        Kind kind;
    };

    // Runs of backslashes count as one and trailing ones go, as on Windows.
    static std::string normalised(const std::string& path)
    {
        std::string result;
        for (const char c : path) {
            if (c != '\\' || result.empty() || result.back() != '\\')
                result += c;
        }
        while (!result.empty() && result.back() == '\\')
            result.pop_back();
        return result;
    }

    static std::string parentOf(const std::string& path)
    {
        const auto last = path.rfind('\\');
        return last == std::string::npos ? std::string{} : path.substr(0, last);
    }

    std::vector<Entry> entries_;
    std::vector<std::string> items_;
    std::set<std::string> refused_;
};

} // namespace dirsweep::testing
