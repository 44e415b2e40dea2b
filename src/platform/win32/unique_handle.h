#pragma once

#include <windows.h>

#include <utility>

namespace dirsweep {

// Owns one Win32 handle of the kind that Traits describes: its type, its
// invalid value and how it is closed. Movable, not copyable, so a handle is
// closed exactly once.
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::invalid(); }
    Handle release() noexcept { return std::exchange(handle_, Traits::invalid()); }
    void reset(Handle handle = Traits::invalid()) noexcept
    {
        if (*this)
            Traits::close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::invalid();
};

struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(Handle handle) noexcept { FindClose(handle); }
};
using UniqueFindHandle = UniqueHandle<FindHandleTraits>;

struct ModuleTraits {
    using Handle = HMODULE;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle module) noexcept { FreeLibrary(module); }
};
using UniqueModule = UniqueHandle<ModuleTraits>;

struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(Handle handle) noexcept { CloseHandle(handle); }
};
using UniqueFile = UniqueHandle<FileHandleTraits>;

struct IconTraits {
    using Handle = HICON;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle icon) noexcept { DestroyIcon(icon); }
};
using UniqueIcon = UniqueHandle<IconTraits>;

// A COM interface pointer, released once.
template <typename Interface>
struct ComTraits {
    using Handle = Interface*;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle object) noexcept { object->Release(); }
};
template <typename Interface>
using UniqueCom = UniqueHandle<ComTraits<Interface>>;

} // namespace dirsweep
