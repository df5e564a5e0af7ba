#pragma once

#include "containers/container_kind.h"

namespace k7r::containers {

// The PRC kind: the record lies in one of the three compressed sections of
// a Palm resource database's "data" resource. A file whose database type is
// not an application's is no record of this kind (kNoRecord).
int FindRecordPrc(HAL_STRUCT* destination, const ImageSource& image, bool verify,
                  std::string_view& message);

// Re-encodes the "data" resource with the new record and puts it in the
// old one's place, the resources behind it moved by the change in length
// and the database name marked with the record's Crc ("-%04X"): the new
// head of the file runs from its start to the end of the new resource.
int WriteRecordPrc(const ImageSource& image, const MakeOutgoing& outgoing, ImageChange& change,
                   std::string_view& message);

} // namespace k7r::containers
