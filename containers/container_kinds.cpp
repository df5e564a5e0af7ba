#include "containers/container_kind.h"

#include "containers/prc_container.h"
#include "containers/raw_container.h"
#include "containers/srec_container.h"

namespace k7r {
namespace {

constexpr ContainerKind kKinds[] = {
    {"plain image", LocateRecordRaw, WriteRecordRaw},
    {"PRC", FindRecordPrc, WriteRecordPrc},
    {"S-record", FindRecordSrec, WriteRecordSrec},
};

} // namespace

std::span<const ContainerKind> ContainerKinds() {
    return kKinds;
}

} // namespace k7r
