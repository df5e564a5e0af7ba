#include "containers/container_kind.h"

#include "containers/prc_container.h"
#include "containers/raw_container.h"
#include "containers/srec_container.h"

namespace k7r::containers {
namespace {

constexpr ContainerKind kKinds[] = {
    {"plain image", AskedAbout::OtherImages, LocateRecordRaw, WriteRecordRaw},
    {"PRC", AskedAbout::AnyImage, FindRecordPrc, WriteRecordPrc},
    {"S-record", AskedAbout::SrecText, LocateInSrecText, WriteInSrecText},
};

} // namespace

std::span<const ContainerKind> ContainerKinds() {
    return kKinds;
}

} // namespace k7r::containers
