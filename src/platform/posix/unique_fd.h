#pragma once

#include <dirent.h>
#include <unistd.h>

#include <utility>

namespace dirsweep {

// Owns a file descriptor; movable, not copyable.
class UniqueFd {
public:
    UniqueFd() noexcept = default;
    explicit UniqueFd(int fd) noexcept : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        if (this != &other)
            reset(std::exchange(other.fd_, -1));
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { reset(); }

    int get() const noexcept { return fd_; }
    explicit operator bool() const noexcept { return fd_ >= 0; }
    void reset(int fd = -1) noexcept
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_ = -1;
};

// Owns a directory stream; movable, not copyable.
class UniqueDir {
public:
    explicit UniqueDir(DIR* dir) noexcept : dir_(dir) {}
    UniqueDir(UniqueDir&& other) noexcept : dir_(std::exchange(other.dir_, nullptr)) {}
    UniqueDir& operator=(UniqueDir&&) = delete;
    UniqueDir(const UniqueDir&) = delete;
    UniqueDir& operator=(const UniqueDir&) = delete;
    ~UniqueDir()
    {
        if (dir_)
            ::closedir(dir_);
    }

    DIR* get() const noexcept { return dir_; }
    explicit operator bool() const noexcept { return dir_ != nullptr; }

private:
    DIR* dir_;
};

} // namespace dirsweep
