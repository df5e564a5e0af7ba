#pragma once

#include <windows.h>

#include <type_traits>
#include <utility>

namespace k7r::cfgui::win32 {

// The GDI objects (brushes, pens, fonts, bitmaps, palettes, memory device
// contexts) the utility holds now. Every one it makes is held by a
// GdiObject, which keeps this count: a long session must end with the
// count it started with. The system's own count (GetGuiResources) is not
// available everywhere the utility runs.
long LiveGdiObjects();

namespace detail {
void CountGdiObject(long change);
}

// One GDI object, deleted with its owner. A memory device context is one
// too, deleted as such.
template <typename Handle>
class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {
        if (handle_ != nullptr) {
            detail::CountGdiObject(1);
        }
    }
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset() {
        if (handle_ == nullptr) {
            return;
        }
        if constexpr (std::is_same_v<Handle, HDC>) {
            DeleteDC(handle_);
        } else {
            DeleteObject(handle_);
        }
        handle_ = nullptr;
        detail::CountGdiObject(-1);
    }

  private:
    Handle handle_ = nullptr;
};

} // namespace k7r::cfgui::win32
