#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace k7r::containers {

// One line of S-record text as it was read, or a run of record lines alike.
struct SrecLine {
    char type;             // the record type digit, or srec::kOtherLine
    std::size_t count;     // the record's byte count; for other lines, their characters
    std::uint32_t address; // for S5, the record count
    // How many more record lines follow this one with the same type and
    // count, each at the address of the one before plus its data length:
    // the data lines of a file mostly come in one such run, which keeps the
    // table small.
    std::uint32_t repeats = 0;
};

// S-record text taken apart so that it can be written again with new data
// bytes. Data bytes and the characters of other lines share one payload, in
// file order, so that the configuration record is found wherever it lies
// and may straddle any number of lines.
struct SrecImage {
    std::vector<std::uint8_t> payload;
    std::vector<SrecLine> lines;
    // The line end of this file, as first seen: written after every line.
    std::string terminator;
};

} // namespace k7r::containers
