#include "cfgui/win32/gdi_object.h"

#include <atomic>

namespace k7r::cfgui::win32 {
namespace {

std::atomic<long> live{0};

} // namespace

long LiveGdiObjects() {
    return live.load();
}

void detail::CountGdiObject(long change) {
    live += change;
}

} // namespace k7r::cfgui::win32
