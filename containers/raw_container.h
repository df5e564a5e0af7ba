#pragma once

#include "containers/container_kind.h"

namespace k7r::containers {

// The plain image kind: the record lies as 856 contiguous bytes anywhere in
// the data (see RecordSearch), read from start to end once.
int FindRecordRaw(HAL_STRUCT* destination, const ImageSource& data, bool verify,
                  std::string_view& message, std::uint64_t* recordOffset = nullptr);

int LocateRecordRaw(HAL_STRUCT* destination, const ImageSource& image, bool verify,
                    std::string_view& message);

// The record's bytes over the old ones, nothing else.
int WriteRecordRaw(const ImageSource& image, const MakeOutgoing& outgoing, ImageChange& change,
                   std::string_view& message);

} // namespace k7r::containers
