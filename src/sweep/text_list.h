#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dirsweep {

// An ordered list of texts that owns copies of what it is given. The sweep
// uses it as a stack (add with takeLast); takeFirst makes it a queue.
// Copies are deep: a copied list shares nothing with its source.
class TextList {
public:
    void add(std::string text);

    // Both takes yield the empty text, and change nothing, on an empty list.
    std::string takeLast();
    std::string takeFirst();

    std::int32_t count() const noexcept;

private:
    std::vector<std::string> items_;
};

} // namespace dirsweep
