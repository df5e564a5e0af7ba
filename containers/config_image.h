#pragma once

#include "config/hal_struct.h"
#include "config/working_config.h"
#include "containers/container_kind.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace k7r::containers {

// Asks each container kind in table order for the image's one record and
// stops at the first that finds one or refuses the file. On kRecordFound
// stored holds the record as the file stores it.
int LocateConfigRecord(const ImageSource& image, bool verify, HAL_STRUCT& stored,
                       std::string_view& message);

// Whether a record as stored is in the opposite byte order to the host's.
bool IsSwapped(const HAL_STRUCT& stored);

// Adopts the image's record, checked and in host order, as the working
// configuration. On failure message says why and config is unchanged.
bool ReadConfigImage(const ImageSource& image, config::WorkingConfig& config,
                     std::string_view& message);

// Works out how to write the working record over the file's record, in the
// file's byte order and with a fresh CRC; the image is only read. With
// preserveAddresses the file keeps its own physical addresses. The working
// record itself is never changed.
bool WriteConfigImage(const ImageSource& image, const HAL_STRUCT& working, bool preserveAddresses,
                      ImageChange& change, std::string_view& message);

} // namespace k7r::containers
