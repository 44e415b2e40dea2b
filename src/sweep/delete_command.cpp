#include "sweep/delete_command.h"

#include "sweep/text_list.h"

namespace dirsweep {
namespace {

bool isBlank(const std::string& text)
{
    return text.find_first_not_of(' ') == std::string::npos;
}

bool isParentOrSelf(const std::string& name)
{
    return name == "." || name == "..";
}

// A subdirectory item reads "[name]": drop its first and last byte.
std::string nameOfSubdirectoryItem(const std::string& item)
{
    if (item.size() < 2)
        return {};
    return item.substr(1, item.size() - 2);
}

// Joins exactly one separator unless the path ends in one already; a path
// ending in two keeps both.
std::string withTrailingSeparator(std::string path, const DirectoryLister& lister)
{
    if (!lister.endsWithSeparator(path))
        path += lister.separator();
    return path;
}

class Sweep {
public:
    Sweep(SweepContext& context, const std::string& root)
        : lister_(context.lister), remover_(context.remover), window_(context.window),
          state_(context.state), listBox_(lister_.listBoxHandle())
    {
        pending_.add(root);
    }

    void run()
    {
        while (pending_.count() > 0) {
            const std::string dir = withTrailingSeparator(pending_.takeLast(), lister_);
            examineSubdirectories(dir);
            // The one point where the window takes input. A nested command may
            // run here; when the user closed the window, the sweep stops.
            if (window_.pumpPendingMessages() == PumpResult::windowClosed)
                return;
            reportFiles(dir);
        }
    }

private:
    int list(const std::string& dir, unsigned flags)
    {
        lister_.resetListBox(listBox_);
        lister_.fillListBox(listBox_, dir + listing::everyName, flags);
        return lister_.listBoxItemCount();
    }

    void examineSubdirectories(const std::string& dir)
    {
        const int count = list(dir, listing::subdirectoryPass);
        for (int i = 1; i <= count; ++i) {
            const std::string name = nameOfSubdirectoryItem(lister_.listBoxItemText(i - 1));
            // An empty name would queue dir itself again and never end.
            if (name.empty() || isParentOrSelf(name))
                continue;
            const std::string path = dir + name;
            // Queued before the prefix test: a directory about to be removed is
            // still visited, and so is whatever its removal left behind.
            if (!lister_.isDirectoryLink(path))
                pending_.add(path);
            state_.currentName = name;
            if (state_.currentName.starts_with(state_.namePrefix))
                remover_.removeDirectoryTree(path);
        }
    }

    void reportFiles(const std::string& dir)
    {
        const int count = list(dir, listing::filePass);
        for (int i = 1; i <= count; ++i) {
            const std::string fileItem = lister_.listBoxItemText(i - 1);
            if (!fileItem.empty())
                window_.insertListItem(dir + fileItem);
        }
    }

    DirectoryLister& lister_;
    TreeRemover& remover_;
    WindowServices& window_;
    SweepState& state_;
    const ListBoxHandle listBox_;
    TextList pending_;
};

} // namespace

void deleteCommand(SweepContext& context)
{
    WindowServices& window = context.window;
    if (window.readContent(EditBox::prefix).empty()) {
        window.showMessageBox(deleteTexts::emptyPrefixMessage, deleteTexts::warningTitle);
        return;
    }
    // An empty root would read as the root of the current drive: refuse it
    // rather than sweep a whole drive because a box was left empty.
    const std::string root = window.readContent(EditBox::root);
    if (isBlank(root)) {
        window.showMessageBox(deleteTexts::emptyRootMessage, deleteTexts::warningTitle);
        return;
    }
    context.state.namePrefix = window.readContent(EditBox::prefix);
    sweepTree(context, root);
}

void sweepTree(SweepContext& context, const std::string& root)
{
    Sweep(context, root).run();
}

} // namespace dirsweep
