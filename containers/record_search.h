#pragma once

#include "config/hal_struct.h"
#include "containers/container_kind.h"
#include "containers/messages.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace k7r::containers {

// The search for the one record in data that comes piece by piece (a
// file's bytes, or the data bytes of S-record text as they are decoded).
// The record lies as 856 contiguous bytes anywhere in the data and must be
// followed by at least one byte. The whole data is searched so that a
// second record is noticed.
class RecordSearch {
  public:
    explicit RecordSearch(bool verify) : verify_(verify) {}

    // Looks at the bytes, which hold the data from offset on, at every
    // offset that has a record's length and one byte more behind it.
    // Returns how many leading bytes it is done with: the others must come
    // again at the front of the next bytes.
    std::size_t Scan(std::span<const std::uint8_t> bytes, std::uint64_t offset);

    // Whether more data can no longer change the answer.
    bool Settled() const { return settled_; }

    // The answer for the data scanned: kRecordFound, kNoRecord or
    // kRecordRefused with the reason in message. On kRecordFound the
    // record's bytes as stored go to destination and its offset to
    // recordOffset, each when it is not null.
    int Answer(HAL_STRUCT* destination, std::string_view& message,
               std::uint64_t* recordOffset = nullptr) const;

  private:
    bool Visit(const std::uint8_t* candidate, std::uint64_t offset);

    bool verify_;
    int result_ = kNoRecord;
    std::string_view message_ = messages::kNoConfigData;
    bool accepted_ = false;
    bool settled_ = false;
    std::uint64_t found_ = 0;
    HAL_STRUCT record_{};
};

} // namespace k7r::containers
