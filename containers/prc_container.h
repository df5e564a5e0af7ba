#pragma once

#include "containers/container_kind.h"

namespace k7r {

// The PRC kind: the record lies in one of the three compressed sections of
// a Palm resource database's "data" resource. A file whose database type is
// not an application's is no record of this kind (kNoRecord).
int FindRecordPrc(HAL_STRUCT* destination, std::span<const std::uint8_t> image, bool verify,
                  std::string_view& message);

// Re-encodes the "data" resource with the new record, splices it into the
// database, moves the resources behind it and marks the database name with
// the record's Crc ("-%04X"). Every limit is checked before the image is
// changed, so a refused write leaves the file as it was.
int WriteRecordPrc(const HAL_STRUCT& record, std::span<std::uint8_t> image, std::size_t& length,
                   std::string_view& message);

} // namespace k7r
