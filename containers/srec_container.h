#pragma once

#include "containers/container_kind.h"

namespace k7r::containers {

// The S-record kind: the record lies in the data bytes of the text's
// records, gathered in file order, and may straddle lines. Text that is not
// S-record text is no record of this kind (kNoRecord).
int FindRecordSrec(HAL_STRUCT* destination, const ImageSource& text, bool verify,
                   std::string_view& message);

// The text with the new record in its data bytes, every line as the kind
// writes lines: where the file is already written so, only the lines that
// hold the record are written anew, the rest copied as it is. Refuses a
// text that would outgrow the growth room and a record whose new bytes
// would fall into lines that are not records.
int WriteRecordSrec(const ImageSource& image, const MakeOutgoing& outgoing, ImageChange& change,
                    std::string_view& message);

// The same two over text already known to be S-record text (IsSrecText),
// as the container core asks the kind.
int LocateInSrecText(HAL_STRUCT* destination, const ImageSource& text, bool verify,
                     std::string_view& message);
int WriteInSrecText(const ImageSource& text, const MakeOutgoing& outgoing, ImageChange& change,
                    std::string_view& message);

} // namespace k7r::containers
