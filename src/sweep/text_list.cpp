#include "sweep/text_list.h"

#include <utility>

namespace dirsweep {

void TextList::add(std::string text)
{
    items_.push_back(std::move(text));
}

std::string TextList::takeLast()
{
    if (count() == 0)
        return {};
    std::string last = std::move(items_.back());
    items_.pop_back();
    return last;
}

std::string TextList::takeFirst()
{
    if (count() == 0)
        return {};
    std::string first = std::move(items_.front());
    items_.erase(items_.begin());
    return first;
}

std::int32_t TextList::count() const noexcept
{
    return static_cast<std::int32_t>(items_.size());
}

} // namespace dirsweep
