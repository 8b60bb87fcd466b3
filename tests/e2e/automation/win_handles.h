#pragma once
// Move-only owners of the platform handles the driver uses: each releases its handle exactly
// once, with what it needs to do so stored beside it.

#include <windows.h>

#include <utility>

namespace e2e {

// A kernel handle closed with CloseHandle (process, thread, file mapping, snapshot).
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE h) : handle_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset() {
        if (handle_) CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    HANDLE handle_ = nullptr;
};

// A view of a file mapping, unmapped with UnmapViewOfFile.
class MappedView {
public:
    MappedView() = default;
    explicit MappedView(void* view) : view_(view) {}
    ~MappedView() {
        if (view_) UnmapViewOfFile(view_);
    }
    MappedView(MappedView&& other) noexcept : view_(std::exchange(other.view_, nullptr)) {}
    MappedView& operator=(MappedView&& other) noexcept {
        std::swap(view_, other.view_);
        return *this;
    }
    MappedView(const MappedView&) = delete;
    MappedView& operator=(const MappedView&) = delete;

    void* Get() const { return view_; }
    explicit operator bool() const { return view_ != nullptr; }

private:
    void* view_ = nullptr;
};

// Memory allocated in another process, freed there with VirtualFreeEx.
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, SIZE_T size)
        : process_(process),
          address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~RemoteMemory() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    void* Get() const { return address_; }

private:
    HANDLE process_;
    void* address_;
};

}  // namespace e2e
