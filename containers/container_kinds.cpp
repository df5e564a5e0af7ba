#include "containers/container_kind.h"

#include "containers/raw_container.h"

namespace k7r {
namespace {

constexpr ContainerKind kKinds[] = {
    {"plain image", LocateRecordRaw, WriteRecordRaw},
};

} // namespace

std::span<const ContainerKind> ContainerKinds() {
    return kKinds;
}

} // namespace k7r
