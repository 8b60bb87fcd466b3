#pragma once
// A move-only owner of a handle of the platform or of the program's own (a GDI object, a
// kernel handle, a bitmap target, a font id): it releases its handle exactly once. The empty
// handle (null, or 0) is never released.

#include <utility>

namespace runtime {

template <typename Handle, typename Release>
class OwnedHandle {
  public:
    OwnedHandle() = default;
    explicit OwnedHandle(Handle h) : handle_(h) {}
    ~OwnedHandle() {
        if (handle_ != Handle{}) Release{}(handle_);
    }
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }

  private:
    Handle handle_{};
};

}  // namespace runtime
