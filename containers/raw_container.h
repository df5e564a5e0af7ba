#pragma once

#include "containers/container_kind.h"

namespace k7r::containers {

// The plain image kind: the record lies as 856 contiguous bytes anywhere in
// the data. The whole data is always searched so that a second record is
// noticed. A record must be followed by at least one byte of data.
int FindRecordRaw(HAL_STRUCT* destination, std::span<const std::uint8_t> data, bool verify,
                  std::string_view& message, std::size_t* recordOffset = nullptr);

int LocateRecordRaw(HAL_STRUCT* destination, std::span<const std::uint8_t> image, bool verify,
                    std::string_view& message);

// The record's bytes over the old ones, nothing else.
int WriteRecordRaw(std::span<const std::uint8_t> image, const MakeOutgoing& outgoing,
                   ImageChange& change, std::string_view& message);

} // namespace k7r::containers
