#pragma once

#include "config/hal_struct.h"

#include <string_view>

namespace k7r::exporter {

// The record exactly as "appcfg.h" initialises it, in host order: strings
// up to their NUL, entries up to and including the end marker, the flags
// that have names, and zeros everywhere else. Its Crc is left 0: the header
// prints the CRC of these bytes as each target byte order stores them, so
// the program built from it holds a configured record even when the working
// record carries stray bytes the header cannot express.
HAL_STRUCT ExportedRecord(const HAL_STRUCT& record);

// Number of table entries the headers print: up to and including riREGEND,
// or all 67 when the table has no end marker.
int ExportedEntryCount(int entryCount);

// A string field up to its NUL, or all of it when it has none.
template <std::size_t N>
std::string_view FieldText(const char (&field)[N]) {
    std::size_t length = 0;
    while (length < N && field[length] != '\0') {
        ++length;
    }
    return {field, length};
}

} // namespace k7r::exporter
