#pragma once

#include <cstdint>

// Motorola S-record lines:
//   S<type><count><address><data...><checksum>
// everything after "S<type>" as pairs of hex digits, most significant first.
// count covers the address, data and checksum bytes; the checksum is the
// one's complement of the low byte of the sum of count, address and data.
namespace k7r::containers::srec {

struct RecordType {
    char digit;
    int addressBytes;
    bool carriesData;  // its data bytes belong to the payload
    bool isDataRecord; // counted by an S5 line
};

// The record types this kind reads. S4 and S6 are not among them: such lines,
// like any other text, are kept character for character.
inline constexpr RecordType kRecordTypes[] = {
    {.digit = '0', .addressBytes = 2, .carriesData = true, .isDataRecord = false},
    {.digit = '1', .addressBytes = 2, .carriesData = true, .isDataRecord = true},
    {.digit = '2', .addressBytes = 3, .carriesData = true, .isDataRecord = true},
    {.digit = '3', .addressBytes = 4, .carriesData = true, .isDataRecord = true},
    {.digit = '5', .addressBytes = 2, .carriesData = false, .isDataRecord = false},
    {.digit = '7', .addressBytes = 4, .carriesData = false, .isDataRecord = false},
    {.digit = '8', .addressBytes = 3, .carriesData = false, .isDataRecord = false},
    {.digit = '9', .addressBytes = 2, .carriesData = false, .isDataRecord = false},
};

// The line type of anything that is not one of the records above.
inline constexpr char kOtherLine = '?';

constexpr const RecordType* FindRecordType(std::uint8_t digit) {
    for (const RecordType& type : kRecordTypes) {
        if (type.digit == digit) {
            return &type;
        }
    }
    return nullptr;
}

// 0, LF and CR all end a line.
constexpr bool IsLineEnd(std::uint8_t c) {
    return c == 0 || c == '\n' || c == '\r';
}

} // namespace k7r::containers::srec
