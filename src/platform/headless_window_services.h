#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/window_services.h"

namespace dirsweep {

// The window services without a window: the edit boxes are two texts, the
// result list and the shown messages are recorded, and a pump runs the
// hook that a test or a benchmark sets. Used where no main window exists.
class HeadlessWindowServices final : public WindowServices {
public:
    struct Message {
        std::string text;
        std::string title;
    };

    std::string readContent(EditBox box) override { return contentOf(box); }
    void writeContent(EditBox box, const std::string& text) override { contentOf(box) = text; }
    std::string browseForFolder(const std::string&, bool) override { return chosenFolder; }
    void showMessageBox(const std::string& message, const std::string& title) override
    {
        messages.push_back({message, title});
    }
    void insertListItem(const std::string& label) override { results.push_back(label); }
    PumpResult pumpPendingMessages() override
    {
        ++pumpCount;
        if (onPump)
            onPump();
        return windowOpen ? PumpResult::windowOpen : PumpResult::windowClosed;
    }

    std::string root;
    std::string prefix;
    std::string chosenFolder;
    std::vector<std::string> results;
    std::vector<Message> messages;
    std::function<void()> onPump;
    int pumpCount = 0;
    bool windowOpen = true;

private:
    std::string& contentOf(EditBox box) { return box == EditBox::root ? root : prefix; }
};

} // namespace dirsweep
